#include "system.h"

#include <tlhelp32.h>

#include <cstdio>

namespace {

// The fixed buffers of the directory, name and drive queries.
const UINT kPathBuffer = MAX_PATH;
const DWORD kNameBuffer = 256;
const DWORD kVolumeNameBuffer = 1024;
// The window class and the child identifiers of the shell's taskbar.
const char kTaskbarClass[] = "Shell_TrayWnd";
const int kTaskbarItem304 = 304;
const int kTaskbarItem303 = 303;
// The process identifier of the system's idle pseudo-process.
const DWORD kIdleProcessId = 0;

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(PROCESSENTRY32) == 296, "the ANSI process entry is 296 bytes on i686");
#endif

// A String from a zero-terminated buffer.
String FromBuffer(const char* buffer)
{
    return String(buffer);
}

// The entries of GetLogicalDriveStringsA: each root ("C:\") in order.
StringList DriveRoots()
{
    char buffer[kPathBuffer] = {};
    DWORD length = GetLogicalDriveStringsA(kPathBuffer, buffer);
    // A result larger than the buffer is the size it would need: nothing was written.
    if (length >= kPathBuffer)
        length = 0;
    StringList roots;
    for (DWORD at = 0; at < length && buffer[at] != '\0';) {
        String root(buffer + at);
        roots.Add(root);
        at += static_cast<DWORD>(root.size()) + 1;
    }
    return roots;
}

}  // namespace

String VersionText(DWORD version)
{
    unsigned major = version & 0xFF;
    unsigned minor = (version >> 8) & 0xFF;
    unsigned build = (version >> 16) & 0xFFFF;
    char text[64];
    if ((version & 0x80000000u) == 0)
        std::snprintf(text, sizeof text, "%u.%u.%u-Windows NT/2000/XP", major, minor, build);
    else if (major > 3)
        std::snprintf(text, sizeof text, "%u.%u.0-Windows 95/98/Me", major, minor);
    else
        std::snprintf(text, sizeof text, "%u.%u.0-Win32s/Undetermined", major, minor);
    return String(text);
}

String DriveTypeName(UINT type)
{
    switch (type) {
    case DRIVE_UNKNOWN:
    case DRIVE_NO_ROOT_DIR:
        return "Unknwon";
    case DRIVE_REMOVABLE:
        return "Removable";
    case DRIVE_FIXED:
        return "Fixed";
    case DRIVE_REMOTE:
        return "Network";
    case DRIVE_CDROM:
        return "CDRom";
    case DRIVE_RAMDISK:
        return "Ram";
    default:
        return "";
    }
}

SystemObject::SystemObject()
{
    BindProperties();
}

void SystemObject::BindProperties()
{
    TickCount.Bind(this, &SystemObject::GetTickCountValue, NULL);
    WindowsDirectory.Bind(this, &SystemObject::GetWindowsDirectoryValue, NULL);
    SystemDirectory.Bind(this, &SystemObject::GetSystemDirectoryValue, NULL);
    SystemDrive.Bind(this, &SystemObject::GetSystemDriveValue, NULL);
    ComputerName.Bind(this, &SystemObject::GetComputerNameValue, &SystemObject::SetComputerNameValue);
    CurrentDirectory.Bind(this, &SystemObject::GetCurrentDirectoryValue,
                          &SystemObject::SetCurrentDirectoryValue);
    UserName.Bind(this, &SystemObject::GetUserNameValue, NULL);
    OSVersion.Bind(this, &SystemObject::GetOSVersionValue, NULL);
    Drives.Bind(this, &SystemObject::GetDrivesValue, NULL);
    DriveTypes.Bind(this, &SystemObject::GetDriveTypesValue, NULL);
    VolumeNames.Bind(this, &SystemObject::GetVolumeNamesValue, NULL);
    Processes.Bind(this, &SystemObject::GetProcessesValue, NULL);
    Taskbar.Bind(this, &SystemObject::GetTaskbarValue, NULL);
    TaskbarItem304.Bind(this, &SystemObject::GetTaskbarItem304Value, NULL);
    TaskbarItem303.Bind(this, &SystemObject::GetTaskbarItem303Value, NULL);
}

// GetTickCount, as the int the property gives.
int SystemObject::GetTickCountValue()
{
    return static_cast<int>(GetTickCount());
}

// GetWindowsDirectoryA into a zeroed buffer.
String SystemObject::GetWindowsDirectoryValue()
{
    char buffer[kPathBuffer + 1] = {};
    if (GetWindowsDirectoryA(buffer, kPathBuffer) >= kPathBuffer)
        buffer[0] = '\0';
    return FromBuffer(buffer);
}

