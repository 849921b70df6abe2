// Running a Linux command from a test under Wine, to check files with the
// host's own tools (ImageMagick's identify, say).
#ifndef TESTS_SUPPORT_UNIX_COMMAND_H
#define TESTS_SUPPORT_UNIX_COMMAND_H

#include <string>

// The host path of a Windows path (Wine's wine_get_unix_file_name); empty
// when not under Wine or the path has none.
std::string UnixPathOf(const std::string& windowsPath);
// The Windows path of a host path (Wine's wine_get_dos_file_name); the path
// as given when not under Wine, empty when Wine has none for it.
std::string DosPathOf(const std::string& unixPath);

// Runs the shell command (/bin/sh -c; it must not contain double quotes:
// quote with single ones) and returns what it printed, standard output and
// error together; empty when it cannot be run or gives nothing within
// timeoutMs. Wine starts a Linux program without a process handle to
// wait on, so the output goes to a file in the temporary folder that is
// renamed into place when the command has ended.
std::string RunUnixCommand(const std::string& shellCommand, unsigned timeoutMs = 15000);

#endif
