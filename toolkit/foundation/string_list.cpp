#include "string_list.h"

void StringList::BindProperties()
{
    Count.Clear();
    Count.BindOwner(this);
    Count.BindGet(&StringList::GetCount);
}

int StringList::GetCount()
{
    return static_cast<int>(items.size());
}

StringList::StringList()
{
    BindProperties();
}

StringList::StringList(const StringList& other) : items(other.items)
{
    BindProperties();
}

StringList::StringList(StringList&& other) noexcept : items(std::move(other.items))
{
    BindProperties();
}

// Assigning a list to itself keeps it (clearing first would lose it).
StringList& StringList::operator=(const StringList& other)
{
    if (this != &other)
        items = other.items;
    return *this;
}

StringList& StringList::operator=(StringList&& other) noexcept
{
    if (this != &other)
        items = std::move(other.items);
    return *this;
}

void StringList::Add(const String& text)
{
    items.push_back(text);
}

String& StringList::Item(int index)
{
    return items[index];
}

const String& StringList::Item(int index) const
{
    return items[index];
}

int StringList::IndexOfPrefix(const String& p) const
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].compare(0, p.size(), p) == 0)
            return static_cast<int>(i);
    return -1;
}

void StringList::RemoveAt(int index)
{
    items.erase(items.begin() + index);
}

void StringList::RemoveFirst()
{
    if (!items.empty())
        items.erase(items.begin());
}

void StringList::RemoveLast()
{
    if (!items.empty())
        items.pop_back();
}

void StringList::Clear()
{
    items.clear();
}

void StringList::AppendList(const StringList& other)
{
    const std::size_t count = other.items.size();
    items.reserve(items.size() + count);
    // By index: the other list may be this one, whose elements move when it grows.
    for (std::size_t i = 0; i < count; ++i)
        items.push_back(other.items[i]);
}

String StringList::Join(const String& separator) const
{
    String result;
    if (items.empty())
        return result;
    std::size_t total = separator.size() * (items.size() - 1);
    for (const String& item : items)
        total += item.size();
    result.reserve(total);
    result.append(items[0]);
    for (std::size_t i = 1; i < items.size(); ++i)
        result.append(separator).append(items[i]);
    return result;
}
