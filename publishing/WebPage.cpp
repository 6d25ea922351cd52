#include "publishing/WebPage.h"

#include <QString>

#include "capture/Startmodul.h"
#include "platform/Resources.h"
#include "platform/TextOutputStream.h"
#include "publishing/PictureFolderFile.h"

namespace Module1 {

void html_sichern(const QString &name) {
    const QString page = Kameraseite();
    Startmodul::fol = pictureFolderFile(name);
    if (!Startmodul::fol) return;
    const auto stream = Startmodul::fol->CreateTextFile();
    if (!stream) return;
    // The template as it is, no placeholder filled.
    stream->WriteLine(page);
    stream->Close();
}

}  // namespace Module1
