#include "capture/CameraPicture.h"

#include "capture/w2.h"
#include "platform/CamCapture.h"

namespace {
std::function<PicturePtr()> &testSource() {
    static std::function<PicturePtr()> source;
    return source;
}
}  // namespace

PicturePtr cameraPicture() {
    if (testSource()) return testSource()();
    return w2::instance().cam->GetPicture(32);
}

namespace CameraPicture {
void setSourceForTesting(std::function<PicturePtr()> source) { testSource() = std::move(source); }
}  // namespace CameraPicture
