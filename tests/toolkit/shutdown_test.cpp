#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wicker.h"

namespace {

// What the stand-ins saw, and how they answer. ExitWindowsEx is always a
// stand-in here: nothing in these tests may end the session.
struct Recording {
    std::vector<std::string> calls;
    DWORD tokenAccess = 0;
    std::string privilege;
    DWORD adjustedAttributes = 0;
    UINT exitFlags = 0xFFFFFFFF;
    DWORD exitReason = 0xFFFFFFFF;
    bool failOpen = false;
    bool failLookup = false;
    bool failAdjust = false;
    DWORD errorAfterAdjust = ERROR_SUCCESS;
    BOOL exitResult = TRUE;
} recording;

BOOL WINAPI FakeOpenProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    recording.calls.push_back("open");
    recording.tokenAccess = access;
    if (recording.failOpen)
        return FALSE;
    return OpenProcessToken(process, access, token);
}

BOOL WINAPI FakeLookupPrivilegeValue(LPCSTR system, LPCSTR name, PLUID luid)
{
    recording.calls.push_back("lookup");
    recording.privilege = name;
    if (recording.failLookup)
        return FALSE;
    return LookupPrivilegeValueA(system, name, luid);
}

BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE, BOOL, PTOKEN_PRIVILEGES state, DWORD, PTOKEN_PRIVILEGES,
                                      PDWORD)
{
    recording.calls.push_back("adjust");
    if (state != NULL && state->PrivilegeCount == 1)
        recording.adjustedAttributes = state->Privileges[0].Attributes;
    if (recording.failAdjust)
        return FALSE;
    SetLastError(recording.errorAfterAdjust);
    return TRUE;
}

BOOL WINAPI FakeExitWindows(UINT flags, DWORD reason)
{
    recording.calls.push_back("exit");
    recording.exitFlags = flags;
    recording.exitReason = reason;
    return recording.exitResult;
}

class ShutdownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        recording = Recording();
        ShutdownCalls fakes = {FakeOpenProcessToken, FakeLookupPrivilegeValue, FakeAdjustTokenPrivileges,
                               FakeExitWindows};
        previous = SetShutdownCalls(fakes);
    }
    void TearDown() override { SetShutdownCalls(previous); }

    ShutdownCalls previous;
};

TEST_F(ShutdownTest, EachOperationPassesItsFlagsAfterEnablingThePrivilege)
{
    struct Case { bool (SystemObject::*operation)(bool); bool force; UINT flags; };
    const Case cases[] = {
        {&SystemObject::ShutDown, false, EWX_SHUTDOWN},
        {&SystemObject::ShutDown, true, EWX_SHUTDOWN | EWX_FORCE},
        {&SystemObject::Restart, false, EWX_REBOOT},
        {&SystemObject::Restart, true, EWX_REBOOT | EWX_FORCE},
        {&SystemObject::LogOff, false, EWX_LOGOFF},
        {&SystemObject::LogOff, true, EWX_LOGOFF | EWX_FORCE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        recording = Recording();
        EXPECT_TRUE((System.*c.operation)(c.force));
        EXPECT_EQ(recording.calls, (std::vector<std::string>{"open", "lookup", "adjust", "exit"}));
        EXPECT_EQ(recording.tokenAccess, static_cast<DWORD>(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY));
        EXPECT_EQ(recording.privilege, "SeShutdownPrivilege");
        EXPECT_EQ(recording.adjustedAttributes, static_cast<DWORD>(SE_PRIVILEGE_ENABLED));
        EXPECT_EQ(recording.exitFlags, c.flags);
        EXPECT_EQ(recording.exitReason, 0u);
    }
    EXPECT_EQ(EWX_LOGOFF | EWX_FORCE, 4u);

    recording = Recording();
    recording.exitResult = FALSE;
    EXPECT_FALSE(System.Restart(false));
}

// A privilege step that fails never reaches ExitWindowsEx.
TEST_F(ShutdownTest, AFailedPrivilegeStepStopsBeforeExitWindows)
{
    struct Case { const char* name; void (*arrange)(); std::vector<std::string> calls; };
    const Case cases[] = {
        {"token", [] { recording.failOpen = true; }, {"open"}},
        {"lookup", [] { recording.failLookup = true; }, {"open", "lookup"}},
        {"adjust", [] { recording.failAdjust = true; }, {"open", "lookup", "adjust"}},
        {"not all assigned", [] { recording.errorAfterAdjust = ERROR_NOT_ALL_ASSIGNED; },
         {"open", "lookup", "adjust"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool (SystemObject::*operation)(bool) :
             {&SystemObject::ShutDown, &SystemObject::Restart, &SystemObject::LogOff}) {
            recording = Recording();
            c.arrange();
            EXPECT_FALSE((System.*operation)(true));
            EXPECT_EQ(recording.calls, c.calls);
        }
    }
}

}  // namespace
