// Platform calls gathered in a record of function pointers, so that a test
// can put stand-ins in their place (DriveSource, ShutdownCalls). A member the
// stand-in record leaves null means the platform's own call.
#ifndef WICKER_FOUNDATION_STAND_IN_H
#define WICKER_FOUNDATION_STAND_IN_H

#include <cstddef>

// Takes the stand-in in place of the call in use, where there is one.
template <typename Call>
void PreferStandIn(Call& inUse, Call standIn)
{
    if (standIn != NULL)
        inUse = standIn;
}

#endif
