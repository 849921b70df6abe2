/// \file
/// The process-wide system object.
#ifndef WICKER_SYSTEM_SYSTEM_H
#define WICKER_SYSTEM_SYSTEM_H

#include <windows.h>
/// PlaySound, GetEnvironmentVariable and SetEnvironmentVariable are macros of
/// the platform headers (their ANSI names end in A); the members below carry
/// those names, so every unit must see the same macros. mmsystem.h is included
/// here for that reason even where windows.h leaves it out.
#include <mmsystem.h>

#include "../foundation/control.h"
#include "../foundation/property.h"
#include "../foundation/string.h"
#include "../foundation/string_list.h"
#include "byte_buffer.h"
#include "icon_object.h"

/// One-call access to the operating system. It holds no state of its own:
/// every property calls the platform when it is read, nothing is cached.
class SystemObject {
public:
    /// Milliseconds since the system started (GetTickCount).
    Property<SystemObject, int> TickCount;
    ///@{
    /// GetWindowsDirectoryA / GetSystemDirectoryA; empty when the call fails.
    Property<SystemObject, String> WindowsDirectory;
    Property<SystemObject, String> SystemDirectory;
    ///@}
    /// The drive letter of the system directory, without its colon ("C").
    Property<SystemObject, String> SystemDrive;
    /// GetComputerNameA, empty when it fails / SetComputerNameA.
    Property<SystemObject, String> ComputerName;
    /// GetCurrentDirectoryA / SetCurrentDirectoryA.
    Property<SystemObject, String> CurrentDirectory;
    /// GetUserNameA.
    Property<SystemObject, String> UserName;
    /// "major.minor.build-family" from GetVersion (see VersionText).
    Property<SystemObject, String> OSVersion;
    /// The drive letters ("A", "C", ...), in the order GetLogicalDriveStringsA gives.
    Property<SystemObject, StringList> Drives;
    /// The type name of each drive, in the order of Drives (see DriveTypeName).
    Property<SystemObject, StringList> DriveTypes;
    /// The volume label of each drive, in the order of Drives; empty for a
    /// drive whose label cannot be read (no media, for instance).
    Property<SystemObject, StringList> VolumeNames;
    /// Executable names of the running processes (a Toolhelp snapshot); the
    /// snapshot's first entry is left out.
    Property<SystemObject, StringList> Processes;
    /// The shell's taskbar window ("Shell_TrayWnd"), adopted; no window when there is none.
    Property<SystemObject, Control> Taskbar;
    ///@{
    /// The taskbar's children with the control identifiers 304 and 303, adopted.
    Property<SystemObject, Control> TaskbarItem304;
    Property<SystemObject, Control> TaskbarItem303;
    ///@}

    SystemObject();

    /// Plays the program's "WAVE" resource with this identifier from memory,
    /// synchronously (sndPlaySoundA, SND_MEMORY | SND_NODEFAULT); 0 when the
    /// resource is missing or cannot be loaded, else the play call's result.
    int PlaySound(WORD resourceId);
    /// SetEnvironmentVariableA; true on success.
    bool SetEnvironmentVariable(const String& name, const String& value);
    /// The whole value of the variable, however long; "WKP_ERROR" when it does
    /// not exist or is empty (callers compare against that text).
    String GetEnvironmentVariable(const String& name);
    /// The icon the shell associates with the file (ExtractAssociatedIconA),
    /// owned by the result; empty when there is none or the path is longer
    /// than the call's MAX_PATH buffer can take.
    IconObject AssociatedIcon(const String& path);
    ///@{
    /// Enable the shutdown privilege and call ExitWindowsEx with EWX_SHUTDOWN,
    /// EWX_REBOOT or EWX_LOGOFF, plus EWX_FORCE when `force` is set. False when
    /// a privilege step fails (ExitWindowsEx is then not called), else its result.
    bool ShutDown(bool force);
    bool Restart(bool force);
    bool LogOff(bool force);
    ///@}
    /// Writes a shell link at `shortcutPath` to `target` with the arguments, the
    /// working directory, the target's first icon and SW_SHOWNORMAL. True when
    /// the file was saved; a failed step leaves no file.
    bool CreateShortcut(const String& target, const String& shortcutPath, const String& arguments,
                        const String& workingDirectory);
    /// Sends the bytes with WM_COPYDATA (data value 0, the sender's window as
    /// wParam) to the top-level dialog-class window (atom 0x8002, as the
    /// toolkit's forms use) titled `title`; the receiver's result, or -1 when
    /// no such window exists or it does not answer within 5 s (a hung
    /// receiver never freezes the sender).
    LRESULT SendData(const String& title, const ByteBuffer& data, const Control& sender);

private:
    void BindProperties();
    int GetTickCountValue();
    String GetWindowsDirectoryValue();
    String GetSystemDirectoryValue();
    String GetSystemDriveValue();
    String GetComputerNameValue();
    void SetComputerNameValue(const String& name);
    String GetCurrentDirectoryValue();
    void SetCurrentDirectoryValue(const String& path);
    String GetUserNameValue();
    String GetOSVersionValue();
    StringList GetDrivesValue();
    StringList GetDriveTypesValue();
    StringList GetVolumeNamesValue();
    StringList GetProcessesValue();
    Control GetTaskbarValue();
    Control GetTaskbarItem304Value();
    Control GetTaskbarItem303Value();
};

/// The version text of a GetVersion value: major (low byte) "." minor (next
/// byte), then "." build (high word) "-Windows NT/2000/XP" for the NT family
/// (top bit clear), ".0-Windows 95/98/Me" for the other family above major 3,
/// else ".0-Win32s/Undetermined". 5.1 build 2600 gives "5.1.2600-Windows NT/2000/XP".
String VersionText(DWORD version);

/// The name of a GetDriveTypeA value: "Unknwon" (0 and 1, spelled as callers
/// compare it), "Removable", "Fixed", "Network", "CDRom", "Ram"; empty for any
/// other value, which adds no entry to DriveTypes.
String DriveTypeName(UINT type);

/// The one system object of the program, built by the toolkit's start-up.
extern SystemObject System;

#endif
