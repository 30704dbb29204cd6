// The card stack's order of activation, deactivation and destruction on push, pop, switch and
// the stack's own end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Card.h"
#include "CardStack.h"

using namespace Nevo;

namespace {

using Log = std::vector<std::string>;

class RecordingCard : public Card {
public:
    RecordingCard(int id, Log& log, CardStack& stack) : m_id(id), m_log(log), m_stack(stack) {}
    ~RecordingCard() override { record("destroyed"); }
    // A pushed card is activated before it joins the stack; an uncovered one is on top.
    void activate(CWindow* frame) override {
        record(std::string(frame ? "activated" : "no frame") + (m_stack.getTop() == this ? " on top" : ""));
    }
    void deactivate() override { record("deactivated"); }
    int getId() override { return m_id; }
    LPCWSTR getHelpTopic() override { return u"topic"; }

private:
    void record(const std::string& what) { m_log.push_back(std::to_string(m_id) + " " + what); }

    int m_id;
    Log& m_log;
    CardStack& m_stack;
};

class CardStackTest : public ::testing::Test {
protected:
    ~CardStackTest() override { delete m_stack; }

    // Pushes cards 1..count, then forgets what that logged.
    void push(int count) {
        for (int id = 1; id <= count; ++id)
            m_stack->addCard(new RecordingCard(id, m_log, *m_stack));
        m_log.clear();
    }
    int topId() const { return m_stack->getTop()->getId(); }

    CWindow m_frame;
    Log m_log;
    CardStack* m_stack = new CardStack(&m_frame);
};

}  // namespace

TEST_F(CardStackTest, PushDeactivatesTheTopThenActivatesTheNewCardAndPopUndoesIt) {
    m_stack->addCard(new RecordingCard(1, m_log, *m_stack));
    m_stack->addCard(new RecordingCard(2, m_log, *m_stack));
    EXPECT_EQ(m_log, (Log{"1 activated", "1 deactivated", "2 activated"}));
    EXPECT_EQ(topId(), 2);
    EXPECT_EQ(m_stack->getMainFrame(), &m_frame);
    m_log.clear();
    m_stack->pop();
    EXPECT_EQ(m_log, (Log{"2 deactivated", "2 destroyed", "1 activated on top"}));
    EXPECT_EQ(topId(), 1);
}

TEST_F(CardStackTest, SwitchingToTheBottomCardMovesItOnTop) {
    push(3);
    EXPECT_TRUE(m_stack->switchToCard(1));
    EXPECT_EQ(m_log, (Log{"3 deactivated", "1 activated"}));
    m_stack->pop();
    m_stack->pop();
    EXPECT_EQ(topId(), 2) << "the order is now 2, 3, 1";
}

TEST_F(CardStackTest, SwitchingToTheTopCardActivatesItAgainAndAnUnknownIdDoesNothing) {
    push(2);
    EXPECT_TRUE(m_stack->switchToCard(2));
    EXPECT_EQ(m_log, (Log{"1 deactivated", "2 activated"}));
    m_log.clear();
    EXPECT_FALSE(m_stack->switchToCard(7));
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(topId(), 2);
}

TEST_F(CardStackTest, DestroyingTheStackDestroysEveryCardTopFirstWithoutDeactivating) {
    push(3);
    delete m_stack;
    m_stack = nullptr;
    EXPECT_EQ(m_log, (Log{"3 destroyed", "2 destroyed", "1 destroyed"}));
}
