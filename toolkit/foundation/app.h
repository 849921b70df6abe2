/// \file
/// The process-wide application object: program file and folder, elapsed time,
/// compile stamp, argument list and keyboard accelerator table.
#ifndef WICKER_FOUNDATION_APP_H
#define WICKER_FOUNDATION_APP_H

#include <windows.h>

#include "property.h"
#include "string.h"
#include "string_list.h"

/// What the toolkit knows about the running program. One per program (`App`);
/// it owns the accelerator table and is not copied.
class AppObject {
public:
    /// GetTickCount when the object was built.
    DWORD startTick;
    /// Full path of the program's module file.
    String programFile;
    /// The program file cut before its last separator (no trailing separator).
    String programFolder;
    /// Argument list, empty at start; changed by SetArguments only.
    StringList Arguments;
    /// Keyboard accelerator table, null while it holds no entry.
    HACCEL accelerators;

    /// Milliseconds since construction, correct across one wrap of the tick counter.
    Property<AppObject, DWORD> ElapsedTime;
    /// Copy of the program file.
    Property<AppObject, String> FileName;
    /// Copy of the program folder.
    Property<AppObject, String> Path;
    /// When the program was built, as "Jan  1 2011": the latest compile stamp of
    /// the program's units that include wicker.h (see RecordProgramStamp); the
    /// toolkit's own stamp only when no such unit exists.
    Property<AppObject, String> CompileDate;
    /// The time of that stamp, as "15:10:43".
    Property<AppObject, String> CompileTime;

    AppObject();
    ///@{
    /// Destroys the accelerator table and balances the toolkit's OleInitialize
    /// (only when it succeeded; see StartOle).
    ~AppObject();
    AppObject(const AppObject&) = delete;
    AppObject& operator=(const AppObject&) = delete;
    ///@}

    /// Splits the text at tabs into Arguments and removes every double quote from each item.
    void SetArguments(const String& text);
    /// Adds one entry (command, virtual key or character, FALT/FCONTROL/FSHIFT flags)
    /// to the accelerator table; returns the command.
    int AddAccelerator(int command, int key, int flags);
    /// Empties the accelerator table (DestroyAcceleratorTable).
    void ClearAccelerators();

private:
    DWORD GetElapsedTime();
    String GetFileName();
    String GetPath();
    String GetCompileDate();
    String GetCompileTime();
};

/// Records a unit's compile stamp (__DATE__, __TIME__) as the program's when it
/// is later than the one recorded so far. wicker.h calls it from every unit of
/// the program that includes it, before the entry point runs.
void RecordProgramStamp(const char* date, const char* time);

/// OleInitialize on this thread, once for the process: true when OLE is
/// started. Only a successful start is balanced by App's OleUninitialize.
bool StartOle();

/// Number of entries in the accelerator table of `App`; process-wide, 0 at start.
extern int acceleratorCount;

/// The one application object of the program, built by the toolkit's start-up.
extern AppObject App;

/// The file path cut before its last '\' or '/' (the separator removed); a path
/// without a separator comes back whole.
String FolderOfPath(const String& file);

/// Milliseconds from the start tick to the current tick, in unsigned 32-bit
/// arithmetic so that one wrap of the tick counter still gives the right answer.
DWORD TicksBetween(DWORD startTick, DWORD nowTick);

#endif
