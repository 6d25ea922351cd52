#pragma once

#include <QString>

// The program's home page: its short form on the input choice, written out
// in full on the start window's link, which opens the same text.
inline const QString kHomePageAddress = QStringLiteral("www.vidolin.de");
inline const QString kHomePageUrl = QStringLiteral("https://www.vidolin.de");
