// HTTP transfers of the launcher itself: one plain GET through WinINet.
#pragma once

#include <windows.h>

// Sends a GET without reading the response; TRUE when the request was answered.
BOOL HttpPing(const wchar_t* url);
