#pragma once

#include <QFont>
#include <QString>

// Fonts as the layouts name them. Sizes are pixels: the layouts were drawn
// where a point is a pixel. "System" (or an empty name, or a face that is not
// installed, such as "Lucida Grande") is the platform's default sans face.
namespace Fonts {

constexpr int kDefaultSize = 12;

QString defaultFamily();
QFont make(const QString &family, int pixelSize, bool bold = false, bool italic = false,
           bool underline = false);

}  // namespace Fonts
