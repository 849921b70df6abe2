/// \file
/// The platform calls behind the shutdown family (ShutDown, Restart, LogOff),
/// gathered so that a test can put harmless stand-ins in their place.
#ifndef WICKER_SYSTEM_SHUTDOWN_H
#define WICKER_SYSTEM_SHUTDOWN_H

#include <windows.h>

/// The calls the shutdown family makes, in the order it makes them. Every
/// member has the platform function's signature.
struct ShutdownCalls {
    ///@{
    /// OpenProcessToken, LookupPrivilegeValueA, AdjustTokenPrivileges and ExitWindowsEx, or stand-ins for them.
    BOOL(WINAPI* openProcessToken)(HANDLE process, DWORD access, PHANDLE token);
    BOOL(WINAPI* lookupPrivilegeValue)(LPCSTR system, LPCSTR name, PLUID luid);
    BOOL(WINAPI* adjustTokenPrivileges)(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state,
                                        DWORD length, PTOKEN_PRIVILEGES previous, PDWORD returned);
    BOOL(WINAPI* exitWindows)(UINT flags, DWORD reason);
    ///@}
};

/// The platform's own functions (OpenProcessToken, LookupPrivilegeValueA,
/// AdjustTokenPrivileges, ExitWindowsEx).
ShutdownCalls PlatformShutdownCalls();

/// Puts these calls in use for every later ShutDown, Restart and LogOff, and
/// returns the ones in use before. A member left null means the platform's.
ShutdownCalls SetShutdownCalls(const ShutdownCalls& calls);

/// Enables the shutdown privilege ("SeShutdownPrivilege") in the process's
/// token and calls ExitWindowsEx(flags, 0). False without calling it when the
/// token cannot be opened, the privilege is unknown, or it cannot be enabled
/// (AdjustTokenPrivileges fails or leaves any error, ERROR_NOT_ALL_ASSIGNED
/// among them); otherwise ExitWindowsEx's result.
bool ExitWindowsWithPrivilege(UINT flags);

#endif
