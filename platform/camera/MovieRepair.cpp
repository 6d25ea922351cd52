#include "platform/camera/MovieRepair.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

constexpr uint32_t kSegment = 0x18538067, kInfo = 0x1549A966, kCluster = 0x1F43B675;
constexpr uint32_t kTimecodeScale = 0x2AD7B1, kDuration = 0x4489, kTimecode = 0xE7;
constexpr uint32_t kSimpleBlock = 0xA3, kBlockGroup = 0xA0, kBlock = 0xA1;
constexpr uint64_t kUnknownSize = ~uint64_t(0);

// Reads the file's EBML elements: ids (with their length bits) and sizes.
struct Reader {
    const uchar *data;
    uint64_t end;

    // A variable-length number at pos; 0 bytes when it does not fit.
    int vint(uint64_t pos, uint64_t *value, bool keepMarker) const {
        if (pos >= end || data[pos] == 0) return 0;
        int length = 1;
        while (!(data[pos] & (0x80 >> (length - 1)))) ++length;
        if (pos + length > end) return 0;
        uint64_t v = keepMarker ? data[pos] : data[pos] & (0xFF >> length);
        bool allOnes = v == uint64_t(0xFF >> length);
        for (int i = 1; i < length; ++i) {
            v = (v << 8) | data[pos + i];
            allOnes = allOnes && data[pos + i] == 0xFF;
        }
        *value = !keepMarker && allOnes ? kUnknownSize : v;
        return length;
    }

    // The element at pos: its id, where its body starts and its size.
    bool element(uint64_t pos, uint32_t *id, uint64_t *body, uint64_t *size) const {
        uint64_t v = 0;
        const int idLength = vint(pos, &v, true);
        if (!idLength || idLength > 4) return false;
        *id = uint32_t(v);
        const int sizeLength = vint(pos + idLength, size, false);
        if (!sizeLength) return false;
        *body = pos + idLength + sizeLength;
        return true;
    }

    uint64_t uint(uint64_t pos, uint64_t size) const {
        uint64_t v = 0;
        for (uint64_t i = 0; i < size && i < 8; ++i) v = (v << 8) | data[pos + i];
        return v;
    }
};

// The last whole block of a cluster: its time (in timecode units) and where it ends.
void scanCluster(const Reader &r, uint64_t pos, uint64_t end, int64_t *lastTime,
                 uint64_t *wholeEnd) {
    int64_t clusterTime = 0;
    uint32_t id;
    uint64_t body, size;
    while (pos < end && r.element(pos, &id, &body, &size)) {
        if (id == kCluster || size == kUnknownSize || body + size > end) break;
        if (id == kTimecode) clusterTime = int64_t(r.uint(body, size));
        uint64_t block = id == kSimpleBlock ? body : 0;
        if (id == kBlockGroup) {
            uint32_t inner;
            uint64_t innerBody, innerSize;
            if (r.element(body, &inner, &innerBody, &innerSize) && inner == kBlock)
                block = innerBody;
        }
        uint64_t track;
        const int trackLength = block ? r.vint(block, &track, false) : 0;
        if (trackLength && block + trackLength + 2 <= body + size) {
            const int16_t relative = int16_t(r.uint(block + trackLength, 2));
            *lastTime = std::max(*lastTime, clusterTime + relative);
        }
        pos = body + size;
        *wholeEnd = pos;
    }
}

}  // namespace

bool finishCutMovie(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || file.size() < 16) return false;
    uchar *data = file.map(0, file.size());
    if (!data) return false;
    const Reader r{data, uint64_t(file.size())};
    uint32_t id;
    uint64_t body, size;
    // The EBML header, then the segment with the file's elements.
    if (!r.element(0, &id, &body, &size) || size == kUnknownSize) return false;
    if (!r.element(body + size, &id, &body, &size) || id != kSegment) return false;
    uint64_t pos = body, wholeEnd = body, durationAt = 0, durationSize = 0, scale = 1000000;
    int64_t lastTime = -1;
    while (pos < r.end && r.element(pos, &id, &body, &size)) {
        if (id == kCluster) {
            const uint64_t clusterEnd = size == kUnknownSize ? r.end : std::min(r.end, body + size);
            scanCluster(r, body, clusterEnd, &lastTime, &wholeEnd);
            if (size == kUnknownSize || body + size > r.end) break;
        } else if (size == kUnknownSize || body + size > r.end) {
            break;
        } else if (id == kInfo) {
            uint32_t child;
            uint64_t childBody, childSize;
            for (uint64_t p = body; p < body + size && r.element(p, &child, &childBody, &childSize);
                 p = childBody + childSize) {
                if (child == kTimecodeScale) scale = r.uint(childBody, childSize);
                if (child == kDuration) durationAt = childBody, durationSize = childSize;
            }
        }
        if (id != kCluster) wholeEnd = body + size;
        pos = body + size;
    }
    if (lastTime < 0 || !durationAt || (durationSize != 8 && durationSize != 4)) return false;
    // Duration in timecode units, as a big-endian float of the field's own width.
    const double duration = double(lastTime) + 1e9 / 30 / double(scale ? scale : 1);
    if (durationSize == 8) {
        qToBigEndian(duration, data + durationAt);
    } else {
        qToBigEndian(float(duration), data + durationAt);
    }
    file.unmap(data);
    return file.resize(qint64(wholeEnd));
}
