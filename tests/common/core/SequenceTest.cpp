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
    return *static_cast<const int*>(a) - *static_cast<const int*>(b);
}

int sameValue(const void* key, const void* element) {
    g_firstArgument = key;
    return *static_cast<const int*>(key) == *static_cast<const int*>(element);
}

int valueAt(const Sequence* s, int index) {
    return *static_cast<int*>(s->at(index)->element());
}

class SequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sequence::purgePool();
        g_calls = 0;
        m_seq = Sequence::makeSequence();
    }
    void TearDown() override {
        delete m_seq;
        Sequence::purgePool();
    }
    Sequence* m_seq = nullptr;
    int m_values[3] = {3, 1, 2};
};

TEST_F(SequenceTest, EmptySequenceYieldsNullAndNeverCallsTheMatcher) {
    EXPECT_EQ(m_seq->first(), nullptr);
    EXPECT_EQ(m_seq->last(), nullptr);
    EXPECT_EQ(m_seq->at(0), nullptr);
    EXPECT_EQ(m_seq->pop(), nullptr);
    EXPECT_EQ(m_seq->find(compareInts, &m_values[0]), nullptr);
    EXPECT_EQ(g_calls, 0);
    void** array = m_seq->toarray();
    EXPECT_EQ(array[0], nullptr);
    Nevo::xfree(array);
}

TEST_F(SequenceTest, WalkingStopsAtTheEndsWithoutReturningSentinels) {
    for (int& v : m_values) m_seq->insertLast(&v);
    EXPECT_EQ(m_seq->at(2), m_seq->last());
    EXPECT_EQ(m_seq->at(3), nullptr);
    EXPECT_EQ(m_seq->at(-1), nullptr);
    EXPECT_EQ(m_seq->after(m_seq->last()), nullptr);
    EXPECT_EQ(m_seq->before(m_seq->first()), nullptr);
    m_seq->insertBefore(&m_values[0], m_seq->at(1));
    EXPECT_EQ(m_seq->at(1)->element(), &m_values[0]);
    EXPECT_EQ(m_seq->pop(), &m_values[2]);
}

TEST_F(SequenceTest, ReorderSortsWithNTimesNMinusOneHalvesComparisons) {
    m_seq->reorder(compareInts);
    m_seq->insertLast(&m_values[0]);
    m_seq->reorder(compareInts);
    EXPECT_EQ(g_calls, 0);
    m_seq->insertLast(&m_values[1]);
    m_seq->insertLast(&m_values[2]);
    m_seq->reorder(compareInts);
    EXPECT_EQ(g_calls, 3);
    EXPECT_EQ(valueAt(m_seq, 0), 1);
    EXPECT_EQ(valueAt(m_seq, 1), 2);
    EXPECT_EQ(valueAt(m_seq, 2), 3);
}

TEST_F(SequenceTest, FindGivesTheKeyFirstAndUniquenessIsByIdentity) {
    int key = 1;
    EXPECT_EQ(m_seq->addUnique(&m_values[1]), 1);
    EXPECT_EQ(m_seq->addUnique(&m_values[1]), 0);
    EXPECT_EQ(m_seq->size(), 1);
    EXPECT_EQ(m_seq->addUnique(&key), 1);  // equal value, other pointer
    EXPECT_EQ(m_seq->find(sameValue, &key), m_seq->first());
    EXPECT_EQ(g_firstArgument, &key);
    EXPECT_FALSE(m_seq->removeElement(&m_values[0]));
    EXPECT_EQ(m_seq->size(), 2);
}

TEST_F(SequenceTest, GivenBackSequencesAreReusedButTheFirstBecomesTheContainer) {
    Sequence* a = Sequence::makeSequence();
    Sequence* b = Sequence::makeSequence();
    b->insertLast(&m_values[0]);
    a->free();
    b->free();
    EXPECT_EQ(Sequence::poolSize(), 1);
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
    EXPECT_EQ(Position::poolSize(), 1);
    m_seq->insertLast(&m_values[0]);
    EXPECT_EQ(Position::liveCount(), positions + 1);
    Sequence::makeSequence()->free();
    Sequence::purgePool();
    EXPECT_EQ(Sequence::poolSize(), 0);
    EXPECT_EQ(Position::poolSize(), 0);
    EXPECT_EQ(Sequence::liveCount(), sequences);
}

}  // namespace
