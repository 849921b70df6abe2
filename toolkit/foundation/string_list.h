/// \file
/// An ordered list of String values with a read-only Count.
#ifndef WICKER_FOUNDATION_STRING_LIST_H
#define WICKER_FOUNDATION_STRING_LIST_H

#include <vector>

#include "property.h"
#include "string.h"

/// A list of String values, produced by String::Split and consumed by Join.
/// `Count` is bound to the list that contains it in every constructor.
class StringList {
public:
    /// The elements, in order.
    std::vector<String> items;
    /// Number of elements; read-only.
    Property<StringList, int> Count;

    StringList();
    /// A copy of the other list's elements, with Count bound to this list.
    StringList(const StringList& other);
    /// Takes the other list's elements, leaving it empty.
    StringList(StringList&& other) noexcept;
    ///@{
    /// Clears, then appends a copy of each element of the other list.
    StringList& operator=(const StringList& other);
    StringList& operator=(StringList&& other) noexcept;
    ///@}

    /// Appends a copy at the end.
    void Add(const String& text);
    ///@{
    /// The element at index; no bounds check.
    String& Item(int index);
    const String& Item(int index) const;
    ///@}
    /// Index of the first element that starts with p, or -1.
    int IndexOfPrefix(const String& p) const;
    /// Removes the element at index; no bounds check.
    void RemoveAt(int index);
    ///@{
    /// Remove the first or last element; an empty list stays unchanged.
    void RemoveFirst();
    void RemoveLast();
    void Clear();
    ///@}
    /// Appends a copy of each element of the other list (which may be this list).
    void AppendList(const StringList& other);
    /// The elements with the separator between neighbours; empty list gives "".
    String Join(const String& separator) const;

private:
    void BindProperties();
    int GetCount();
};

#endif
