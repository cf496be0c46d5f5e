// Self-update: the update check against the update server and the swap of executables.
#pragma once

#include <windows.h>

// Non-zero when an update is available; fills the application's m_szUpdAddr.
int CheckForUpdate(BOOL unconditional);
// Runs the progress dialog and swaps the executables; TRUE when the new one is in place.
BOOL RunUpdate();
