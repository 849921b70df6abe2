#include "drive_source.h"

#include "../foundation/stand_in.h"
#include "../system/system.h"

namespace {

// The stand-ins put in place by SetDriveSource; all null (the platform's
// queries) until then. Zero-initialised, so it holds before any constructor runs.
DriveSource replacedSource = {};

DWORD PlatformTickCount()
{
    return GetTickCount();
}

StringList PlatformDrives()
{
    return System.Drives();
}

StringList PlatformDriveTypes()
{
    return System.DriveTypes();
}

StringList PlatformVolumeNames()
{
    return System.VolumeNames();
}

IconObject PlatformRootIcon(const String& root)
{
    return System.AssociatedIcon(root);
}

}  // namespace

DriveSource PlatformDriveSource()
{
    DriveSource source;
    source.tickCount = PlatformTickCount;
    source.drives = PlatformDrives;
    source.driveTypes = PlatformDriveTypes;
    source.volumeNames = PlatformVolumeNames;
    source.rootIcon = PlatformRootIcon;
    return source;
}

DriveSource DriveSourceInUse()
{
    DriveSource source = PlatformDriveSource();
    PreferStandIn(source.tickCount, replacedSource.tickCount);
    PreferStandIn(source.drives, replacedSource.drives);
    PreferStandIn(source.driveTypes, replacedSource.driveTypes);
    PreferStandIn(source.volumeNames, replacedSource.volumeNames);
    PreferStandIn(source.rootIcon, replacedSource.rootIcon);
    return source;
}

DriveSource SetDriveSource(const DriveSource& source)
{
    DriveSource previous = DriveSourceInUse();
    replacedSource = source;
    return previous;
}
