#include "app.h"

#include <vector>

namespace {

// GetModuleFileNameA's limit for the program file.
const DWORD kModuleNameLimit = MAX_PATH;
// Accelerator flag that marks the key as a virtual-key code.
const BYTE kVirtualKeyFlag = FVIRTKEY;

}  // namespace

int acceleratorCount = 0;

String FolderOfPath(const String& file)
{
    std::string::size_type separator = file.find_last_of("\\/");
    if (separator == std::string::npos)
        return file;
    return String(file.substr(0, separator));
}

DWORD TicksBetween(DWORD startTick, DWORD nowTick)
{
    return nowTick - startTick;
}

AppObject::AppObject() : startTick(GetTickCount()), accelerators(NULL)
{
    ElapsedTime.Clear();
    FileName.Clear();
    Path.Clear();
    CompileDate.Clear();
    CompileTime.Clear();

    // A zeroed buffer one byte longer than the limit stays terminated even when
    // the name is cut at the limit (older systems then write no terminator).
    char name[kModuleNameLimit + 1] = {};
    GetModuleFileNameA(NULL, name, kModuleNameLimit);
    programFile = name;
    programFolder = FolderOfPath(programFile);

    ElapsedTime.Bind(this, &AppObject::GetElapsedTime, NULL);
    FileName.Bind(this, &AppObject::GetFileName, NULL);
    Path.Bind(this, &AppObject::GetPath, NULL);
    CompileDate.Bind(this, &AppObject::GetCompileDate, NULL);
    CompileTime.Bind(this, &AppObject::GetCompileTime, NULL);
}

AppObject::~AppObject()
{
    ClearAccelerators();
    OleUninitialize();
}

void AppObject::SetArguments(const String& text)
{
    Arguments = text.Split("\t");
    for (String& item : Arguments.items)
        item.ReplaceChar('"', "", 0);
}

// Builds a new table with the entry behind the current ones (CopyAcceleratorTableA,
// CreateAcceleratorTableA); the counter rises only when the new table exists.
int AppObject::AddAccelerator(int command, int key, int flags)
{
    ACCEL entry;
    entry.fVirt = static_cast<BYTE>(flags != 0 ? (flags | kVirtualKeyFlag) : 0);
    entry.key = static_cast<WORD>(key);
    entry.cmd = static_cast<WORD>(command);

    std::vector<ACCEL> entries;
    if (accelerators != NULL && acceleratorCount > 0) {
        entries.resize(acceleratorCount + 1);
        int copied = CopyAcceleratorTableA(accelerators, entries.data(), acceleratorCount);
        entries.resize(copied);
    }
    entries.push_back(entry);

    HACCEL table = CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
    if (table == NULL)
        return command;
    if (accelerators != NULL)
        DestroyAcceleratorTable(accelerators);
    accelerators = table;
    acceleratorCount = static_cast<int>(entries.size());
    return command;
}

void AppObject::ClearAccelerators()
{
    acceleratorCount = 0;
    if (accelerators != NULL)
        DestroyAcceleratorTable(accelerators);
    accelerators = NULL;
}

// Milliseconds since construction (GetTickCount).
DWORD AppObject::GetElapsedTime()
{
    return TicksBetween(startTick, GetTickCount());
}

String AppObject::GetFileName()
{
    return programFile;
}

String AppObject::GetPath()
{
    return programFolder;
}

String AppObject::GetCompileDate()
{
    return __DATE__;
}

String AppObject::GetCompileTime()
{
    return __TIME__;
}
