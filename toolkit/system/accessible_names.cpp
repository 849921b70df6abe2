// A screen reader asks a window for its client area's IAccessible with
// WM_GETOBJECT (AccessibleObjectFromWindow). The window answers with an
// object of its own, handed over with LresultFromObject, that names the
// window and the parts it draws from the window's AccessibleNames table and
// passes every other question to the object the system would have answered
// with (CreateStdAccessibleObject).
//
// Child numbers: 1 to N are the drawn parts, N + 1 onwards the system's
// children (the child windows) shifted by N. The drawn parts come first so
// that their numbers stay put while editors and other child windows come and
// go.
//
// Lifetime: a screen reader may keep the object for as long as it likes. The
// object and the window's subclass share a small counted link; the window
// clears it on WM_DESTROY, and from then on every question is answered with
// RPC_E_DISCONNECTED without touching the window or its wrapper.
#include "accessible_names.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "../foundation/app.h"
#include "../foundation/subclass_data.h"

namespace {

const UINT_PTR kNamesSubclassId = 0x5749414E;  // "WIAN"

// Shared by the window's subclass and every object it handed out.
struct WindowLink {
    LONG references;
    HWND window;  // null once the window is being destroyed
    const AccessibleNames* names;
};

void ReleaseLink(WindowLink* link)
{
    if (InterlockedDecrement(&link->references) == 0)
        delete link;
}

// The part's text in the code page the toolkit's strings are in.
BSTR ToBstr(const String& text)
{
    const std::string& bytes = text;
    if (bytes.empty())
        return SysAllocString(L"");
    int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), NULL, 0);
    BSTR result = SysAllocStringLen(NULL, length);
    if (result != NULL)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), result, length);
    return result;
}

// A text answer: S_OK with the text, S_FALSE with none for an empty one.
HRESULT TextAnswer(const String& text, BSTR* answer)
{
    if (text.empty())
        return S_FALSE;
    *answer = ToBstr(text);
    return *answer != NULL ? S_OK : E_OUTOFMEMORY;
}

VARIANT ChildVariant(LONG child)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

LONG RoleOf(DrawnPartKind kind)
{
    switch (kind) {
    case kDrawnPicture:
        return ROLE_SYSTEM_GRAPHIC;
    case kDrawnItem:
        return ROLE_SYSTEM_LISTITEM;
    default:
        return ROLE_SYSTEM_STATICTEXT;
    }
}

class DrawnPartsObject final : public IAccessible {
public:
    DrawnPartsObject(WindowLink* link, IAccessible* system)
        : references_(1), link_(link), system_(system)
    {
        InterlockedIncrement(&link_->references);
    }

