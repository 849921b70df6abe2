/// \file
/// Message boxes owned by any window, for code that holds no wrapper of it.
#ifndef WICKER_CONTROLS_MESSAGE_BOXES_H
#define WICKER_CONTROLS_MESSAGE_BOXES_H

#include <windows.h>

#include "../foundation/control.h"
#include "../foundation/string.h"

///@{
/// Each behaves as the Control operation of the same name with the owner
/// window given (a handle, or a control's `hwnd`; null for no owner).
int MsgBox(HWND owner, const String& text, const String& caption, UINT type);
int MsgBox(const Control& owner, const String& text, const String& caption, UINT type);
int InfoBox(HWND owner, const String& text, const String& caption);
int InfoBox(const Control& owner, const String& text, const String& caption);
int WarningBox(HWND owner, const String& text, const String& caption);
int WarningBox(const Control& owner, const String& text, const String& caption);
int ErrorBox(HWND owner, const String& text, const String& caption);
int ErrorBox(const Control& owner, const String& text, const String& caption);
///@}
///@{
/// True for Yes (No is the default button).
bool AskYesNo(HWND owner, const String& text, const String& caption);
bool AskYesNo(const Control& owner, const String& text, const String& caption);
///@}
///@{
/// True for OK (Cancel is the default button).
bool AskOkCancel(HWND owner, const String& text, const String& caption);
bool AskOkCancel(const Control& owner, const String& text, const String& caption);
///@}
///@{
/// 0 for Yes, 1 for No, 2 for Cancel (the default button).
int AskYesNoCancel(HWND owner, const String& text, const String& caption);
int AskYesNoCancel(const Control& owner, const String& text, const String& caption);
///@}

#endif
