// Installation into the installation folder, with its shortcuts.
#pragma once

#include <windows.h>

#include <string>

// Copies the executable into the installation folder, creates the shortcuts and starts
// the installed copy. Returns TRUE; failures of the single steps pass silently.
BOOL InstallLauncher();

// Creates the installation folder and copies the running executable into it under its own
// file name (unless it runs from there); returns the installed path, empty when it has none.
std::wstring CopyIntoInstallFolder();
