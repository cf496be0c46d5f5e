// Uninstallation and self-deletion.
#pragma once

#include <windows.h>

#include <string>

// Removes the launcher after the player confirmed: the registry key, the shortcuts, the
// executable (by a batch file once the process has ended); counts and reports the
// uninstallation and shows the final message. Returns the message box's result.
int UninstallLauncher();

// Deletes the three shortcuts, and the start-menu folder when it is left without files.
void RemoveShortcuts();

// Writes and starts the hidden batch file that deletes the running executable once it
// is free (and its folder, when the executable is the folder's only file).
void ScheduleSelfDeletion();
// The same for any file, given in the ANSI code page; TRUE when the batch file started.
BOOL ScheduleDeletionOf(const std::string& exePathAnsi);

// Files in the folder and its subfolders; 0 for a null or empty path, 1 when the folder
// cannot be listed.
int CountFiles(const wchar_t* folder);

// Appends text to the file (created when missing); the bytes written, or -1 with the
// system's error code kept.
int AppendTextFile(const char* path, const char* text);
