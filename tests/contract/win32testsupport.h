#pragma once

// Test helpers that reach the Windows registry and process apart from any store. Kept free of
// <windows.h>, whose macros would clash with the store's own names for hives and types.

#include <string>

namespace tincta::contract {

// True under Wine, or on Windows when the command line holds "--clear-program-key": the tests
// remove the program's key, which on a user's machine holds the user's settings.
bool mayClearProgramKey(int argc, char** argv);

// Removes the key below HKEY_CURRENT_USER with every subkey; true when it is gone.
bool deleteUserKeyTree(const std::wstring& path);

// How many handles the system counts for this process; -1 when it will not tell.
long processHandleCount();

// Runs a command line (a program of the system such as reg.exe) and returns its exit code and
// what it wrote to its standard output; exit code -1 when it could not be started.
struct CommandResult {
    int exitCode = -1;
    std::string output;
};
CommandResult runCommand(const std::wstring& commandLine);

} // namespace tincta::contract
