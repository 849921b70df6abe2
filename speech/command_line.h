#pragma once

#include <string>

// The text that the game hands to the speech program: everything on the
// command line after the program's own path, read by the runtime library's
// argument rules, except that whitespace outside quotes is kept as it
// stands, so the whole rest of the line is one argument. A quote that is
// never closed runs to the end of the line.
std::string ArgumentFromCommandLine(const std::string& commandLine);

// The argument quoted for a command line so that the runtime library's
// argument rules give it back unchanged.
std::string QuoteArgument(const std::string& argument);
