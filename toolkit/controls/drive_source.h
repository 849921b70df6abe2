/// \file
/// Where the drive combo box reads the machine's drives and the time, gathered
/// so that a test can put stand-ins in their place.
#ifndef WICKER_CONTROLS_DRIVE_SOURCE_H
#define WICKER_CONTROLS_DRIVE_SOURCE_H

#include <windows.h>

#include "../foundation/string.h"
#include "../foundation/string_list.h"
#include "../system/icon_object.h"

/// The queries a drive list refresh makes, in the order it makes them.
struct DriveSource {
    /// Milliseconds since the system started (GetTickCount).
    DWORD (*tickCount)();
    ///@{
    /// The drive letters, their type names and their volume labels, as the
    /// System object's Drives, DriveTypes and VolumeNames give them.
    StringList (*drives)();
    StringList (*driveTypes)();
    StringList (*volumeNames)();
    ///@}
    /// The shell's icon for a drive's root ("C:\"), owned by the result.
    IconObject (*rootIcon)(const String& root);
};

/// The platform's queries (GetTickCount and the System object's).
DriveSource PlatformDriveSource();

/// Puts these queries in use for every later refresh and returns the ones in
/// use before. A member left null means the platform's.
DriveSource SetDriveSource(const DriveSource& source);

/// The queries in use: each stand-in, or the platform's where there is none.
DriveSource DriveSourceInUse();

#endif
