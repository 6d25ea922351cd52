#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFont>
#include <QPainter>
#include <QTest>

#include <algorithm>

#include "controls/Knopf.h"
#include "platform/ResourceFolder.h"
#include "platform/Resources.h"
#include "platform/Window.h"
#include "support/TestHome.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kOutline = qRgb(0x32, 0x30, 0x24);

// Opens the face builder to the tests.
class Probe : public Knopf {
public:
    using Knopf::hintergrund;
    using Knopf::Knopf;
};

QRgb opaque(QRgb c) { return c | 0xFF000000u; }

QRgb at(const QImage &image, int x, int y) { return opaque(image.pixel(x, y)); }

bool isGreen(QRgb c) { return qGreen(c) > 200 && qRed(c) < 80 && qBlue(c) < 80; }
bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }

int count(const QImage &image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(at(image, x, y)) ? 1 : 0;
    return n;
}

// A button of 100 × 30 on no window (white background) without a caption.
std::unique_ptr<Probe> segment(bool links, bool rechts, int radius) {
    auto k = std::make_unique<Probe>(nullptr, QString(), KnopfLook::light());
    k->Radius = radius;
    k->links = links;
    k->rechts = rechts;
    k->resize(100, 30);
    return k;
}

Window::Layout windowLayout(const QColor &back) {
    Window::Layout layout;
    layout.Width = 300;
    layout.Height = 200;
    layout.HasBackColor = true;
    layout.BackColor = back;
    return layout;
}

// Runs a test without the gloss picture in the resource folder.
class WithoutGloss {
public:
    WithoutGloss() {
        ResourceFolder::overrideForTesting(QDir(TestHome::path()).filePath("no-resources"));
        Resources::resetForTesting();
    }
    ~WithoutGloss() {
        ResourceFolder::overrideForTesting(QString());
        Resources::resetForTesting();
    }
};

}  // namespace

TEST(Knopf, SegmentFlagsChooseTheRoundCornersAndTheSeparator) {
    const QImage plain = segment(false, false, 10)->hintergrund()->image;
    const QImage both = segment(true, true, 10)->hintergrund()->image;
    const QImage left = segment(true, false, 10)->hintergrund()->image;
    const QImage right = segment(false, true, 10)->hintergrund()->image;

    // Both flags draw the same as neither: four round corners.
    EXPECT_EQ(plain, both);
    for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 29}, {99, 29}})
        EXPECT_EQ(at(plain, x, y), kWhite) << x << "," << y;
    EXPECT_EQ(at(plain, 50, 0), kOutline);
    EXPECT_EQ(at(plain, 99, 15), kOutline);

    // The left end: round on the left, square on the right, where the
    // separator runs down the whole last column.
    EXPECT_EQ(at(left, 0, 0), kWhite);
    EXPECT_EQ(at(left, 0, 29), kWhite);
    for (int y = 0; y < 30; ++y) EXPECT_EQ(at(left, 99, y), kOutline) << y;
    EXPECT_EQ(at(left, 98, 0), kOutline);   // top outline runs on to the edge
    EXPECT_EQ(at(left, 98, 29), kOutline);  // and so does the bottom one
    EXPECT_NE(at(left, 98, 15), kOutline);  // face up to the separator

    // The right end mirrors it, the separator in the first column.
    EXPECT_EQ(at(right, 99, 0), kWhite);
    EXPECT_EQ(at(right, 99, 29), kWhite);
    for (int y = 0; y < 30; ++y) EXPECT_EQ(at(right, 0, y), kOutline) << y;
    EXPECT_EQ(at(right, 1, 0), kOutline);
    EXPECT_NE(at(right, 1, 15), kOutline);

    // Square corners everywhere without a radius, segment or not.
    for (auto [l, r] : {std::pair{false, false}, {true, false}, {false, true}}) {
        const QImage square = segment(l, r, 0)->hintergrund()->image;
        for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 29}, {99, 29}})
            EXPECT_EQ(at(square, x, y), kOutline) << l << r << " " << x << "," << y;
        EXPECT_NE(at(square, 1, 1), kOutline);
        EXPECT_NE(at(square, 98, 28), kOutline);
    }
}

TEST(Knopf, RoundCornersShowTheWindowColourNotThePanels) {
    const QColor back(0xE6, 0xE2, 0xBE);
    Window window(windowLayout(back));
    auto *panel = new QWidget(window.content());
    panel->setGeometry(10, 10, 200, 100);
    auto *k = new Probe(panel, QStringLiteral("Testen"), KnopfLook::light());
    k->Radius = 22;
    k->place(20, 20, 117, 27);
    const QImage face = k->hintergrund()->image;
    EXPECT_EQ(face.size(), QSize(117, 27));
    EXPECT_EQ(at(face, 0, 0), back.rgb());
    EXPECT_EQ(at(face, 116, 26), back.rgb());
    EXPECT_EQ(at(face, 58, 0), kOutline);
}

