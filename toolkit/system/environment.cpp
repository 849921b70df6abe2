// The environment functions of the system object.
#include "environment.h"

#include "system.h"

#include <vector>

namespace {

// What GetEnvironmentVariable gives for a missing or empty variable.
const char kMissingVariable[] = "WKP_ERROR";

}  // namespace

bool SystemObject::SetEnvironmentVariable(const String& name, const String& value)
{
    return ::SetEnvironmentVariableA(name.CStr(), value.CStr()) != FALSE;
}

String SystemObject::GetEnvironmentVariable(const String& name)
{
    return ReadEnvironmentVariable(name);
}

// GetEnvironmentVariableA reports a value that does not fit by returning the
// size it needs (terminator included) without filling the buffer; the value
// is then read again in a buffer of that size, as often as it keeps growing.
String ReadEnvironmentVariable(const String& name, DWORD firstBuffer)
{
    std::vector<char> buffer(firstBuffer > 0 ? firstBuffer : 1, '\0');
    for (;;) {
        DWORD length = ::GetEnvironmentVariableA(name.CStr(), buffer.data(),
                                               static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return kMissingVariable;
        if (length < buffer.size())
            return String(buffer.data(), length);
        buffer.assign(length + 1, '\0');
    }
}
