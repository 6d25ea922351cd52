#include "platform/Resources.h"

#include "platform/ResourceFolder.h"
#include "platform/TextInputStream.h"

namespace {

constexpr int kPictures = 6;

struct PictureCache {
    PicturePtr picture;
};

PictureCache &cache(int which) {
    static PictureCache caches[kPictures];
    return caches[which];
}

struct TemplateCache {
    bool loaded = false;
    QString permaText;
};

TemplateCache &templateCache() {
    static TemplateCache cache;
    return cache;
}

PicturePtr loadOnce(int which, const char *fileName, bool whiteTransparent = false) {
    PictureCache &c = cache(which);
    if (!c.picture) {
        if (const FolderItemPtr folder = ResourceFolder::get()) {
            c.picture = folder->Child(QString::fromUtf8(fileName))->OpenAsPicture();
            if (c.picture && whiteTransparent) c.picture->Transparent = 1;
        }
    }
    return c.picture;
}

}  // namespace

PicturePtr m1() { return loadOnce(0, "m1.bmp"); }
PicturePtr rot() { return loadOnce(1, "rot.bmp", true); }
PicturePtr Bild3() { return loadOnce(2, "Bild 3.png"); }
PicturePtr Bild2() { return loadOnce(3, "Bild 2.png"); }
PicturePtr help() { return loadOnce(4, "help.jpg"); }
PicturePtr programIcon() { return loadOnce(5, "vidolin.png"); }

QString Kameraseite() {
    TemplateCache &c = templateCache();
    if (!c.loaded) {
        // Marked first: a template that fails to load is not tried again.
        c.loaded = true;
        if (const FolderItemPtr folder = ResourceFolder::get()) {
            if (auto stream = folder->Child(QStringLiteral("Kameraseite.html"))->OpenAsTextFile()) {
                c.permaText = stream->ReadAll();
                stream->Close();
            }
        }
    }
    return c.permaText;
}

namespace Resources {
void resetForTesting() {
    for (int i = 0; i < kPictures; ++i) cache(i).picture.reset();
    templateCache() = TemplateCache();
}
}  // namespace Resources
