// Tests of Sequence: walking never exposes a sentinel, the exchange sort's comparisons,
// and the traffic of the sequence and position pools.
#include "core/Sequence.h"

#include <gtest/gtest.h>

#include "core/HeapCtrl.h"

using Nevo::Position;
using Nevo::Sequence;

namespace {

int g_calls = 0;
const void* g_firstArgument = nullptr;

int compareInts(const void* a, const void* b) {
    ++g_calls;
    g_firstArgument = a;
    return *static_cast<const int*>(a) - *static_cast<const int*>(b);
}

class SequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sequence::purgePool();
        m_seq = Sequence::makeSequence();
    }
    void TearDown() override {
        delete m_seq;
        Sequence::purgePool();
    }
    Sequence* m_seq = nullptr;
    int m_values[3] = {3, 1, 2};
};

TEST_F(SequenceTest, WalkingYieldsNullPastEitherEndAndNeverASentinel) {
    g_calls = 0;
    EXPECT_EQ(m_seq->at(0), nullptr);
    EXPECT_EQ(m_seq->pop(), nullptr);
    EXPECT_EQ(m_seq->find(compareInts, &m_values[0]), nullptr);
    EXPECT_EQ(g_calls, 0);
    void** array = m_seq->toarray();
    EXPECT_EQ(array[0], nullptr);
    Nevo::xfree(array);

    for (int& v : m_values) m_seq->insertLast(&v);
    EXPECT_EQ(m_seq->at(2), m_seq->last());
    EXPECT_EQ(m_seq->at(-1), nullptr);
    EXPECT_EQ(m_seq->after(m_seq->last()), nullptr);
    EXPECT_EQ(m_seq->before(m_seq->first()), nullptr);
}

TEST_F(SequenceTest, ReorderSortsAscendingWithNChooseTwoComparisons) {
    g_calls = 0;
    m_seq->insertLast(&m_values[0]);
    m_seq->reorder(compareInts);
    EXPECT_EQ(g_calls, 0);
    m_seq->insertLast(&m_values[1]);
    m_seq->insertLast(&m_values[2]);
    m_seq->reorder(compareInts);
    EXPECT_EQ(g_calls, 3);
    EXPECT_EQ(m_seq->at(0)->element(), &m_values[1]);
    EXPECT_EQ(m_seq->at(2)->element(), &m_values[0]);
    int twin = 1;
    m_seq->insertFirst(&twin);
    m_seq->reorder(compareInts);
    EXPECT_EQ(m_seq->first()->element(), &m_values[1]);  // a tie swaps too
}

TEST_F(SequenceTest, FindGivesTheKeyFirstAndUniquenessIsByIdentity) {
    int key = 1;
    EXPECT_EQ(m_seq->addUnique(&m_values[1]), 1);
    EXPECT_EQ(m_seq->addUnique(&m_values[1]), 0);
    EXPECT_EQ(m_seq->addUnique(&m_values[0]), 1);
    EXPECT_EQ(m_seq->find([](const void* k, const void*) { return g_firstArgument = k, 1; }, &key), m_seq->first());
    EXPECT_EQ(g_firstArgument, &key);
    EXPECT_FALSE(m_seq->removeElement(&key));
    EXPECT_EQ(m_seq->size(), 2);
}

TEST_F(SequenceTest, GivenBackSequencesAreReusedButTheFirstBecomesTheContainer) {
    Sequence* a = Sequence::makeSequence();
    Sequence* b = Sequence::makeSequence();
    b->insertLast(&m_values[0]);
    a->free();
    b->free();
    const int live = Sequence::liveCount();
    Sequence* again = Sequence::makeSequence();
    EXPECT_EQ(again, b);
    EXPECT_TRUE(again->isEmpty());
    Sequence* fresh = Sequence::makeSequence();
    EXPECT_EQ(Sequence::liveCount(), live + 1);
    delete again;
    delete fresh;
}

TEST_F(SequenceTest, RemovedPositionsAreReusedAndPurgeReturnsEverything) {
    const int sequences = Sequence::liveCount();
    const int positions = Position::liveCount();
    m_seq->insertLast(&m_values[0]);
    m_seq->remove(m_seq->first());
    m_seq->insertLast(&m_values[0]);
    EXPECT_EQ(Position::liveCount(), positions + 1);
    Sequence::makeSequence()->free();
    Sequence::purgePool();
    EXPECT_EQ(Position::poolSize(), 0);
    EXPECT_EQ(Sequence::liveCount(), sequences);
}

}  // namespace
