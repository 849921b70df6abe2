#include "message_boxes.h"

namespace {

// A wrapper of the owner window, through which the Control operations run.
Control OwnerView(HWND owner)
{
    Control view;
    view.hwnd = owner;
    return view;
}

}  // namespace

int MsgBox(HWND owner, const String& text, const String& caption, UINT type)
{
    return OwnerView(owner).MsgBox(text, caption, type);
}

int MsgBox(const Control& owner, const String& text, const String& caption, UINT type)
{
    return MsgBox(owner.hwnd, text, caption, type);
}

int InfoBox(HWND owner, const String& text, const String& caption)
{
    return OwnerView(owner).InfoBox(text, caption);
}

int InfoBox(const Control& owner, const String& text, const String& caption)
{
    return InfoBox(owner.hwnd, text, caption);
}

int WarningBox(HWND owner, const String& text, const String& caption)
{
    return OwnerView(owner).WarningBox(text, caption);
}

int WarningBox(const Control& owner, const String& text, const String& caption)
{
    return WarningBox(owner.hwnd, text, caption);
}

int ErrorBox(HWND owner, const String& text, const String& caption)
{
    return OwnerView(owner).ErrorBox(text, caption);
}

int ErrorBox(const Control& owner, const String& text, const String& caption)
{
    return ErrorBox(owner.hwnd, text, caption);
}

bool AskYesNo(HWND owner, const String& text, const String& caption)
{
    return OwnerView(owner).AskYesNo(text, caption);
}

bool AskYesNo(const Control& owner, const String& text, const String& caption)
{
    return AskYesNo(owner.hwnd, text, caption);
}

bool AskOkCancel(HWND owner, const String& text, const String& caption)
{
    return OwnerView(owner).AskOkCancel(text, caption);
}

bool AskOkCancel(const Control& owner, const String& text, const String& caption)
{
    return AskOkCancel(owner.hwnd, text, caption);
}

int AskYesNoCancel(HWND owner, const String& text, const String& caption)
{
    return OwnerView(owner).AskYesNoCancel(text, caption);
}

int AskYesNoCancel(const Control& owner, const String& text, const String& caption)
{
    return AskYesNoCancel(owner.hwnd, text, caption);
}
