#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "dialog_answer.h"
#include "wicker.h"

namespace {

const char kCaption[] = "Wicker runtime check";

// An owner with one property of each direction, counting the calls it gets.
class Gauge {
public:
    Property<Gauge, int> Level;      // read-write
    Property<Gauge, int> Reading;    // read-only
    Property<Gauge, int> Target;     // write-only
    Property<Gauge, String> Label;   // read-write, class-typed

    int level = 0;
    int target = 0;
    String label;
    int gets = 0;
    int sets = 0;

    Gauge() { Bind(); }
    Gauge(const Gauge& other) : level(other.level), target(other.target), label(other.label) { Bind(); }
    Gauge& operator=(const Gauge& other)
    {
        level = other.level;
        target = other.target;
        label = other.label;
        return *this;
    }

    int GetLevel() { ++gets; return level; }
    void SetLevel(int value) { ++sets; level = value; }
    int GetReading() { ++gets; return level * 10; }
    void SetTarget(int value) { ++sets; target = value; }
    String GetLabel() { ++gets; return label; }
    void SetLabel(const String& value) { ++sets; label = value; }

private:
    void Bind()
    {
        Level.Clear();
        Reading.Clear();
        Target.Clear();
        Label.Clear();
        Level.BindOwner(this);
        Level.BindGet(&Gauge::GetLevel);
        Level.BindSet(&Gauge::SetLevel);
        Reading.BindOwner(this);
        Reading.BindGet(&Gauge::GetReading);
        Target.BindOwner(this);
        Target.BindSet(&Gauge::SetTarget);
        Label.Bind(this, &Gauge::GetLabel, &Gauge::SetLabel);
    }
};

TEST(PropertyTest, IsFiveWordsInOrder)
{
    // The owner pointer, then two member-function pointers of two words each
    // (20 bytes on 32-bit Windows, 40 on 64-bit).
    const size_t word = sizeof(void*);
    EXPECT_EQ(5 * word, sizeof(Property<Gauge, int>));
    EXPECT_EQ(5 * word, sizeof(Property<Gauge, String>));
    typedef Property<Gauge, int> IntProperty;
    EXPECT_EQ(0u, offsetof(IntProperty, m_cObject));
    EXPECT_EQ(word, offsetof(IntProperty, Set));
    EXPECT_EQ(3 * word, offsetof(IntProperty, Get));
}

TEST(PropertyTest, StartsWithAllFiveWordsZero)
{
    Property<Gauge, int> unbound;
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&unbound);
    for (size_t i = 0; i < sizeof unbound; ++i)
        EXPECT_EQ(0, bytes[i]) << "byte " << i;
}

TEST(PropertyTest, ReadCallsTheGetterEveryTime)
{
    Gauge gauge;
    gauge.level = 4;
    EXPECT_EQ(4, static_cast<int>(gauge.Level));
    EXPECT_EQ(4, gauge.Level.Read());
    gauge.level = 5;
    EXPECT_EQ(5, gauge.Level());
    EXPECT_EQ(50, gauge.Reading.Read());
    EXPECT_EQ(4, gauge.gets);
    EXPECT_EQ(0, gauge.sets);
}

TEST(PropertyTest, WriteCallsTheSetterAndYieldsTheValuePassed)
{
    Gauge gauge;
    int yielded = (gauge.Level = 7);
    EXPECT_EQ(7, yielded);
    EXPECT_EQ(7, gauge.level);
    EXPECT_EQ(1, gauge.sets);
    gauge.Target = 3;
    EXPECT_EQ(3, gauge.target);
    String label = (gauge.Label = "dial");
    EXPECT_EQ("dial", label);
    EXPECT_EQ("dial", gauge.label);
}

TEST(PropertyTest, AssigningOnePropertyToAnotherCopiesTheValueNotTheBinding)
{
    Gauge a, b;
    b.level = 9;
    a.Level = b.Level();
    EXPECT_EQ(9, a.level);
    EXPECT_EQ(&a, a.Level.m_cObject);
    EXPECT_EQ(&b, b.Level.m_cObject);
}

