// The application-wide skinned message box.
#pragma once

#include <windows.h>

// type: MB_OK (0), MB_OKCANCEL (1) or MB_YESNO (4). Returns the button's id, or 0 when
// no box could be shown.
int SkinMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
