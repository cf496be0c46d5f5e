// Self-update: the update check against the update server, the download of the new
// executable under the progress dialog, the swap of the two files, and the "/update" run.
#pragma once

#include <windows.h>

#include <string>

// Non-zero when the published release key differs from the running executable's; a
// successful configuration fetch fills the application's m_szUpdAddr. Not unconditional:
// only in run modes that may update and only when IsUpdateDue.
int CheckForUpdate(BOOL unconditional);

// Downloads "update/ConfigRendo.htm" from the update server, reads `Rendo` into key (ANSI,
// at most 63 characters) and `UpdAddr` into m_szUpdAddr, deletes the file; TRUE on success.
// An over-long value reads as empty.
BOOL FetchUpdateConfig(std::string* key);

// The throttle: not when the state key cannot be opened, not on the UTC date of the last
// update, not on a disabled weekday.
bool IsUpdateDue();
bool IsDisabledWeekday(int weekday);

// Runs the progress dialog, checks that the download is the published release, and swaps
// the executables; TRUE when the swap was made. On failure "NewRendo.exe" is registered
// for deletion at the next restart and the running executable stays in place.
BOOL RunUpdate();

// Starts the launcher's own executable with "/update".
void StartUpdateProcess();
