#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/ResourceFolder.h"
#include "platform/Resources.h"
#include "platform/Scripts.h"
#include "support/ScriptLog.h"

namespace {

// A resource folder of the test's own, empty at first.
class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResourceFolder::overrideForTesting(dir.path());
        Resources::resetForTesting();
    }
    void TearDown() override {
        ResourceFolder::overrideForTesting(QString());
        Resources::resetForTesting();
    }
    void writePicture(const QString &name, QColor colour) {
        QImage image(15, 15, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(dir.filePath(name)));
    }
    QTemporaryDir dir;
};

TEST_F(ResourcesTest, ALoadedPictureIsTheSameObjectForTheWholeRun) {
    writePicture(QStringLiteral("m1.bmp"), Qt::gray);
    const PicturePtr first = m1();
    ASSERT_TRUE(first);
    QFile::remove(dir.filePath(QStringLiteral("m1.bmp")));
    EXPECT_EQ(m1(), first);  // not opened again
}

TEST_F(ResourcesTest, AMissingPictureIsLookedForAgainAndRotGetsItsTransparency) {
    EXPECT_FALSE(rot());
    writePicture(QStringLiteral("rot.bmp"), Qt::red);
    const PicturePtr dot = rot();
    ASSERT_TRUE(dot);
    EXPECT_EQ(dot->Transparent, 1);
    EXPECT_EQ(dot->Width(), 15);
}

TEST_F(ResourcesTest, PictureNamesAreTakenExactlyAsWritten) {
    writePicture(QStringLiteral("Bild3.png"), Qt::blue);  // without the blank
    EXPECT_FALSE(Bild3());
    writePicture(QStringLiteral("Bild 3.png"), Qt::blue);
    EXPECT_TRUE(Bild3());
    EXPECT_FALSE(Bild2());
    EXPECT_FALSE(help());
}

TEST_F(ResourcesTest, TheTemplateIsTriedOncePerRun) {
    EXPECT_EQ(Kameraseite(), QString());
    QFile page(dir.filePath(QStringLiteral("Kameraseite.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html>Kamerabild.jpg</html>\n");
    page.close();
    EXPECT_EQ(Kameraseite(), QString());  // added too late for this run

    Resources::resetForTesting();
    EXPECT_EQ(Kameraseite(), QStringLiteral("<html>Kamerabild.jpg</html>\n"));
}

TEST(ResourceFolderTest, TheProgramsOwnFolderIsBesideItsBinFolder) {
    // Test programs live in build/bin, like the program; the build puts the
    // bundle files in build/Resources.
    const FolderItemPtr folder = ResourceFolder::get();
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->Name(), QStringLiteral("Resources"));
    EXPECT_TRUE(folder->Child(QStringLiteral("Scripts"))->Directory());
}

TEST(ScriptsTest, ScriptsRunByNumberWithTheirParametersInOrder) {
    ScriptLog log;
    Laut_aus();
    micro_ein();
    mail_schicken({QStringLiteral("Anna Muster"), QStringLiteral("anna@example.org"),
                   QStringLiteral("/tmp/Kamerabild.jpg"), QStringLiteral("123")});
    Scripts::run(172, {7, QStringLiteral("$(touch x) `y`; z")});
    mail_starten();
    const QStringList expected = {
        QStringLiteral("168"),
        QStringLiteral("171"),
        QStringLiteral("172 [Anna Muster] [anna@example.org] [/tmp/Kamerabild.jpg] [123]"),
        QStringLiteral("172 [7] [$(touch x) `y`; z]"),
        QStringLiteral("173"),
    };
    EXPECT_EQ(log.lines(), expected);
    EXPECT_FALSE(QFile::exists(QStringLiteral("x")));
}

TEST(ScriptsTest, AMissingScriptIsPassedOver) {
    ScriptLog log;
    QDir(log.folder()).remove(QStringLiteral("Scripts/169-Laut_ein"));
    Laut_ein();
    micro_aus();
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("170")});
}

}  // namespace
