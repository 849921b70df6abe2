// Playing a sound resource of the program.
#include "system.h"

namespace {

// The resource type of the program's sounds.
const char kWaveType[] = "WAVE";

}  // namespace

// FindResourceA, LoadResource, LockResource, then sndPlaySoundA from memory;
// the call returns when the sound has played.
int SystemObject::PlaySound(WORD resourceId)
{
    HMODULE program = GetModuleHandleA(NULL);
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(resourceId), kWaveType);
    if (found == NULL)
        return 0;
    HGLOBAL loaded = LoadResource(program, found);
    if (loaded == NULL)
        return 0;
    const void* sound = LockResource(loaded);
    if (sound == NULL) {
        FreeResource(loaded);
        return 0;
    }
    BOOL played = sndPlaySoundA(static_cast<LPCSTR>(sound), SND_MEMORY | SND_NODEFAULT);
    FreeResource(loaded);
    return played ? 1 : 0;
}