// GetSystemDirectoryA into a zeroed buffer.
String SystemObject::GetSystemDirectoryValue()
{
    char buffer[kPathBuffer + 1] = {};
    if (GetSystemDirectoryA(buffer, kPathBuffer) >= kPathBuffer)
        buffer[0] = '\0';
    return FromBuffer(buffer);
}

// The first piece of the system directory split at ":".
String SystemObject::GetSystemDriveValue()
{
    StringList pieces = GetSystemDirectoryValue().Split(":");
    return pieces.items.empty() ? String() : pieces.Item(0);
}

// GetComputerNameA; empty when it fails.
String SystemObject::GetComputerNameValue()
{
    char buffer[kNameBuffer + 1] = {};
    DWORD size = kNameBuffer;
    if (!GetComputerNameA(buffer, &size))
        return String();
    return FromBuffer(buffer);
}

void SystemObject::SetComputerNameValue(const String& name)
{
    SetComputerNameA(name.CStr());
}

// GetCurrentDirectoryA into a zeroed buffer; empty when the folder does not fit.
String SystemObject::GetCurrentDirectoryValue()
{
    char buffer[kPathBuffer + 1] = {};
    if (GetCurrentDirectoryA(kPathBuffer, buffer) >= kPathBuffer)
        buffer[0] = '\0';
    return FromBuffer(buffer);
}

void SystemObject::SetCurrentDirectoryValue(const String& path)
{
    SetCurrentDirectoryA(path.CStr());
}

// GetUserNameA; empty when it fails.
String SystemObject::GetUserNameValue()
{
    char buffer[kNameBuffer + 1] = {};
    DWORD size = kNameBuffer;
    if (!GetUserNameA(buffer, &size))
        return String();
    return FromBuffer(buffer);
}

String SystemObject::GetOSVersionValue()
{
    return VersionText(GetVersion());
}

// Each root with its ":\" removed.
StringList SystemObject::GetDrivesValue()
{
    StringList letters;
    StringList roots = DriveRoots();
    for (String& root : roots.items)
        letters.Add(root.Replace(":\\", ""));
    return letters;
}

// GetDriveTypeA of each root.
StringList SystemObject::GetDriveTypesValue()
{
    StringList types;
    StringList roots = DriveRoots();
    for (const String& root : roots.items) {
        String name = DriveTypeName(GetDriveTypeA(root.CStr()));
        if (!name.empty())
            types.Add(name);
    }
    return types;
}

// GetVolumeInformationA of each drive letter plus ":\"; empty for a drive
// whose label cannot be read.
StringList SystemObject::GetVolumeNamesValue()
{
    StringList names;
    StringList letters = GetDrivesValue();
    for (const String& letter : letters.items) {
        char label[kVolumeNameBuffer + 1] = {};
        String root = letter + ":\\";
        // A failed call may leave part of the buffer written: the label is
        // taken only from a call that succeeded.
        if (!GetVolumeInformationA(root.CStr(), label, kVolumeNameBuffer, NULL, NULL, NULL, NULL, 0))
            label[0] = '\0';
        names.Add(label);
    }
    return names;
}

// The name of every entry of the snapshot (Process32First, Process32Next).
// The system's idle pseudo-process, which Windows lists first under the
// identifier 0, is left out; a real process listed first (Wine lists the
// calling process first) is kept.
StringList SystemObject::GetProcessesValue()
{
    StringList names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == kIdleProcessId)
            continue;
        entry.szExeFile[sizeof entry.szExeFile - 1] = '\0';
        names.Add(entry.szExeFile);
    }
    CloseHandle(snapshot);
    return names;
}

Control SystemObject::GetTaskbarValue()
{
    return Control(FindWindowA(kTaskbarClass, NULL));
}

// GetDlgItem 304 of the taskbar.
Control SystemObject::GetTaskbarItem304Value()
{
    HWND taskbar = FindWindowA(kTaskbarClass, NULL);
    return Control(taskbar != NULL ? GetDlgItem(taskbar, kTaskbarItem304) : NULL);
}

// GetDlgItem 303 of the taskbar.
Control SystemObject::GetTaskbarItem303Value()
{
    HWND taskbar = FindWindowA(kTaskbarClass, NULL);
    return Control(taskbar != NULL ? GetDlgItem(taskbar, kTaskbarItem303) : NULL);
}
