// Uninstallation and self-deletion.
#pragma once

#include <windows.h>

// Removes the launcher after the player confirmed; returns the final message box's result.
int UninstallLauncher();
