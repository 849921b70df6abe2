// The property record through which every toolkit object exposes its attributes.
#ifndef WICKER_FOUNDATION_PROPERTY_H
#define WICKER_FOUNDATION_PROPERTY_H

#include <cstddef>
#include <type_traits>

#include "runtime_check.h"

// How a setter receives its value: scalars (integers, flags, handles, pointers)
// by value, class types (String, StringList, images) by constant reference.
template <typename Value>
struct PropertyArgument {
    typedef typename std::conditional<std::is_scalar<Value>::value, Value, const Value&>::type Type;
};

// A value-typed view of an attribute of its owner: five words, in this order,
// the owner pointer `m_cObject` and the member-function pointers `Set` and `Get`
// (code address and `this` adjustment each). It holds no value of its own:
// reading calls `Get` on the owner, writing calls `Set`.
//
// Owners zero and bind their properties in every constructor, the copy
// constructor included:
//
//     String::String(const String& other) : std::string()
//     {
//         Length.Clear();
//         Length.BindOwner(this);
//         Length.BindGet(&String::GetLength);
//         assign(other);
//     }
//
// A property is never copied: its copy constructor is deleted (so an owner
// without its own copy constructor does not compile), and assigning one
// property to another (`a.Text = b.Text`) reads the source and writes the
// target through its own binding.
template <typename Owner, typename Value>
class Property {
public:
    typedef typename PropertyArgument<Value>::Type Argument;
    typedef Value (Owner::*Getter)();
    typedef void (Owner::*Setter)(Argument);

    Owner* m_cObject;
    Setter Set;
    Getter Get;

    // An unbound property: all five words zero.
    Property() : m_cObject(NULL), Set(NULL), Get(NULL) {}
    Property(const Property&) = delete;

    // Zeroes all five words.
    void Clear()
    {
        m_cObject = NULL;
        Set = NULL;
        Get = NULL;
    }
    void BindOwner(Owner* owner) { m_cObject = owner; }
    void BindGet(Getter getter) { Get = getter; }
    void BindSet(Setter setter) { Set = setter; }
    // Binds all three at once; either member-function pointer may be null.
    void Bind(Owner* owner, Getter getter, Setter setter)
    {
        m_cObject = owner;
        Get = getter;
        Set = setter;
    }

    // Reads through the getter. After Retry or Ignore on a failed check the
    // value type's empty or zero value is returned.
    Value Read() const
    {
        if (!WICKER_CHECK(m_cObject != NULL))
            return Value();
        if (!WICKER_CHECK(Get != NULL))
            return Value();
        return (m_cObject->*Get)();
    }

    // Writes through the setter and yields the value passed. After Retry or
    // Ignore on a failed check nothing is written.
    Value Write(Argument value)
    {
        if (!WICKER_CHECK(m_cObject != NULL))
            return value;
        if (!WICKER_CHECK(Set != NULL))
            return value;
        (m_cObject->*Set)(value);
        return value;
    }

    operator Value() const { return Read(); }
    Value operator()() const { return Read(); }
    Value operator=(Argument value) { return Write(value); }
    // Reads the other property and writes this one; the binding is not copied.
    Value operator=(const Property& other) { return Write(other.Read()); }
};

namespace wicker_detail {
struct PropertyProbe {};
}
// Five words: on i686 the owner pointer and two two-word member-function pointers.
static_assert(sizeof(Property<wicker_detail::PropertyProbe, int>) == 5 * sizeof(void*),
              "a Property is five words");
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(Property<wicker_detail::PropertyProbe, int>) == 20,
              "a Property is five 32-bit words on i686");
#endif

#endif
