#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>

#include "platform/Graphics.h"
#include "platform/Picture.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QRgb at(const PicturePtr &p, int x, int y) { return p->image.pixel(x, y) | 0xFF000000u; }

// The pixels of the picture that are not white, as a sorted list of points.
std::vector<std::pair<int, int>> marked(const PicturePtr &p) {
    std::vector<std::pair<int, int>> points;
    for (int y = 0; y < p->Height(); ++y)
        for (int x = 0; x < p->Width(); ++x)
            if (at(p, x, y) != kWhite) points.emplace_back(x, y);
    return points;
}

}  // namespace

TEST(Graphics, NewPictureIsWhiteWithoutMask) {
    const PicturePtr p = Picture::create(7, 5);
    EXPECT_EQ(p->Width(), 7);
    EXPECT_EQ(p->Height(), 5);
    EXPECT_TRUE(marked(p).empty());
    EXPECT_FALSE(p->hasMask());
    EXPECT_EQ(p->Mask(false), nullptr);
    // A mask made on demand is black: the picture stays fully opaque.
    const PicturePtr mask = p->Mask(true);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(at(mask, 0, 0), kBlack);
    EXPECT_EQ(at(mask, 6, 4), kBlack);
    EXPECT_EQ(p->Mask(true), mask);
}

TEST(Graphics, RectanglesCoverExactlyTheirSize) {
    // Filled: exactly w × h pixels from (x, y).
    for (bool round : {false, true}) {
        const PicturePtr p = Picture::create(12, 12);
        if (round)
            p->graphics().FillRoundRect(2, 3, 5, 4, 0, 0);
        else
            p->graphics().FillRect(2, 3, 5, 4);
        const auto points = marked(p);
        EXPECT_EQ(points.size(), 20u) << "round " << round;
        EXPECT_EQ(points.front(), std::make_pair(2, 3));
        EXPECT_EQ(points.back(), std::make_pair(6, 6));
    }
    // One pixel thin shapes are still drawn.
    for (auto [w, h] : {std::pair{1, 1}, {5, 1}, {1, 4}}) {
        const PicturePtr p = Picture::create(12, 12);
        p->graphics().FillRoundRect(2, 3, w, h, 0, 0);
        EXPECT_EQ(marked(p).size(), size_t(w * h)) << w << "x" << h;
    }
    // Outlined: the border of the same w × h pixels, the inside untouched.
    for (bool round : {false, true}) {
        const PicturePtr p = Picture::create(12, 12);
        if (round)
            p->graphics().DrawRoundRect(2, 3, 5, 4, 0, 0);
        else
            p->graphics().DrawRect(2, 3, 5, 4);
        EXPECT_EQ(marked(p).size(), 14u) << "round " << round;
        for (auto [x, y] : marked(p)) {
            EXPECT_TRUE(x == 2 || x == 6 || y == 3 || y == 6) << x << "," << y;
            EXPECT_TRUE(x >= 2 && x <= 6 && y >= 3 && y <= 6) << x << "," << y;
        }
    }
}

TEST(Graphics, RoundRectanglesKeepTheirCornersOutsideTheArc) {
    const PicturePtr p = Picture::create(40, 30);
    Graphics &g = p->graphics();
    g.FillRoundRect(0, 0, 40, 30, 10, 10);
    EXPECT_EQ(at(p, 0, 0), kWhite);
    EXPECT_EQ(at(p, 39, 29), kWhite);
    EXPECT_EQ(at(p, 20, 0), kBlack);
    EXPECT_EQ(at(p, 0, 15), kBlack);
    EXPECT_EQ(at(p, 39, 15), kBlack);
    EXPECT_EQ(at(p, 20, 29), kBlack);
    EXPECT_EQ(at(p, 40 - 6, 30 - 6), kBlack);
}

TEST(Graphics, RoundRectangleFillAndOutlineShareTheirEdge) {
    // A face filled and then outlined with the same arcs shows no face
    // pixel outside its outline.
    for (int arc : {10, 22}) {
        const PicturePtr fill = Picture::create(60, 30);
        const PicturePtr outline = Picture::create(60, 30);
        fill->graphics().FillRoundRect(3, 2, 50, 26, arc, arc);
        outline->graphics().DrawRoundRect(3, 2, 50, 26, arc, arc);
        for (int y = 0; y < 30; ++y) {
            int first = 60, last = -1;
            for (int x = 0; x < 60; ++x) {
                if (at(outline, x, y) == kWhite) continue;
                first = std::min(first, x);
                last = std::max(last, x);
                EXPECT_EQ(at(fill, x, y), kBlack) << "arc " << arc << " at " << x << "," << y;
            }
            for (int x = 0; x < 60; ++x) {
                if (x >= first && x <= last) continue;
                EXPECT_EQ(at(fill, x, y), kWhite) << "arc " << arc << " at " << x << "," << y;
            }
        }
    }
}