TEST(Knopf, FaceColourLiesOverWhiteInTheStrengthOfTheGloss) {
    const PicturePtr gloss = m1();
    ASSERT_NE(gloss, nullptr) << "the build puts m1.bmp into the resource folder";
    auto k = segment(false, false, 0);
    k->Farbe = QColor(0x64, 0x60, 0x47);
    k->resize(gloss->Width(), gloss->Height());  // one to one, no stretch
    const QImage face = k->hintergrund()->image;
    int differingRows = 0;
    for (int y = 1; y < face.height() - 1; ++y) {
        const double level = qGray(gloss->image.pixel(gloss->Width() / 2, y)) / 255.0;
        const QRgb got = at(face, gloss->Width() / 2, y);
        EXPECT_NEAR(qRed(got), 0x64 * (1 - level) + 255 * level, 2) << y;
        EXPECT_NEAR(qGreen(got), 0x60 * (1 - level) + 255 * level, 2) << y;
        EXPECT_NEAR(qBlue(got), 0x47 * (1 - level) + 255 * level, 2) << y;
        differingRows += got != at(face, gloss->Width() / 2, 1) ? 1 : 0;
    }
    EXPECT_GT(differingRows, 0) << "the gloss should vary over the face";
}

TEST(Knopf, WithoutTheGlossPictureTheFaceIsPlainInEachLook) {
    WithoutGloss noGloss;
    ASSERT_EQ(m1(), nullptr);
    for (auto [look, colour] : {std::pair{KnopfLook::dark(), qRgb(0x64, 0x60, 0x47)},
                                {KnopfLook::light(), qRgb(0xAC, 0xA9, 0x8F)}}) {
        Probe k(nullptr, QString(), look);
        k.resize(100, 30);
        const QImage face = k.hintergrund()->image;
        for (int y = 1; y < 29; ++y) EXPECT_EQ(at(face, 50, y), colour) << y;
        EXPECT_EQ(at(face, 0, 0), kOutline);
    }
}

// The caption is checked against the coverage of the same text drawn once,
// black on white, where the caption should sit: every shadow pixel must be
// explained by one of the six offsets, and the two left-out diagonals must
// leave theirs white.
TEST(Knopf, CaptionIsCentredWithAShadowAtSixOffsets) {
    const QString caption = QStringLiteral("Größe");
    for (bool shadow : {true, false}) {
        Knopf k(nullptr, caption, KnopfLook::dark());
        k.Farbe = Qt::white;  // a white face, whatever the gloss
        k.Textfarbe = QColor(0, 0, 255);
        k.Textschatten = shadow;
        k.resize(100, 30);
        const QImage drawn = k.surfaceImage();

        // In 14-pixel DejaVu Sans the caption is 42.3 pixels wide and its
        // line 16 high: it starts at (100 - 42.3) / 2 = 28, cut, on the
        // baseline 15 + 16 / 3 = 20.
        QImage reference(100, 30, QImage::Format_RGB32);
        reference.fill(Qt::white);
        {
            QPainter p(&reference);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(14);
            p.setFont(font);
            p.drawText(28, 20, caption);
        }
        auto coverage = [&](int px, int py) {
            if (px < 0 || py < 0 || px >= 100 || py >= 30) return 0;
            return 255 - qGray(reference.pixel(px, py));
        };

        const int six[6][2] = {{-1, 0}, {-1, -1}, {0, -1}, {1, 1}, {0, 1}, {1, 0}};
        int shadowPixels = 0, diagonalOnly = 0, fullyCovered = 0;
        for (int py = 1; py < 29; ++py) {
            for (int px = 1; px < 99; ++px) {
                const QRgb got = at(drawn, px, py);
                if (coverage(px, py) == 255) {
                    ++fullyCovered;
                    EXPECT_EQ(got, qRgb(0, 0, 255)) << px << "," << py;
                }
                if (coverage(px, py) != 0) continue;
                int near = 0;
                for (const auto &d : six)
                    near = std::max(near, shadow ? coverage(px - d[0], py - d[1]) : 0);
                const int diagonal = std::max(coverage(px + 1, py - 1), coverage(px - 1, py + 1));
                if (near == 0) {
                    EXPECT_EQ(got, kWhite) << "shadow " << shadow << " at " << px << "," << py;
                    diagonalOnly += diagonal >= 128 ? 1 : 0;
                } else if (near >= 128) {
                    ++shadowPixels;
                    EXPECT_LT(qGray(got), 160) << px << "," << py;
                }
            }
        }
        EXPECT_GT(fullyCovered, 4);
        EXPECT_GT(diagonalOnly, 0);
        if (shadow) {
            EXPECT_GT(shadowPixels, 20);
        }
    }
}

