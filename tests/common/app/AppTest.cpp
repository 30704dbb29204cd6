// The application object's base reactions to memory shortage and hibernation, and the
// active application.
#include <gtest/gtest.h>

#include "app/App.h"
#include "app/Globals.h"
#include "core/Sequence.h"
#include "core/StringBuffer.h"

using namespace Nevo;

namespace {

class PlainApp : public App {
public:
    void createCards(HWND) override {}
    ResourceLoader* getResourceLoader() override { return nullptr; }
    void showAbout(HWND) override {}
    HWND getMainWindow() override { return nullptr; }
    int showTopicHelp() override { return 0; }
};

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
