#include "runtime_check.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The source file as the program's author knows it: its name and the folder it
// sits in ("foundation/property.h"), without the build machine's folders,
// which the compiler writes into __FILE__.
const char* ShortSourceName(const char* file)
{
    if (file == NULL)
        return "";
    const char* last = NULL;
    const char* before = NULL;
    for (const char* at = file; *at != '\0'; ++at) {
        if (*at == '/' || *at == '\\') {
            before = last;
            last = at;
        }
    }
    return before != NULL ? before + 1 : file;
}

}  // namespace

bool RuntimeCheck(bool condition, const char* expression, const char* file, long line,
                  const char* compileDate, const char* compileTime)
{
    if (condition)
        return true;

    // At most MAX_PATH (260) bytes of module name; older systems leave a
    // truncated name unterminated, hence the extra byte.
    char program[MAX_PATH + 1] = "";
    GetModuleFileNameA(NULL, program, MAX_PATH);
    program[MAX_PATH] = '\0';

    char message[1024];
    std::snprintf(message, sizeof message,
                  "Assertion failed!\r\n\r\nProgram: %s\r\nFILE: %s\r\nLINE: %ld\r\n\r\n"
                  "Expression: %s\r\n\r\nCompiled on : %s at %s\r\n\r\n\r\n"
                  "For help, please consult the Wicker toolkit's help manual on the toolkit's web site.",
                  program, ShortSourceName(file), line, expression ? expression : "",
                  compileDate ? compileDate : "", compileTime ? compileTime : "");

    // MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_DEFBUTTON3 (0x212): Ignore is the default.
    int answer = MessageBoxA(NULL, message, "Wicker runtime check",
                             MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_DEFBUTTON3);
    if (answer == IDABORT)
        std::exit(0);
    return false;
}
