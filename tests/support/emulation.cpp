#include "emulation.h"

#include <cstdlib>
#include <cstring>

bool UnderEmulator()
{
    const char* value = std::getenv("TUCKLE_WIN32_EMULATED");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

unsigned long EmulatorScaled(unsigned long milliseconds)
{
    return UnderEmulator() ? milliseconds * 10 : milliseconds;
}