    // IUnknown. The object is its own IDispatch and IAccessible; anything
    // else is not offered, since the system object's other interfaces would
    // answer for a different identity.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (object == NULL)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = NULL;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            system_->Release();
            ReleaseLink(link_);
            delete this;
        }
        return left;
    }

    // IDispatch: as the system object does.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        return Gone() ? RPC_E_DISCONNECTED : system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return Gone() ? RPC_E_DISCONNECTED : system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override
    {
        return Gone() ? RPC_E_DISCONNECTED : system_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override
    {
        return Gone() ? RPC_E_DISCONNECTED
                      : system_->Invoke(member, iid, locale, flags, params, result, exception,
                                        argumentError);
    }

    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        if (parent == NULL)
            return E_POINTER;
        *parent = NULL;
        return Gone() ? RPC_E_DISCONNECTED : system_->get_accParent(parent);
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        if (count == NULL)
            return E_POINTER;
        *count = 0;
        if (Gone())
            return RPC_E_DISCONNECTED;
        LONG systemCount = 0;
        if (FAILED(system_->get_accChildCount(&systemCount)))
            systemCount = 0;
        *count = PartCount() + systemCount;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        if (object == NULL)
            return E_POINTER;
        *object = NULL;
        // A drawn part is a simple element, not an object; nor is the window
        // its own child.
        return PartsOrSystem(child, S_FALSE, [&](VARIANT system) {
            return system.lVal == CHILDID_SELF ? E_INVALIDARG : system_->get_accChild(system, object);
        });
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return TextOf(child, name, &DrawnPart::name, &IAccessible::get_accName);
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return TextOf(child, value, &DrawnPart::value, &IAccessible::get_accValue);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return NoTextForParts(child, text, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override
    {
        return NoTextForParts(child, text, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override
    {
        return NoTextForParts(child, text, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override
    {
        return NoTextForParts(child, text, &IAccessible::get_accDefaultAction);
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        if (file == NULL || topic == NULL)
            return E_POINTER;
        *file = NULL;
        *topic = 0;
        return PartsOrSystem(child, S_FALSE, [&](VARIANT system) {
            return system_->get_accHelpTopic(file, system, topic);
        });
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (role == NULL)
            return E_POINTER;
        VariantInit(role);
        return PartOrSystem(
            child,
            [&](const DrawnPart& part) {
                *role = ChildVariant(RoleOf(part.kind));
                return S_OK;
            },
            [&](VARIANT system) { return system_->get_accRole(system, role); });
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (state == NULL)
            return E_POINTER;
        VariantInit(state);
        return PartOrSystem(
            child,
            [&](const DrawnPart& part) {
                LONG bits = STATE_SYSTEM_READONLY;
                if (part.selected)
                    bits |= STATE_SYSTEM_SELECTED;
                if (!IsWindowVisible(link_->window))
                    bits |= STATE_SYSTEM_INVISIBLE;
                *state = ChildVariant(bits);
                return S_OK;
            },
            [&](VARIANT system) { return system_->get_accState(system, state); });
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override
    {
        return ShiftedAnswer(child, &IAccessible::get_accFocus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return ShiftedAnswer(children, &IAccessible::get_accSelection);
    }

    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return PartsOrSystem(child, DISP_E_MEMBERNOTFOUND,
                             [&](VARIANT system) { return system_->accSelect(flags, system); });
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override
    {
        if (left == NULL || top == NULL || width == NULL || height == NULL)
            return E_POINTER;
        *left = *top = *width = *height = 0;
        return PartOrSystem(
            child,
            [&](const DrawnPart& part) {
                if (IsRectEmpty(&part.place))
                    return S_FALSE;
                RECT place = part.place;
                MapWindowPoints(link_->window, NULL, reinterpret_cast<POINT*>(&place), 2);
                *left = place.left;
                *top = place.top;
                *width = place.right - place.left;
                *height = place.bottom - place.top;
                return S_OK;
            },
            [&](VARIANT system) { return system_->accLocation(left, top, width, height, system); });
    }

    // From a drawn part to the next or previous one; everything else, and
    // leaving the first or last part, as the system answers.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        if (end == NULL)
            return E_POINTER;
        VariantInit(end);
        Target target;
        HRESULT checked = Aim(start, &target);
        if (checked != S_OK)
            return checked;
        int count = PartCount();
        if (target.self && count > 0 && direction == NAVDIR_FIRSTCHILD) {
            *end = ChildVariant(1);
            return S_OK;
        }
        if (target.part > 0) {
            int next = direction == NAVDIR_NEXT || direction == NAVDIR_DOWN   ? target.part + 1
                       : direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP ? target.part - 1
                                                                                : 0;
            if (next >= 1 && next <= count) {
                *end = ChildVariant(next);
                return S_OK;
            }
            return S_FALSE;
        }
        HRESULT answer = system_->accNavigate(direction, target.system, end);
        Shift(end, count);
        return answer;
    }

    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        if (child == NULL)
            return E_POINTER;
        VariantInit(child);
        if (Gone())
            return RPC_E_DISCONNECTED;
        POINT point = {x, y};
        ScreenToClient(link_->window, &point);
        int count = PartCount();
        for (int number = 1; number <= count; ++number) {
            DrawnPart part;
            if (Describe(number, &part) && PtInRect(&part.place, point)) {
                *child = ChildVariant(number);
                return S_OK;
            }
        }
        HRESULT answer = system_->accHitTest(x, y, child);
        Shift(child, count);
        return answer;
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return PartsOrSystem(child, DISP_E_MEMBERNOTFOUND,
                             [&](VARIANT system) { return system_->accDoDefaultAction(system); });
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return PartsOrSystem(child, E_NOTIMPL,
                             [&](VARIANT system) { return system_->put_accName(system, name); });
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return PartsOrSystem(child, E_NOTIMPL,
                             [&](VARIANT system) { return system_->put_accValue(system, value); });
    }

private:
    // Whom a child number names: the window itself, one of its drawn parts,
    // or a child of the system object (under the system's own number).
    struct Target {
        bool self;
        int part;
        VARIANT system;
    };

    bool Gone() const { return link_->window == NULL; }

    int PartCount() const
    {
        if (link_->names->partCount == NULL)
            return 0;
        int count = link_->names->partCount(link_->window);
        return count > 0 ? count : 0;
    }

    bool Describe(int number, DrawnPart* part) const
    {
        return link_->names->describe != NULL && link_->names->describe(link_->window, number, part);
    }

    // S_OK with the target; RPC_E_DISCONNECTED once the window is gone,
    // E_INVALIDARG for a number that names nothing.
    HRESULT Aim(const VARIANT& child, Target* target) const
    {
        if (Gone())
            return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4)
            return E_INVALIDARG;
        target->self = child.lVal == CHILDID_SELF;
        target->part = 0;
        target->system = child;
        if (target->self)
            return S_OK;
        if (child.lVal < 0)
            return E_INVALIDARG;
        int count = PartCount();
        if (child.lVal <= count)
            target->part = child.lVal;
        else
            target->system.lVal = child.lVal - count;
        return S_OK;
    }

    // A question about one child: `forParts` for every drawn part, the
    // system object's answer (under its own child number) for the window
    // itself and the child windows.
    template <typename AskSystem>
    HRESULT PartsOrSystem(const VARIANT& child, HRESULT forParts, AskSystem askSystem) const
    {
        Target target;
        HRESULT checked = Aim(child, &target);
        if (checked != S_OK)
            return checked;
        return target.part > 0 ? forParts : askSystem(target.system);
    }

    // As PartsOrSystem, with a drawn part answered from the table's
    // description of it (E_INVALIDARG when the table describes none).
    template <typename AnswerPart, typename AskSystem>
    HRESULT PartOrSystem(const VARIANT& child, AnswerPart answerPart, AskSystem askSystem) const
    {
        Target target;
        HRESULT checked = Aim(child, &target);
        if (checked != S_OK)
            return checked;
        if (target.part == 0)
            return askSystem(target.system);
        DrawnPart part;
        return Describe(target.part, &part) ? answerPart(part) : E_INVALIDARG;
    }

    // A child number the system answered with, in this object's numbering.
    static void Shift(VARIANT* answer, int count)
    {
        if (answer->vt == VT_I4 && answer->lVal > CHILDID_SELF)
            answer->lVal += count;
    }

    typedef HRESULT (STDMETHODCALLTYPE IAccessible::*TextQuestion)(VARIANT, BSTR*);
    typedef HRESULT (STDMETHODCALLTYPE IAccessible::*ChildQuestion)(VARIANT*);

    // A name or value: the table's for a drawn part, and for the window
    // itself when the table gives one; the system's otherwise.
    HRESULT TextOf(const VARIANT& child, BSTR* text, String DrawnPart::*field, TextQuestion question)
    {
        if (text == NULL)
            return E_POINTER;
        *text = NULL;
        Target target;
        HRESULT checked = Aim(child, &target);
        if (checked != S_OK)
            return checked;
        DrawnPart part;
        bool described = (target.self || target.part > 0) && Describe(target.part, &part);
        if (target.part > 0)
            return described ? TextAnswer(part.*field, text) : E_INVALIDARG;
        if (target.self && described && !(part.*field).empty())
            return TextAnswer(part.*field, text);
        return (system_->*question)(target.system, text);
    }

    HRESULT NoTextForParts(const VARIANT& child, BSTR* text, TextQuestion question)
    {
        if (text == NULL)
            return E_POINTER;
        *text = NULL;
        return PartsOrSystem(child, S_FALSE,
                             [&](VARIANT system) { return (system_->*question)(system, text); });
    }

    HRESULT ShiftedAnswer(VARIANT* answer, ChildQuestion question)
    {
        if (answer == NULL)
            return E_POINTER;
        VariantInit(answer);
        if (Gone())
            return RPC_E_DISCONNECTED;
        HRESULT result = (system_->*question)(answer);
        Shift(answer, PartCount());
        return result;
    }

    LONG references_;
    WindowLink* link_;
    IAccessible* system_;
};

// The object for the window's client area, handed over as WM_GETOBJECT's
// answer; 0 (the system answers) when it cannot be made.
LRESULT AnswerForClient(WindowLink* link, WPARAM wParam)
{
    IAccessible* system = NULL;
    if (FAILED(CreateStdAccessibleObject(link->window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&system))) ||
        system == NULL)
        return 0;
    DrawnPartsObject* object = new DrawnPartsObject(link, system);
    LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release();
    // A failure comes back as a negative HRESULT; the system answers then.
    return answer < 0 ? 0 : answer;
}

LRESULT CALLBACK NamesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data)
{
    WindowLink* link = reinterpret_cast<WindowLink*>(data);
    switch (message) {
    case WM_GETOBJECT:
        // The object identifier is a DWORD: a 64-bit lParam carries it
        // without sign extension.
        if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) && link->window != NULL)
            return AnswerForClient(link, wParam);
        break;
    case WM_DESTROY:
        link->window = NULL;
        break;
    case WM_NCDESTROY:
        link->window = NULL;
        RemoveWindowSubclass(window, NamesProc, kNamesSubclassId);
        ReleaseLink(link);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

DrawnPart::DrawnPart() : kind(kDrawnText), selected(false)
{
    SetRectEmpty(&place);
}

String ColorInWords(COLORREF color)
{
    return "red " + std::to_string(GetRValue(color)) + ", green " + std::to_string(GetGValue(color)) +
           ", blue " + std::to_string(GetBValue(color));
}

bool GiveAccessibleNames(HWND window, const AccessibleNames* names)
{
    if (window == NULL || !IsWindow(window) || names == NULL)
        return false;
    // Handing the object over marshals it (COM), so OLE must run on the
    // window's thread.
    StartOle();
    // A window given a new table keeps its link.
    WindowLink* link =
        reinterpret_cast<WindowLink*>(SubclassData(window, NamesProc, kNamesSubclassId));
    if (link != NULL) {
        link->names = names;
        return true;
    }
    link = new WindowLink{1, window, names};
    if (!SetWindowSubclass(window, NamesProc, kNamesSubclassId, reinterpret_cast<DWORD_PTR>(link))) {
        delete link;
        return false;
    }
    return true;
}