TEST(PropertyTest, CopyAndAssignmentKeepEachOwnersBinding)
{
    Gauge source;
    source.level = 2;
    Gauge copy(source);
    EXPECT_EQ(&copy, copy.Level.m_cObject);
    EXPECT_EQ(&copy, copy.Reading.m_cObject);
    EXPECT_EQ(&copy, copy.Target.m_cObject);
    EXPECT_EQ(&copy, copy.Label.m_cObject);
    copy.Level = 8;
    EXPECT_EQ(2, source.level);
    EXPECT_EQ(8, copy.level);

    Gauge assigned;
    assigned = source;
    EXPECT_EQ(&assigned, assigned.Level.m_cObject);
    assigned.Level = 6;
    EXPECT_EQ(6, assigned.level);
    EXPECT_EQ(2, source.level);
}

// An owner that writes no copy constructor or assignment of its own, with a
// read-only and a read-write property: what the implicit ones do to them.
class Meter {
public:
    Property<Meter, int> Reading;  // read-only
    Property<Meter, int> Level;    // read-write
    int level = 0;

    Meter()
    {
        Reading.Bind(this, &Meter::GetLevel, NULL);
        Level.Bind(this, &Meter::GetLevel, &Meter::SetLevel);
    }
    int GetLevel() { return level; }
    void SetLevel(int value) { level = value; }
};

TEST(PropertyTest, ImplicitCopyMoveAndAssignmentKeepEachOwnersBindings)
{
    Meter source;
    source.level = 4;
    Meter copy(source);
    Meter moved(std::move(copy));
    EXPECT_EQ(&copy, copy.Reading.m_cObject);
    EXPECT_EQ(&moved, moved.Reading.m_cObject);
    EXPECT_EQ(&moved, moved.Level.m_cObject);
    moved.Level = 5;
    EXPECT_EQ(5, moved.Reading());
    EXPECT_EQ(4, source.Reading());

    // Assigning the owner copies its state and writes no property, so the
    // read-only one raises no check.
    Meter target;
    DialogAnswer noCheck(kCaption, IDIGNORE, 0, 1500);
    target = moved;
    noCheck.StopLooking();
    EXPECT_FALSE(noCheck.Wait()) << noCheck.text;
    EXPECT_EQ(&target, target.Reading.m_cObject);
    EXPECT_EQ(5, target.Reading());
    target.Level = 6;
    EXPECT_EQ(5, moved.level);

    std::vector<Meter> grown(1);
    grown.resize(40);
    for (Meter& meter : grown)
        EXPECT_EQ(&meter, meter.Level.m_cObject);
}

TEST(PropertyTest, WritingAReadOnlyPropertyIsTheSetCheckAndWritesNothing)
{
    Gauge gauge;
    gauge.level = 1;
    DialogAnswer answer(kCaption, IDIGNORE);
    int yielded = (gauge.Reading = 99);
    ASSERT_TRUE(answer.Wait());
    EXPECT_NE(std::string::npos, answer.text.find("Expression: Set != NULL")) << answer.text;
    EXPECT_EQ(99, yielded);
    EXPECT_EQ(1, gauge.level);
    EXPECT_EQ(0, gauge.sets);
}

TEST(PropertyTest, ReadingAWriteOnlyPropertyIsTheGetCheckAndGivesZero)
{
    Gauge gauge;
    gauge.target = 5;
    DialogAnswer answer(kCaption, IDRETRY);
    int value = gauge.Target;
    ASSERT_TRUE(answer.Wait());
    EXPECT_NE(std::string::npos, answer.text.find("Expression: Get != NULL")) << answer.text;
    EXPECT_EQ(0, value);
    EXPECT_EQ(0, gauge.gets);
}

TEST(PropertyTest, AnUnboundPropertyIsTheOwnerCheck)
{
    Property<Gauge, String> unbound;
    {
        DialogAnswer answer(kCaption, IDIGNORE);
        String value = unbound;
        ASSERT_TRUE(answer.Wait());
        EXPECT_NE(std::string::npos, answer.text.find("Expression: m_cObject != NULL")) << answer.text;
        EXPECT_EQ("", value);
    }
    {
        DialogAnswer answer(kCaption, IDIGNORE);
        unbound = "x";
        ASSERT_TRUE(answer.Wait());
        EXPECT_NE(std::string::npos, answer.text.find("Expression: m_cObject != NULL")) << answer.text;
    }
}

}  // namespace
