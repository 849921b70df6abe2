#include "shutdown.h"

#include "../foundation/stand_in.h"
#include "system.h"

namespace {

// The privilege ExitWindowsEx needs to shut down or restart.
const char kShutdownPrivilege[] = "SeShutdownPrivilege";

// The stand-ins put in place by SetShutdownCalls; all null (the platform's
// calls) until then. Zero-initialised, so it holds before any constructor runs.
ShutdownCalls replacedCalls = {};

}  // namespace

ShutdownCalls PlatformShutdownCalls()
{
    ShutdownCalls calls;
    calls.openProcessToken = OpenProcessToken;
    calls.lookupPrivilegeValue = LookupPrivilegeValueA;
    calls.adjustTokenPrivileges = AdjustTokenPrivileges;
    calls.exitWindows = ExitWindowsEx;
    return calls;
}

// The calls in use: each stand-in, or the platform's function where there is none.
ShutdownCalls CallsInUse()
{
    ShutdownCalls calls = PlatformShutdownCalls();
    PreferStandIn(calls.openProcessToken, replacedCalls.openProcessToken);
    PreferStandIn(calls.lookupPrivilegeValue, replacedCalls.lookupPrivilegeValue);
    PreferStandIn(calls.adjustTokenPrivileges, replacedCalls.adjustTokenPrivileges);
    PreferStandIn(calls.exitWindows, replacedCalls.exitWindows);
    return calls;
}

ShutdownCalls SetShutdownCalls(const ShutdownCalls& calls)
{
    ShutdownCalls previous = CallsInUse();
    replacedCalls = calls;
    return previous;
}

// AdjustTokenPrivileges succeeds even when it could not enable the privilege;
// it then sets ERROR_NOT_ALL_ASSIGNED, so the last error decides. The token
// handle is closed on every path.
bool ExitWindowsWithPrivilege(UINT flags)
{
    ShutdownCalls calls = CallsInUse();
    HANDLE token = NULL;
    if (!calls.openProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                       &token))
        return false;

    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = false;
    if (calls.lookupPrivilegeValue(NULL, kShutdownPrivilege, &privileges.Privileges[0].Luid)) {
        SetLastError(ERROR_SUCCESS);
        BOOL adjusted = calls.adjustTokenPrivileges(token, FALSE, &privileges, 0, NULL, NULL);
        enabled = adjusted && GetLastError() == ERROR_SUCCESS;
    }
    if (token != NULL)
        CloseHandle(token);
    if (!enabled)
        return false;
    return calls.exitWindows(flags, 0) != FALSE;
}

bool SystemObject::ShutDown(bool force)
{
    return ExitWindowsWithPrivilege(EWX_SHUTDOWN | (force ? EWX_FORCE : 0));
}

bool SystemObject::Restart(bool force)
{
    return ExitWindowsWithPrivilege(EWX_REBOOT | (force ? EWX_FORCE : 0));
}

bool SystemObject::LogOff(bool force)
{
    return ExitWindowsWithPrivilege(EWX_LOGOFF | (force ? EWX_FORCE : 0));
}