TEST(Graphics, LinesIncludeBothEndPoints) {
    struct Line {
        int x1, y1, x2, y2;
        size_t pixels;
    };
    for (const Line &l :
         {Line{1, 2, 8, 2, 8}, Line{3, 9, 3, 0, 10}, Line{0, 0, 5, 5, 6}, Line{4, 4, 4, 4, 1}}) {
        const PicturePtr p = Picture::create(10, 10);
        p->graphics().DrawLine(l.x1, l.y1, l.x2, l.y2);
        EXPECT_EQ(marked(p).size(), l.pixels) << l.x1 << "," << l.y1 << "-" << l.x2 << "," << l.y2;
        EXPECT_EQ(at(p, l.x1, l.y1), kBlack);
        EXPECT_EQ(at(p, l.x2, l.y2), kBlack);
    }
    // A line that ends past the picture is cut off, not shifted.
    const PicturePtr p = Picture::create(10, 10);
    p->graphics().DrawLine(9, 0, 9, 10);
    EXPECT_EQ(marked(p).size(), 10u);
}

TEST(Graphics, MaskGivesEachPixelItsOpacity) {
    const PicturePtr source = Picture::create(3, 1);
    source->image.fill(qRgb(200, 0, 0));
    const PicturePtr mask = source->Mask(true);
    mask->image.setPixel(0, 0, kBlack);
    mask->image.setPixel(1, 0, kWhite);
    mask->image.setPixel(2, 0, qRgb(128, 128, 128));

    const PicturePtr target = Picture::create(5, 3);
    target->graphics().ForeColor = QColor(0, 0, 255);
    target->graphics().FillRect(0, 0, 5, 3);
    target->graphics().DrawPicture(source, 1, 1);
    EXPECT_EQ(at(target, 1, 1), qRgb(200, 0, 0));  // black: opaque
    EXPECT_EQ(at(target, 2, 1), qRgb(0, 0, 255));  // white: transparent
    const QRgb blend = at(target, 3, 1);           // grey: half of each
    EXPECT_NEAR(qRed(blend), 100, 2);
    EXPECT_EQ(qGreen(blend), 0);
    EXPECT_NEAR(qBlue(blend), 127, 2);
    EXPECT_EQ(at(target, 0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(at(target, 4, 1), qRgb(0, 0, 255));
}

TEST(Graphics, TransparentOneLeavesWhitePixelsOut) {
    const PicturePtr source = Picture::create(2, 1);
    source->image.setPixel(1, 0, qRgb(0, 0, 255));
    const PicturePtr target = Picture::create(2, 1);
    target->graphics().ForeColor = QColor(0, 128, 0);
    target->graphics().FillRect(0, 0, 2, 1);

    source->Transparent = 0;
    target->graphics().DrawPicture(source, 0, 0);
    EXPECT_EQ(at(target, 0, 0), kWhite);

    target->graphics().FillRect(0, 0, 2, 1);
    source->Transparent = 1;
    target->graphics().DrawPicture(source, 0, 0);
    EXPECT_EQ(at(target, 0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(at(target, 1, 0), qRgb(0, 0, 255));
}

TEST(Graphics, StretchedPictureFillsTheWholeDestination) {
    // A uniform grey stretched into a larger mask covers it edge to edge
    // with the same level, as a button's gloss does.
    const PicturePtr grey = Picture::create(3, 2);
    grey->image.fill(qRgb(90, 90, 90));
    const PicturePtr target = Picture::create(20, 10);
    target->graphics().DrawPicture(grey, 0, 0, 20, 10, 0, 0, 3, 2);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(at(target, x, y), qRgb(90, 90, 90)) << x << "," << y;

    // Top half black, bottom half white, stretched: the top stays dark and
    // the bottom light.
    const PicturePtr halves = Picture::create(1, 2);
    halves->image.setPixel(0, 0, kBlack);
    const PicturePtr tall = Picture::create(4, 40);
    tall->graphics().DrawPicture(halves, 0, 0, 4, 40, 0, 0, 1, 2);
    EXPECT_EQ(at(tall, 0, 0), kBlack);
    EXPECT_EQ(at(tall, 3, 39), kWhite);
}
