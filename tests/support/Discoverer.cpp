#include "support/Discoverer.h"

#include <QProcess>
#include <QRegularExpression>

Discovered discover(const QString &path) {
    QProcess p;
    p.start(QStringLiteral("gst-discoverer-1.0"), {path});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    Discovered r;
    // The tool exits 0 even when it fails; only its report tells.
    r.ok = !out.contains(QLatin1String("error was encountered")) &&
           out.contains(QLatin1String("Properties:"));
    auto field = [&out](const char *pattern) {
        const auto m =
            QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption)
                .match(out);
        return m.hasMatch() ? m.captured(1).trimmed() : QString();
    };
    r.container = field(R"(^\s*container #\d+: (.+)$)");
    r.video = field(R"(^\s*video #\d+: (.+)$)");
    r.audio = field(R"(^\s*audio #\d+: (.+)$)");
    r.width = field(R"(^\s*Width: (\d+)$)").toInt();
    r.height = field(R"(^\s*Height: (\d+)$)").toInt();
    const auto d = QRegularExpression(R"(Duration: (\d+):(\d+):(\d+\.\d+))").match(out);
    if (d.hasMatch())
        r.seconds =
            d.captured(1).toInt() * 3600 + d.captured(2).toInt() * 60 + d.captured(3).toDouble();
    return r;
}
