#include "publishing/CurlConfig.h"

namespace {

// Inside double quotes curl's config reader knows these escapes; every other
// character stands for itself.
QString quoted(const QString &text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                out += QLatin1String("\\\\");
                break;
            case '"':
                out += QLatin1String("\\\"");
                break;
            case '\t':
                out += QLatin1String("\\t");
                break;
            case '\n':
                out += QLatin1String("\\n");
                break;
            case '\r':
                out += QLatin1String("\\r");
                break;
            case '\v':
                out += QLatin1String("\\v");
                break;
            case 0:
                // A NUL would end the value early in curl's C strings.
                break;
            default:
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

}  // namespace

namespace CurlConfig {

QByteArray loginConfig(const QString &user, const QString &password) {
    return (QStringLiteral("user = ") + quoted(user + QLatin1Char(':') + password) +
            QLatin1Char('\n'))
        .toUtf8();
}

}  // namespace CurlConfig
