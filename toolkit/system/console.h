/// \file
/// A text console opened beside the program's windows.
#ifndef WICKER_SYSTEM_CONSOLE_H
#define WICKER_SYSTEM_CONSOLE_H

#include <windows.h>

#include "../foundation/property.h"
#include "../foundation/string.h"

/// The toolkit's web address.
extern const char WickerWebAddress[];
/// The title a console opened at construction gets: "Wicker Project - " and
/// the web address.
extern const char WickerConsoleTitle[];

/// The process's console (a process has at most one). The wrapper holds the
/// console's input and output handles; destroying it leaves the console open.
class Console {
public:
    ///@{
    /// Standard input and output of the console; null until Open succeeds.
    HANDLE input;
    HANDLE output;
    ///@}
    /// The console window's title, any length (GetConsoleTitleA / SetConsoleTitleA).
    Property<Console, String> Title;

    ///@{
    /// Handles empty; with `open`, Open(WickerConsoleTitle).
    explicit Console(bool open = false);
    Console(const Console& other);
    Console& operator=(const Console& other);
    ///@}

    /// AllocConsole; when it succeeds, sets the title and takes the standard
    /// output and input handles. Returns 0 in every case (see Opened).
    int Open(const String& title);
    /// True when Open got the console's handles.
    bool Opened() const;
    /// WriteConsoleA of the whole text; true when every byte was written.
    bool Write(const String& text);
    /// ReadConsoleA of at most 1023 characters: what was typed, line end included.
    String ReadLine();
    /// FreeConsole; true when it succeeds. The handles become null.
    bool Close();

private:
    void BindProperties();
    String GetTitleValue();
    void SetTitleValue(const String& title);
};

#endif
