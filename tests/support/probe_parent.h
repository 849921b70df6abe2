// A fixture whose tests place controls on a hidden probe window (see
// message_log.h), reachable as the toolkit's Control; the probe is destroyed
// after each test and the message log cleared before and after.
#ifndef TESTS_SUPPORT_PROBE_PARENT_H
#define TESTS_SUPPORT_PROBE_PARENT_H

#include <gtest/gtest.h>

#include <windows.h>

#include "message_log.h"
#include "wicker.h"

// Base is the fixture it extends: ::testing::Test, or one with set-up of its
// own such as ScratchFolderTest (which runs first and is torn down last).
template <class Base>
class WithProbeParent : public Base {
protected:
    explicit WithProbeParent(int width = 400, int height = 300) : probeWidth(width), probeHeight(height)
    {
    }

    void SetUp() override
    {
        Base::SetUp();
        ASSERT_FALSE(Base::HasFatalFailure());
        probe = CreateProbeWindow(probeWidth, probeHeight);
        ASSERT_NE(probe, (HWND)NULL);
        parentControl = Control(probe);
        ClearMessageLog();
    }
    void TearDown() override
    {
        DestroyWindow(probe);
        PumpMessages();
        ClearMessageLog();
        Base::TearDown();
    }

    HWND probe = NULL;
    Control parentControl;

private:
    int probeWidth, probeHeight;
};

typedef WithProbeParent<::testing::Test> ProbeParentTest;

#endif
