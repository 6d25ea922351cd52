#include "capture/Startmodul.h"

#include "capture/Bildtext.h"
#include "capture/CameraPicture.h"
#include "platform/Conversion.h"
#include "platform/SpecialFolder.h"

namespace Startmodul {

namespace {

// The picture folder may hold pictures of an earlier run that did not end
// cleanly; a numbered picture never replaces one of them.
void skipTakenNumbers() {
    while (f && f->Child(QStringLiteral("Bild") + Str(z) + QStringLiteral(".jpg"))->Exists()) ++z;
}

}  // namespace

void foto() {
    if (t_was == 3) {
        fol = f ? f->Child(QStringLiteral("Kamerabild.jpg")) : nullptr;
    } else {
        z = z + 1;
        skipTakenNumbers();
        fol = f ? f->Child(QStringLiteral("Bild") + Str(z) + QStringLiteral(".jpg")) : nullptr;
    }
    p = cameraPicture();
    p = Module1::Bildtext(p);
    // No frame yet, or no picture folder: nothing is saved and nothing reported.
    if (fol && p && f->Directory()) fol->SaveAsJPEG(p);
}

void pordner() {
    const Date d;
    po = SpecialFolder::UserHome()->Child(QStringLiteral("Vidolin"));
    po->CreateAsFolder();
    po = po->Child(QStringLiteral("Web ") + Str(d.Day()) + QStringLiteral("_") + Str(d.Month()) +
                   QStringLiteral("_") + Str(d.Year()));
    po->CreateAsFolder();
}

void prot() {
    const Date d;
    const QString stamp = Str(d.Day()) + QStringLiteral("_") + Str(d.Month()) +
                          QStringLiteral("_") + Str(d.Year()) + QStringLiteral("_") +
                          Str(d.Hour()) + QStringLiteral("_") + Str(d.Minute());
    // Without an archive folder of this run there is nowhere to keep the picture.
    const FolderItemPtr target =
        po ? po->Child(QStringLiteral("Bild_ ") + stamp + QStringLiteral(".jpg")) : nullptr;
    p = cameraPicture();
    p = Module1::Bildtext(p);
    if (target && p && po->Directory()) target->SaveAsJPEG(p);
}

}  // namespace Startmodul
