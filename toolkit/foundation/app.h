// The process-wide application object: program file and folder, elapsed time,
// compile stamp, argument list and keyboard accelerator table.
#ifndef WICKER_FOUNDATION_APP_H
#define WICKER_FOUNDATION_APP_H

#include <windows.h>

#include "property.h"
#include "string.h"
#include "string_list.h"

// What the toolkit knows about the running program. One per program (`App`);
// it owns the accelerator table and is not copied.
class AppObject {
public:
    // GetTickCount when the object was built.
    DWORD startTick;
    // Full path of the program's module file.
    String programFile;
    // The program file cut before its last separator (no trailing separator).
    String programFolder;
    // Argument list, empty at start; changed by SetArguments only.
    StringList Arguments;
    // Keyboard accelerator table, null while it holds no entry.
    HACCEL accelerators;

    // Milliseconds since construction, correct across one wrap of the tick counter.
    Property<AppObject, DWORD> ElapsedTime;
    // Copy of the program file.
    Property<AppObject, String> FileName;
    // Copy of the program folder.
    Property<AppObject, String> Path;
    // Compile date of the toolkit unit that builds the App, as "Jan  1 2011".
    Property<AppObject, String> CompileDate;
    // Compile time of that unit, as "15:10:43".
    Property<AppObject, String> CompileTime;

    AppObject();
    // Destroys the accelerator table and balances the OleInitialize calls of picture loading.
    ~AppObject();
    AppObject(const AppObject&) = delete;
    AppObject& operator=(const AppObject&) = delete;

    // Splits the text at tabs into Arguments and removes every double quote from each item.
    void SetArguments(const String& text);
    // Adds one entry (command, virtual key or character, FALT/FCONTROL/FSHIFT flags)
    // to the accelerator table; returns the command.
    int AddAccelerator(int command, int key, int flags);
    // Empties the accelerator table (DestroyAcceleratorTable).
    void ClearAccelerators();

private:
    DWORD GetElapsedTime();
    String GetFileName();
    String GetPath();
    String GetCompileDate();
    String GetCompileTime();
};

// Number of entries in the accelerator table of `App`; process-wide, 0 at start.
extern int acceleratorCount;

// The one application object of the program, built by the toolkit's start-up.
extern AppObject App;

// The file path cut before its last '\' or '/' (the separator removed); a path
// without a separator comes back whole.
String FolderOfPath(const String& file);

// Milliseconds from the start tick to the current tick, in unsigned 32-bit
// arithmetic so that one wrap of the tick counter still gives the right answer.
DWORD TicksBetween(DWORD startTick, DWORD nowTick);

#endif
