// The game-tab process: the login window over the host, then the game frame.
#pragma once

#include <windows.h>

// Runs the login window modally with the host window as parent; its end code.
INT_PTR RunLoginWindow(HWND host);
// Creates the document template, the empty document, its frame and view; TRUE when the
// frame exists (it then is the application's main window).
BOOL CreateGameFrame();
