// Installation into the installation folder, with its shortcuts.
#pragma once

#include <windows.h>

// Copies the executable into the installation folder, creates the shortcuts and starts
// the installed copy.
BOOL InstallLauncher();
