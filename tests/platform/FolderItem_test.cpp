#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QImage>
#include <QRandomGenerator>

#include <sys/resource.h>
#include <csignal>

#include "platform/FolderItem.h"
#include "platform/Shell.h"
#include "platform/SpecialFolder.h"
#include "platform/TextInputStream.h"
#include "platform/TextOutputStream.h"
#include "support/Files.h"
#include "support/TestHome.h"

namespace {

TEST(FolderItemTest, SpecialFoldersAreTheUsersOwn) {
    EXPECT_EQ(SpecialFolder::UserHome()->path(), TestHome::path());
    EXPECT_EQ(SpecialFolder::Desktop()->path(), TestHome::path() + QStringLiteral("/Desktop"));
    EXPECT_EQ(SpecialFolder::Preferences()->path(), TestHome::path() + QStringLiteral("/.config"));
}

TEST(FolderItemTest, FoldersAreReusedAndRenamesNeverLandOnAnExistingItem) {
    const FolderItemPtr folder = SpecialFolder::Desktop()->Child(QStringLiteral("Kameraordner"));
    EXPECT_TRUE(folder->CreateAsFolder());
    QFile(folder->Child(QStringLiteral("a.txt"))->path()).open(QIODevice::WriteOnly);
    EXPECT_TRUE(folder->CreateAsFolder());  // an existing folder is used as it is
    EXPECT_TRUE(folder->Child(QStringLiteral("a.txt"))->Exists());

    SpecialFolder::Desktop()->Child(QStringLiteral("taken"))->CreateAsFolder();
    EXPECT_FALSE(folder->setName(QStringLiteral("taken")));
    EXPECT_EQ(folder->Name(), QStringLiteral("Kameraordner"));
    EXPECT_TRUE(folder->setName(QStringLiteral("Vidolin_7-3-9-5")));
    EXPECT_EQ(folder->Name(), QStringLiteral("Vidolin_7-3-9-5"));
    EXPECT_TRUE(folder->Child(QStringLiteral("a.txt"))->Exists());
}

TEST(FolderItemTest, TextFilesAreUtf8LinesAndReadingPastTheEndGivesEmptyText) {
    const FolderItemPtr file = SpecialFolder::UserHome()->Child(QStringLiteral("lines.txt"));
    auto out = file->CreateTextFile();
    ASSERT_TRUE(out);
    out->WriteLine(QString::fromUtf8("Grüße: a b"));
    out->WriteLine(QString());
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(QFileInfo(file->path()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
              QFileDevice::Permissions());

    auto in = file->OpenAsTextFile();
    ASSERT_TRUE(in);
    EXPECT_EQ(in->ReadLine(), QString::fromUtf8("Grüße: a b"));
    EXPECT_EQ(in->ReadLine(), QString());
    EXPECT_EQ(in->ReadLine(), QString());
    EXPECT_FALSE(SpecialFolder::UserHome()->Child(QStringLiteral("none"))->OpenAsTextFile());
}

TEST(ShellTest, ArgumentsReachTheProgramUnchangedAndFailuresHaveTheirCodes) {
    Shell shell;
    shell.Execute(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("printf '%s|' \"$@\"; cat; exit 3"),
                   QStringLiteral("sh"), QStringLiteral("a b"), QStringLiteral("$(echo x)")},
                  "input");
    EXPECT_EQ(shell.ErrorCode, 3);
    EXPECT_EQ(shell.Result, QByteArray("a b|$(echo x)|input"));

    shell.Execute(QStringLiteral("/nonexistent/program"), {});
    EXPECT_EQ(shell.ErrorCode, Shell::kCannotStart);

    shell.Execute(QStringLiteral("/bin/sleep"), {QStringLiteral("10")}, QByteArray(), 200);
    EXPECT_EQ(shell.ErrorCode, Shell::kTimedOut);
}

TEST(FolderItemTest, APictureThatCannotBeWrittenWholeLeavesNoFileAndKeepsTheOldOne) {
    const FolderItemPtr folder = SpecialFolder::Desktop()->Child(QStringLiteral("full"));
    ASSERT_TRUE(folder->CreateAsFolder());
    auto picture = std::make_shared<Picture>(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            picture->image.setPixel(x, y, QRandomGenerator::global()->generate() | 0xFF000000u);
    const FolderItemPtr old = folder->Child(QStringLiteral("Kamerabild.jpg"));
    ASSERT_TRUE(old->SaveAsJPEG(std::make_shared<Picture>(8, 8)));
    const QByteArray before = readFile(old->path());

    // A file-size limit stands in for a disk that fills during the write.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool newWritten = folder->Child(QStringLiteral("Bild1.jpg"))->SaveAsJPEG(picture);
    const bool oldReplaced = old->SaveAsJPEG(picture);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_FALSE(newWritten);
    EXPECT_FALSE(oldReplaced);
    EXPECT_EQ(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Kamerabild.jpg")});
    EXPECT_EQ(readFile(old->path()), before);

    ASSERT_TRUE(folder->Child(QStringLiteral("Bild1.jpg"))->SaveAsJPEG(picture));
    EXPECT_EQ(QImage(folder->Child(QStringLiteral("Bild1.jpg"))->path()).size(), QSize(640, 480));
}

}  // namespace
