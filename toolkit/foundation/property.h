/// \file
/// The property record through which every toolkit object exposes its attributes.
#ifndef WICKER_FOUNDATION_PROPERTY_H
#define WICKER_FOUNDATION_PROPERTY_H

#include <cstddef>
#include <type_traits>

#include "runtime_check.h"

/// How a setter receives its value: scalars (integers, flags, handles, pointers)
/// by value, class types (String, StringList, images) by constant reference.
template <typename Value>
struct PropertyArgument {
    /// The type a setter takes.
    typedef typename std::conditional<std::is_scalar<Value>::value, Value, const Value&>::type Type;
};

/// A value-typed view of an attribute of its owner: five words, in this order,
/// the owner pointer `m_cObject` and the member-function pointers `Set` and `Get`
/// (code address and `this` adjustment each). It holds no value of its own:
/// reading calls `Get` on the owner, writing calls `Set`.
///
/// Owners zero and bind their properties in every constructor they write
/// themselves:
///
///     String::String(const char* text) : std::string(text)
///     {
///         Length.Clear();
///         Length.Bind(this, &String::GetLength, NULL);
///     }
///
/// A property is always a member of its owner, so copying one re-binds it to
/// the copy's owner: the owner the source names, moved by the distance between
/// the two properties. An owner's implicit copy and move constructors are
/// therefore right as they stand, and its implicit assignment leaves every
/// property of the target bound to the target (assigning a property keeps its
/// own binding and does nothing else). Only the owner may copy or assign its
/// properties: `a.Text = b.Text` does not compile; `a.Text = b.Text()` reads
/// the source and writes the target.
template <typename Owner, typename Value>
class Property {
    friend Owner;

public:
    /// The type the setter takes (PropertyArgument).
    typedef typename PropertyArgument<Value>::Type Argument;
    /// A member function of the owner that reads the value.
    typedef Value (Owner::*Getter)();
    /// A member function of the owner that writes the value.
    typedef void (Owner::*Setter)(Argument);

    /// The owner the property reads and writes; null until Bind.
    Owner* m_cObject;
    /// The owner's setter; null for a read-only property.
    Setter Set;
    /// The owner's getter; null for a write-only property.
    Getter Get;

    /// An unbound property: all five words zero.
    Property() : m_cObject(NULL), Set(NULL), Get(NULL) {}

    ///@{
    /// Zeroes all five words.
    void Clear()
    {
        m_cObject = NULL;
        Set = NULL;
        Get = NULL;
    }
    void BindOwner(Owner* owner) { m_cObject = owner; }
    void BindGet(Getter getter) { Get = getter; }
    void BindSet(Setter setter) { Set = setter; }
    ///@}
    ///@{
    /// Binds all three at once; either member-function pointer may be null.
    void Bind(Owner* owner, Getter getter, Setter setter)
    {
        m_cObject = owner;
        Get = getter;
        Set = setter;
    }
    ///@}

    ///@{
    /// Reads through the getter. After Retry or Ignore on a failed check the
    /// value type's empty or zero value is returned.
    Value Read() const
    {
        if (!WICKER_CHECK(m_cObject != NULL))
            return Value();
        if (!WICKER_CHECK(Get != NULL))
            return Value();
        return (m_cObject->*Get)();
    }
    ///@}

    ///@{
    /// Writes through the setter and yields the value passed. After Retry or
    /// Ignore on a failed check nothing is written.
    Value Write(Argument value)
    {
        if (!WICKER_CHECK(m_cObject != NULL))
            return value;
        if (!WICKER_CHECK(Set != NULL))
            return value;
        (m_cObject->*Set)(value);
        return value;
    }
    ///@}

    /// The value, read through the getter (the runtime check "Get != NULL" first).
    operator Value() const { return Read(); }
    /// The same, called: `form.Width()`.
    Value operator()() const { return Read(); }
    /// Writes the value through the setter (the runtime check "Set != NULL" first) and gives it back.
    Value operator=(Argument value) { return Write(value); }

private:
    /// Bound to the owner that holds this property at the place where the
    /// source's owner holds the source; an unbound source gives an unbound copy.
    Property(const Property& other) noexcept
        : m_cObject(other.m_cObject == NULL
                        ? NULL
                        : reinterpret_cast<Owner*>(reinterpret_cast<char*>(other.m_cObject) +
                                                   (reinterpret_cast<const char*>(this) -
                                                    reinterpret_cast<const char*>(&other)))),
          Set(other.Set),
          Get(other.Get)
    {
    }
    /// The target keeps its own binding: the owner's assignment copies the
    /// owner's state, never the place a property points at.
    Property& operator=(const Property&) noexcept { return *this; }
};

namespace wicker_detail {
struct PropertyProbe {};
}
/// Five words: on i686 the owner pointer and two two-word member-function pointers.
static_assert(sizeof(Property<wicker_detail::PropertyProbe, int>) == 5 * sizeof(void*),
              "a Property is five words");
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(Property<wicker_detail::PropertyProbe, int>) == 20,
              "a Property is five 32-bit words on i686");
#endif

#endif
