#include "app.h"

#include <ole2.h>

#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// GetModuleFileNameA's limit for the program file.
const DWORD kModuleNameLimit = MAX_PATH;
// Accelerator flag that marks the key as a virtual-key code.
const BYTE kVirtualKeyFlag = FVIRTKEY;

// The program's compile stamp, "Jan  1 2011" and "15:10:43", empty until a
// unit records one. Plain arrays, so they are ready before any constructor runs.
char programDate[12] = "";
char programTime[9] = "";
// Whether StartOle's OleInitialize succeeded.
bool oleStarted = false;

// A stamp as one comparable number: yyyymmddhhmmss; 0 for a malformed one.
unsigned long long StampKey(const char* date, const char* time)
{
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    if (date == NULL || time == NULL || std::strlen(date) != 11 || std::strlen(time) != 8)
        return 0;
    const char* found = std::strstr(months, std::string(date, 3).c_str());
    if (found == NULL || (found - months) % 3 != 0)
        return 0;
    unsigned long long month = (found - months) / 3 + 1;
    unsigned long long day = (date[4] == ' ' ? 0 : date[4] - '0') * 10 + (date[5] - '0');
    unsigned long long year = std::strtoul(date + 7, NULL, 10);
    unsigned long long hour = (time[0] - '0') * 10 + (time[1] - '0');
    unsigned long long minute = (time[3] - '0') * 10 + (time[4] - '0');
    unsigned long long second = (time[6] - '0') * 10 + (time[7] - '0');
    return ((((year * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) * 100 + second;
}

}  // namespace

void RecordProgramStamp(const char* date, const char* time)
{
    unsigned long long key = StampKey(date, time);
    if (key == 0 || key <= StampKey(programDate, programTime))
        return;
    std::memcpy(programDate, date, sizeof programDate);
    std::memcpy(programTime, time, sizeof programTime);
}

bool StartOle()
{
    if (!oleStarted)
        oleStarted = SUCCEEDED(OleInitialize(NULL));
    return oleStarted;
}

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
    if (oleStarted)
        OleUninitialize();
    oleStarted = false;
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
    return programDate[0] != '\0' ? String(programDate) : String(__DATE__);
}

String AppObject::GetCompileTime()
{
    return programTime[0] != '\0' ? String(programTime) : String(__TIME__);
}
