#include "platform/Fonts.h"

#include <QFontDatabase>

namespace Fonts {

QString defaultFamily() {
    static const QString family = [] {
        QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        if (!general.isEmpty() && QFontDatabase::hasFamily(general)) return general;
        return QStringLiteral("DejaVu Sans");
    }();
    return family;
}

QFont make(const QString &family, int pixelSize, bool bold, bool italic, bool underline) {
    QString face = family;
    if (face.isEmpty() || face == QLatin1String("System") || !QFontDatabase::hasFamily(face))
        face = defaultFamily();
    QFont font(face);
    font.setPixelSize(pixelSize > 0 ? pixelSize : kDefaultSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace Fonts
