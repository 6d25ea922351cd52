#pragma once

#include <QString>

// Opens a web address in the user's browser, through the desktop's URL
// handler (xdg-open on Linux). Whether a browser opened it is not reported.
void ShowURL(const QString &url);
