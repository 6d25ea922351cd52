#include "platform/ShowURL.h"

#include <QDesktopServices>
#include <QUrl>

void ShowURL(const QString &url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); }
