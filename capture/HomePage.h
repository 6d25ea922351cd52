#pragma once

#include <QString>

// The program's home page, shown on the input choice and the start window.
inline const QString kHomePageAddress = QStringLiteral("www.vidolin.de");
