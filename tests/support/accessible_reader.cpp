#include "accessible_reader.h"

namespace {

std::string Narrow(BSTR text)
{
    if (text == NULL)
        return std::string();
    int length = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(SysStringLen(text)), NULL, 0,
                                     NULL, NULL);
    std::string bytes(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(SysStringLen(text)), &bytes[0], length, NULL,
                        NULL);
    return bytes;
}

typedef HRESULT (STDMETHODCALLTYPE IAccessible::*TextQuestion)(VARIANT, BSTR*);

std::string Ask(IAccessible* object, LONG child, HRESULT* result, TextQuestion question)
{
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR text = NULL;
    HRESULT answer = (object->*question)(id, &text);
    if (result != nullptr)
        *result = answer;
    std::string bytes = Narrow(text);
    SysFreeString(text);
    return bytes;
}

}  // namespace

IAccessible* ClientObject(HWND window)
{
    IAccessible* object = NULL;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return NULL;
    return object;
}

std::string NameOf(IAccessible* object, LONG child, HRESULT* result)
{
    return Ask(object, child, result, &IAccessible::get_accName);
}

std::string ValueOf(IAccessible* object, LONG child, HRESULT* result)
{
    return Ask(object, child, result, &IAccessible::get_accValue);
}

std::string NamesHeard(HWND window, int children)
{
    IAccessible* object = ClientObject(window);
    if (object == NULL)
        return "(no object)";
    LONG count = 0;
    object->get_accChildCount(&count);
    if (children >= 0)
        count = children;
    std::string heard = NameOf(object, CHILDID_SELF);
    for (LONG child = 1; child <= count; ++child)
        heard += "\n" + NameOf(object, child);
    object->Release();
    return heard;
}
