#include "publishing/CurlUpload.h"

#include <QStringList>

#include "platform/Conversion.h"
#include "platform/Shell.h"
#include "publishing/CurlConfig.h"

namespace {

// A stalled server must not hold the program past the minute that the
// schedule runner compares against.
constexpr int kConnectSeconds = 15;
constexpr int kMaxSeconds = 50;
// Our own bound only catches a curl that ignores its own.
constexpr int kShellMarginSeconds = 10;

int testConnectSeconds = 0;
int testMaxSeconds = 0;

// A line end in a login would reach the FTP server as a command of its own,
// and no typed value holds a control character on purpose: they all go.
QString withoutControls(QString text) {
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text;
}

}  // namespace

namespace CurlUpload {

int run(const QString &localPath, const QString &server, const QString &user,
        const QString &password) {
    const int connectSeconds = testConnectSeconds > 0 ? testConnectSeconds : kConnectSeconds;
    const int maxSeconds = testMaxSeconds > 0 ? testMaxSeconds : kMaxSeconds;
    // Blanks around a pasted host would make every upload fail.
    const QString host = withoutControls(server).trimmed();
    // No shell: every text is one argument. --globoff keeps brackets and braces
    // in the path and the server text literal; the login comes on stdin.
    const QStringList args = {QStringLiteral("--globoff"),
                              QStringLiteral("--connect-timeout"),
                              QString::number(connectSeconds),
                              QStringLiteral("--max-time"),
                              QString::number(maxSeconds),
                              QStringLiteral("-K"),
                              QStringLiteral("-"),
                              QStringLiteral("-T"),
                              localPath,
                              QStringLiteral("ftp://") + host};
    Shell shell;
    shell.Execute(QStringLiteral("curl"), args,
                  CurlConfig::loginConfig(withoutControls(user), withoutControls(password)),
                  (maxSeconds + kShellMarginSeconds) * 1000);
    return shell.ErrorCode;
}

QString resultText(int status) {
    if (status == 0) return QStringLiteral("OK");
    if (status == 6) return QStringLiteral("falsche Serveradresse");
    if (status == 67) return QStringLiteral("Benutzername oder Passwort ungültig");
    if (status == 26) return QStringLiteral("falscher Dateipfad");
    return QStringLiteral("Fehler ") + Str(status);
}

void setTimeoutsForTesting(int connectSeconds, int maxSeconds) {
    testConnectSeconds = connectSeconds;
    testMaxSeconds = maxSeconds;
}

}  // namespace CurlUpload
