#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/FolderItem.h"
#include "platform/Shell.h"
#include "platform/SpecialFolder.h"
#include "platform/TextInputStream.h"
#include "platform/TextOutputStream.h"
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

}  // namespace
