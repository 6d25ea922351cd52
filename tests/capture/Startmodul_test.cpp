#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "capture/Bildtext.h"
#include "capture/CameraPicture.h"
#include "capture/Startmodul.h"
#include "platform/Clock.h"
#include "platform/SpecialFolder.h"
#include "support/TestHome.h"

namespace {

// A camera that gives a 640 × 480 picture in a known colour.
PicturePtr testFrame() {
    auto picture = Picture::create(640, 480);
    picture->image.fill(QColor(10, 120, 200));
    return picture;
}

class StartmodulTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixed(QDateTime(QDate(2008, 7, 1), QTime(9, 5, 0)));
        CameraPicture::setSourceForTesting(testFrame);
        folder = QDir(TestHome::path())
                     .filePath(QStringLiteral("Desktop/Kameraordner-%1").arg(counter++));
        QDir().mkpath(folder);
        Startmodul::f = FolderItem::at(folder);
        Startmodul::z = 0;
        Startmodul::t_was = 0;
        Startmodul::po = nullptr;
    }
    void TearDown() override {
        CameraPicture::setSourceForTesting(nullptr);
        Clock::useSystemTime();
    }
    QStringList pictures() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }
    QString folder;
    static int counter;
};
int StartmodulTest::counter = 0;

TEST(BildtextTest, TheStampAddsAWhiteBandWithDateAndTimeAboveTheUntouchedPicture) {
    Clock::setFixed(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 0)));
    const PicturePtr frame = testFrame();
    const QImage before = frame->image.copy();
    const PicturePtr stamped = Module1::Bildtext(frame);
    Clock::useSystemTime();

    ASSERT_TRUE(stamped);
    EXPECT_EQ(stamped->Width(), 640);
    EXPECT_EQ(stamped->Height(), 500);
    EXPECT_EQ(frame->image, before);  // the given picture is left as it was

    // The band: white, with dark text pixels in it; the text starts at the left.
    int dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 640; ++x)
            if (qGray(stamped->image.pixel(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 50);
    EXPECT_EQ(stamped->image.pixel(639, 0), qRgb(255, 255, 255));
    EXPECT_EQ(stamped->image.pixel(0, 0), qRgb(255, 255, 255));
    // Below the descenders' reach the picture is unchanged.
    for (int y = 25; y < 500; y += 37)
        for (int x = 0; x < 640; x += 41)
            ASSERT_EQ(stamped->image.pixel(x, y), before.pixel(x, y - 20)) << x << "," << y;
    EXPECT_FALSE(Module1::Bildtext(nullptr));
}

TEST_F(StartmodulTest, NumberedPicturesHaveNoLeadingZerosAndNeverReplaceOldOnes) {
    Startmodul::foto();
    Startmodul::foto();
    EXPECT_EQ(pictures(), (QStringList{QStringLiteral("Bild1.jpg"), QStringLiteral("Bild2.jpg")}));

    // Pictures of a run that ended badly: 3 and 4 are taken.
    QFile(folder + QStringLiteral("/Bild1.jpg")).copy(folder + QStringLiteral("/Bild3.jpg"));
    QFile(folder + QStringLiteral("/Bild1.jpg")).copy(folder + QStringLiteral("/Bild4.jpg"));
    const qint64 oldSize = QFileInfo(folder + QStringLiteral("/Bild3.jpg")).size();
    Startmodul::foto();
    EXPECT_EQ(Startmodul::z, 5);
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/Bild5.jpg")));
    EXPECT_EQ(QFileInfo(folder + QStringLiteral("/Bild3.jpg")).size(), oldSize);

    for (int i = 0; i < 5; ++i) Startmodul::foto();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/Bild10.jpg")));

    const QImage saved(folder + QStringLiteral("/Bild1.jpg"));
    EXPECT_EQ(saved.size(), QSize(640, 500));
}

TEST_F(StartmodulTest, AHomePageScheduleTurnsFotoIntoTheCameraPicture) {
    Startmodul::t_was = 3;
    Startmodul::foto();
    Startmodul::foto();
    EXPECT_EQ(pictures(), QStringList{QStringLiteral("Kamerabild.jpg")});
    EXPECT_EQ(Startmodul::z, 0);
    Startmodul::t_was = 1;
    Startmodul::foto();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/Bild1.jpg")));
}

TEST_F(StartmodulTest, WithoutAPictureOrAFolderNothingIsSaved) {
    CameraPicture::setSourceForTesting([] { return PicturePtr(); });
    Startmodul::foto();
    EXPECT_TRUE(pictures().isEmpty());

    CameraPicture::setSourceForTesting(testFrame);
    QDir(folder).removeRecursively();
    Startmodul::foto();
    EXPECT_FALSE(QDir(folder).exists());

    Startmodul::prot();  // no archive folder made in this run
    EXPECT_FALSE(QDir(TestHome::path() + QStringLiteral("/Vidolin")).exists());
}

TEST_F(StartmodulTest, ArchivePicturesGoIntoTheFolderOfTheStartDay) {
    Clock::setFixed(QDateTime(QDate(2008, 12, 31), QTime(23, 59, 0)));
    Startmodul::pordner();
    const QString archive = TestHome::path() + QStringLiteral("/Vidolin/Web 31_12_2008");
    EXPECT_TRUE(QDir(archive).exists());

    Clock::setFixed(QDateTime(QDate(2009, 1, 1), QTime(9, 5, 0)));
    Startmodul::prot();
    Startmodul::prot();  // the same minute: the same name
    EXPECT_EQ(QDir(archive).entryList(QDir::Files),
              QStringList{QStringLiteral("Bild_ 1_1_2009_9_5.jpg")});
    EXPECT_EQ(QImage(archive + QStringLiteral("/Bild_ 1_1_2009_9_5.jpg")).height(), 500);
}

}  // namespace