TEST(Knopf, MouseLooksFollowPressReleaseAndExit) {
    Window window(windowLayout(QColor(0xE6, 0xE2, 0xBE)));
    auto *k = new Probe(window.content(), QStringLiteral("Bild"), KnopfLook::dark());
    k->place(10, 10, 100, 30);
    int actions = 0, enters = 0, exits = 0;
    k->Action = [&] { ++actions; };
    k->enter = [&] { ++enters; };
    k->ex = [&] { ++exits; };
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    k->Refresh(true);
    const QImage rest = k->surfaceImage().copy();
    const QRgb faceAt = at(k->hintergrund()->image, 50, 3);
    EXPECT_EQ(at(rest, 50, 3), faceAt);
    EXPECT_EQ(count(rest, isGreen), 0);
    EXPECT_EQ(count(rest, isRed), 0);

    // Hover: green caption over the face that is there.
    QEnterEvent enterEvent(QPointF(50, 15), QPointF(60, 25), QPointF(60, 25));
    QApplication::sendEvent(k, &enterEvent);
    EXPECT_GE(enters, 1);
    QImage look = k->surfaceImage();
    EXPECT_GT(count(look, isGreen), 10);
    EXPECT_EQ(at(look, 50, 3), faceAt);

    // Pressed: black face, red caption, no Action yet.
    QTest::mousePress(k, Qt::LeftButton, {}, QPoint(50, 15));
    look = k->surfaceImage();
    EXPECT_EQ(at(look, 50, 3), qRgb(0, 0, 0));
    EXPECT_EQ(at(look, 0, 0), qRgb(0, 0, 0));
    EXPECT_GT(count(look, isRed), 10);
    EXPECT_EQ(count(look, isGreen), 0);
    EXPECT_EQ(actions, 0);

    // Released over the button: a fresh face, green caption, one Action.
    QTest::mouseRelease(k, Qt::LeftButton, {}, QPoint(50, 15));
    look = k->surfaceImage();
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(at(look, 50, 3), faceAt);
    EXPECT_EQ(at(look, 0, 0), kOutline);
    EXPECT_GT(count(look, isGreen), 10);
    EXPECT_EQ(count(look, isRed), 0);

    // Leaving brings the rest look back exactly.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(k, &leave);
    EXPECT_GE(exits, 1);
    EXPECT_EQ(k->surfaceImage(), rest);
}

TEST(Knopf, ActionFollowsEveryReleaseOfAPressAndNothingElse) {
    Window window(windowLayout(QColor(0xE6, 0xE2, 0xBE)));
    auto *k = new Knopf(window.content(), QStringLiteral("Foto"), KnopfLook::dark());
    k->place(100, 80, 100, 30);
    int actions = 0;
    k->Action = [&] { ++actions; };
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Pressed, dragged off the button and released far away.
    QTest::mousePress(k, Qt::LeftButton, {}, QPoint(50, 15));
    QTest::mouseMove(k, QPoint(-80, 120));
    QTest::mouseRelease(k, Qt::LeftButton, {}, QPoint(-80, 120));
    EXPECT_EQ(actions, 1);

    // A press elsewhere in the window released over the button is no click;
    // neither is the right button.
    QTest::mousePress(window.content(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(window.content(), Qt::LeftButton, {}, QPoint(150, 95));
    QTest::mouseClick(k, Qt::RightButton, {}, QPoint(50, 15));
    EXPECT_EQ(actions, 1);

    // Keys never press it, with the window active or sent to the button.
    window.activateWindow();
    EXPECT_EQ(k->focusPolicy(), Qt::NoFocus);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(&window, key);
        QTest::keyClick(k, key);
    }
    EXPECT_EQ(actions, 1);

    QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(actions, 2);
}

TEST(Knopf, AWindowShownAgainShowsItsButtonAtRest) {
    Window window(windowLayout(QColor(0xE6, 0xE2, 0xBE)));
    auto *k = new Knopf(window.content(), QString::fromUtf8("Schließen"), KnopfLook::light());
    k->place(0, 170, 300, 30);
    k->Action = [&] { window.Hide(); };
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage rest = k->surfaceImage().copy();

    QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(150, 15));
    EXPECT_FALSE(window.isVisible());
    window.Show();
    EXPECT_EQ(k->surfaceImage(), rest);
}
