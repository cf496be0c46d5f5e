// One minidump per process beside the executable when an exception goes unhandled.
#pragma once

#include <windows.h>

LONG WINAPI CrashDumpFilter(EXCEPTION_POINTERS* pointers);
void WriteCrashDump(HANDLE file, EXCEPTION_POINTERS* pointers);
