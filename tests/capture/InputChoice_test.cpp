#include <gtest/gtest.h>

#include <QAction>

#include "capture/App.h"
#include "capture/MenuBar1.h"
#include "capture/Startmodul.h"
#include "capture/Window1.h"
#include "capture/w1.h"
#include "capture/w2.h"
#include "controls/Knopf.h"
#include "platform/RadioButton.h"
#include "publishing/Einstellung.h"
#include "support/Gui.h"
#include "support/ScriptLog.h"

namespace {

TEST(InputChoiceTest, StartUpShowsOnlyTheInputChoice) {
    ScriptLog scripts;
    App::Startup();
    EXPECT_TRUE(Window1::exists());
    EXPECT_FALSE(Window1::instance().isVisible());
    ASSERT_TRUE(w1::exists());
    EXPECT_TRUE(w1::instance().isVisible());
    EXPECT_FALSE(w2::exists());

    // The menus as the user sees them.
    MenuBar1 &bar = MenuBar1::instance();
    ASSERT_EQ(bar.menus().size(), 2);
    EXPECT_EQ(bar.menus()[0]->title(), QStringLiteral("&Ablage"));
    EXPECT_EQ(bar.menus()[1]->title(), QStringLiteral("&Bearbeiten"));
    const auto fileItems = bar.menus()[0]->actions();
    ASSERT_EQ(fileItems.size(), 2);
    EXPECT_EQ(fileItems[0]->text(), QStringLiteral("Beenden"));
    EXPECT_EQ(fileItems[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(fileItems[1]->text(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(bar.menus()[1]->actions().size(), 8);
    EXPECT_TRUE(App::get()->_AblageEinstellungen_Action());
    EXPECT_TRUE(Einstellung::exists());

    // Only the built-in inputs here: one video and one sound button show.
    w1 &choice = w1::instance();
    EXPECT_TRUE(choice.v[0]->isVisible());
    EXPECT_FALSE(choice.v[1]->isVisible());
    EXPECT_TRUE(choice.t[0]->isVisible());
    EXPECT_FALSE(choice.t[1]->isVisible());

    // Nothing clicked: the defaults v(0) and the hidden t(1) are taken.
    click(choice.Knopf1);
    EXPECT_EQ(Startmodul::bildname, QStringLiteral("Testbild"));
    EXPECT_EQ(Startmodul::tonname, QString());
    EXPECT_FALSE(choice.isVisible());
    EXPECT_TRUE(w1::exists());  // hidden, not closed: the program goes on
    EXPECT_FALSE(App::get()->isQuitting());
    EXPECT_TRUE(w2::exists());
    EXPECT_EQ(scripts.lines(), QStringList{QStringLiteral("170")});

    // Closing the input choice ends the program, switching microphone and
    // sound output on twice on the way.
    scripts.clear();
    w1::instance().close();
    EXPECT_TRUE(App::get()->isQuitting());
    EXPECT_EQ(scripts.lines(), (QStringList{QStringLiteral("171"), QStringLiteral("169"),
                                            QStringLiteral("171"), QStringLiteral("169")}));
    runEvents(50);
    EXPECT_FALSE(w2::exists());
    EXPECT_FALSE(Window1::exists());
}

}  // namespace
