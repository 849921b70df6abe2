#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_answer.h"
#include "wicker.h"

namespace {

std::vector<std::string> Texts(const StringList& list)
{
    return std::vector<std::string>(list.items.begin(), list.items.end());
}

StringList ListOf(std::initializer_list<const char*> texts)
{
    StringList list;
    for (const char* text : texts)
        list.Add(text);
    return list;
}

void ExpectBound(const StringList& list)
{
    EXPECT_EQ(&list, list.Count.m_cObject);
    EXPECT_TRUE(list.Count.Set == NULL);
    EXPECT_EQ(static_cast<int>(list.items.size()), list.Count.Read());
    for (const String& item : list.items)
        EXPECT_EQ(&item, item.Length.m_cObject);
}

TEST(StringListTest, EveryConstructorBindsCountToTheNewList)
{
    StringList empty;
    ExpectBound(empty);
    EXPECT_EQ(0, empty.Count);
    StringList source = ListOf({"a", "b"});
    StringList copy(source);
    ExpectBound(copy);
    StringList moved(ListOf({"c"}));
    ExpectBound(moved);
    EXPECT_EQ(1, moved.Count);
    source.Add("c");
    EXPECT_EQ(2, copy.Count);
    EXPECT_EQ(3, source.Count);
}

TEST(StringListTest, ElementsStayBoundWhenTheListGrows)
{
    StringList list;
    for (int i = 0; i < 100; ++i)
        list.Add(NumberString(i, 0));
    ExpectBound(list);
    EXPECT_EQ(100, list.Count);
    EXPECT_EQ(2, list.Item(42).Length);
}

TEST(StringListTest, WritingCountIsTheSetCheck)
{
    StringList list = ListOf({"a"});
    DialogAnswer answer("Wicker runtime check", IDIGNORE);
    list.Count = 5;
    ASSERT_TRUE(answer.Wait());
    EXPECT_NE(std::string::npos, answer.text.find("Expression: Set != NULL")) << answer.text;
    EXPECT_EQ(1, list.Count);
}

TEST(StringListTest, AddItemAndRemove)
{
    StringList list = ListOf({"one", "two", "three", "four"});
    list.Item(1) = "TWO";
    EXPECT_EQ("TWO", list.Item(1));
    list.RemoveAt(1);
    EXPECT_EQ(Texts(ListOf({"one", "three", "four"})), Texts(list));
    list.RemoveFirst();
    EXPECT_EQ(Texts(ListOf({"three", "four"})), Texts(list));
    list.RemoveLast();
    EXPECT_EQ(Texts(ListOf({"three"})), Texts(list));
    list.RemoveLast();
    EXPECT_EQ(0, list.Count);
    list.RemoveFirst();
    list.RemoveLast();
    EXPECT_EQ(0, list.Count);
    list.Add("x");
    list.Clear();
    EXPECT_EQ(0, list.Count);
    ExpectBound(list);
}

TEST(StringListTest, AddCopiesTheElement)
{
    StringList list;
    String text("kept");
    list.Add(text);
    text = "changed";
    EXPECT_EQ("kept", list.Item(0));
}

TEST(StringListTest, IndexOfPrefix)
{
    StringList list = ListOf({"xab", "abc", "ab"});
    EXPECT_EQ(1, list.IndexOfPrefix("ab"));
    EXPECT_EQ(0, list.IndexOfPrefix("xab"));
    EXPECT_EQ(0, list.IndexOfPrefix(""));
    EXPECT_EQ(-1, list.IndexOfPrefix("abcd"));
    EXPECT_EQ(-1, list.IndexOfPrefix("b"));
    EXPECT_EQ(-1, StringList().IndexOfPrefix(""));
    StringList exact = ListOf({"a", "ab"});
    EXPECT_EQ(1, exact.IndexOfPrefix("ab"));
}

TEST(StringListTest, AssignAndAppend)
{
    StringList target = ListOf({"old"});
    StringList source = ListOf({"a", "b"});
    target = source;
    EXPECT_EQ(Texts(source), Texts(target));
    ExpectBound(target);
    target = target;
    EXPECT_EQ(Texts(source), Texts(target));
    target.AppendList(source);
    EXPECT_EQ(Texts(ListOf({"a", "b", "a", "b"})), Texts(target));
    target.AppendList(target);
    EXPECT_EQ(8, target.Count);
    EXPECT_EQ("b", target.Item(7));
    target.AppendList(StringList());
    EXPECT_EQ(8, target.Count);
    target = StringList();
    EXPECT_EQ(0, target.Count);
    ExpectBound(target);
}

TEST(StringListTest, Join)
{
    EXPECT_EQ("", StringList().Join(", "));
    EXPECT_EQ("only", ListOf({"only"}).Join(", "));
    EXPECT_EQ("a, b, c", ListOf({"a", "b", "c"}).Join(", "));
    EXPECT_EQ("abc", ListOf({"a", "b", "c"}).Join(""));
    EXPECT_EQ(",,", ListOf({"", "", ""}).Join(","));
    EXPECT_EQ("", ListOf({""}).Join(","));
}

TEST(StringListTest, JoinUndoesSplitWithAOneByteSeparator)
{
    const char* texts[] = {"a,b", "a,,b", ",", "", "no separator", ",,x,"};
    for (const char* text : texts)
        EXPECT_EQ(text, String(text).Split(",").Join(",")) << text;
}

}  // namespace
