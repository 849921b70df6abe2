// A file system of a few kilobytes that a test can fill up, to see what a
// save does when the disk is full: a tmpfs mounted on the scratch folder
// through the host (mounting needs root; the test skips itself otherwise).
#ifndef TESTS_SUPPORT_SMALL_DISK_H
#define TESTS_SUPPORT_SMALL_DISK_H

#include <string>

#include "scratch_folder.h"

class SmallDiskTest : public ScratchFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Takes every free byte of the small disk with a filler file, so that
    // the next write that needs room fails.
    void Fill();
    // Gives the room back (removes the filler).
    void Unfill();

private:
    std::string unixFolder;
    bool mounted = false;
};

#endif
