// The application object's base reactions to memory shortage and hibernation, its theme,
// the help viewer it starts, and the active application.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/App.h"
#include "app/Globals.h"
#include "app/Theme.h"
#include "core/Sequence.h"
#include "core/StringBuffer.h"
#include "support/PlainApp.h"
#include "support/ScratchFolder.h"

using namespace Nevo;

namespace {

using test_support::PlainApp;

class ThriftyApp : public PlainApp {
public:
    void lowMem() override { ++m_lowMemCalls; }
    int m_lowMemCalls = 0;
};

}  // namespace

TEST(AppTest, LowMemEmptiesTheStringAndSequencePools) {
    str_free(str_new(u"pooled"));
    int elements[2] = {1, 2};
    Sequence* container = Sequence::makeSequence();
    Sequence* pooled = Sequence::makeSequence();
    pooled->insertLast(&elements[0]);
    pooled->insertLast(&elements[1]);
    container->free();
    pooled->free();
    ASSERT_GT(Sequence::poolSize(), 0);
    ASSERT_GT(Position::poolSize(), 0);
    ASSERT_GT(str_poolsize(), 0);
    PlainApp app;
    app.lowMem();
    EXPECT_EQ(Sequence::poolSize(), 0);
    EXPECT_EQ(Position::poolSize(), 0);
    EXPECT_EQ(str_poolsize(), 0);
}

TEST(AppTest, HibernateRunsTheApplicationsOwnLowMem) {
    ThriftyApp app;
    app.hibernate();
    EXPECT_EQ(app.m_lowMemCalls, 1);
}

TEST(GlobalsTest, ActiveAppIsNullUntilSetThenTheOneSet) {
    EXPECT_EQ(Globals::getActiveApp(), nullptr);
    PlainApp app;
    Globals::setActiveApp(&app);
    EXPECT_EQ(Globals::getActiveApp(), &app);
    Globals::setActiveApp(nullptr);
}

namespace {

class WindowedApp : public PlainApp {
public:
    HWND getMainWindow() override {
        ++m_windowAsked;
        return nullptr;
    }
    int m_windowAsked = 0;
};

}  // namespace

TEST(AppTest, GetThemeMakesOneThemeAskingForTheMainWindowOnce) {
    WindowedApp app;
    Theme* theme = app.getTheme();
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(app.getTheme(), theme);
    EXPECT_EQ(app.m_windowAsked, 1);
    EXPECT_NE(theme->getFont(FontItem), nullptr);
}

TEST(AppTest, HelpCommandLineIsTheFileAHashAndTheTopicCutAt191) {
    WCHAR line[192];
    App::helpCommandLine(u"Orvane.htm", u"prop_list", line);
    EXPECT_EQ(std::u16string(line), u"Orvane.htm#prop_list");
    std::u16string longFile(185, u'f');
    App::helpCommandLine(longFile.c_str(), u"database_list", line);
    EXPECT_EQ(std::u16string(line), longFile + u"#datab");
}

TEST(AppTest, ShowHelpStartsTheHelpViewerWithoutWaitingForIt) {
    test_support::ScratchFolder scratch("app-help");
    std::string viewer = scratch.file("viewer"), started = scratch.file("started");
    // The viewer runs until the test has seen it start.
    std::ofstream(viewer) << "#!/bin/sh\ntouch " << started << "\nwhile [ ! -e " << started << ".seen ]; do sleep 0.05; done\n";
    chmod(viewer.c_str(), 0700);
    setenv("CE_PEGHELP", viewer.c_str(), 1);
    PlainApp().showHelp(u"Orvane.htm", u"prop_list");
    unsetenv("CE_PEGHELP");
    for (int i = 0; i < 200 && !std::filesystem::exists(started); ++i)
        Sleep(50);
    EXPECT_TRUE(std::filesystem::exists(started));
    std::ofstream(started + ".seen");
    Sleep(200);  // lets the viewer end before its folder goes
}
