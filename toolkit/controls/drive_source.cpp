#include "drive_source.h"

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
    if (replacedSource.tickCount != NULL)
        source.tickCount = replacedSource.tickCount;
    if (replacedSource.drives != NULL)
        source.drives = replacedSource.drives;
    if (replacedSource.driveTypes != NULL)
        source.driveTypes = replacedSource.driveTypes;
    if (replacedSource.volumeNames != NULL)
        source.volumeNames = replacedSource.volumeNames;
    if (replacedSource.rootIcon != NULL)
        source.rootIcon = replacedSource.rootIcon;
    return source;
}

DriveSource SetDriveSource(const DriveSource& source)
{
    DriveSource previous = DriveSourceInUse();
    replacedSource = source;
    return previous;
}
