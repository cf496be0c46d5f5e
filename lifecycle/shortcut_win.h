// Shell links of the launcher: the desktop shortcut and the two start-menu shortcuts.
// The caller initialises COM for the thread.
#pragma once

#include <windows.h>

#include <string>

// Saves a shell link at linkPath to target (icon: target, index 0) with the arguments and,
// when not empty, the description. FALSE when linkPath is null or COM gives no link object.
BOOL CreateShellLink(const wchar_t* linkPath, const wchar_t* target, const wchar_t* description,
                     const wchar_t* arguments);

// "VelmoTarvik极速登录器" on the all-users desktop with "/RendoD"; first removes an old one
// of that name from the current user's own desktop. FALSE when the target is missing.
BOOL CreateDesktopShortcut(const wchar_t* target);
// name in the all-users start-menu folder "Velmo登录器" (created when missing).
BOOL CreateStartMenuShortcut(const wchar_t* name, const wchar_t* target, const wchar_t* arguments);

// Delete name + ".lnk" from the all-users desktop, respectively the start-menu folder;
// TRUE when a file was deleted.
BOOL DeleteDesktopShortcut(const wchar_t* name);
BOOL DeleteStartMenuShortcut(const wchar_t* name);

// The all-users start-menu folder "Velmo登录器"; empty when there is no programs folder.
std::wstring StartMenuShortcutFolder();
