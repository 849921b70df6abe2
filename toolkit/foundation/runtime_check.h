/// \file
/// The toolkit's assertion routine and its "Wicker runtime check" message box.
#ifndef WICKER_FOUNDATION_RUNTIME_CHECK_H
#define WICKER_FOUNDATION_RUNTIME_CHECK_H

/// For a false condition, shows the runtime-check message box (no owner, caption
/// "Wicker runtime check", Abort/Retry/Ignore with Ignore the default). Abort ends
/// the process through exit(0); Retry and Ignore return. Returns the condition, so
/// that a caller can skip an operation that cannot be carried out.
bool RuntimeCheck(bool condition, const char* expression, const char* file, long line,
                  const char* compileDate, const char* compileTime);

/// The message names the source file by its folder and name ("foundation/property.h").
/// Checks an expression, naming it exactly as written, with the file, line and the
/// compile date and time of the unit that contains the check. Yields the condition.
#define WICKER_CHECK(expression) \
    ::RuntimeCheck(static_cast<bool>(expression), #expression, __FILE__, __LINE__, __DATE__, __TIME__)

#endif
