#include "app/crash_dump_win.h"

#include <dbghelp.h>

#include <cwchar>

namespace {

bool g_bDumpWritten = false;

using MiniDumpWriteDumpFn = BOOL(WINAPI*)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE,
                                          PMINIDUMP_EXCEPTION_INFORMATION,
                                          PMINIDUMP_USER_STREAM_INFORMATION,
                                          PMINIDUMP_CALLBACK_INFORMATION);

// RaiseException inside a frame whose filter writes the dump of that exception, for a
// caller that has no exception pointers of its own. The filter continues execution.
struct SelfRaise {
  HANDLE file;
  DWORD thread;
};
SelfRaise* t_selfRaise = nullptr;

LONG CALLBACK SelfRaiseHandler(EXCEPTION_POINTERS* pointers) {
  // A vectored handler sees every thread's exceptions: only the raising thread's own
  // breakpoint is the one to dump and continue from.
  if (!t_selfRaise || t_selfRaise->thread != ::GetCurrentThreadId() ||
      pointers->ExceptionRecord->ExceptionCode != EXCEPTION_BREAKPOINT) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  SelfRaise* raise = t_selfRaise;
  t_selfRaise = nullptr;
  WriteCrashDump(raise->file, pointers);
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

void WriteCrashDump(HANDLE file, EXCEPTION_POINTERS* pointers) {
  if (!pointers) {
    // MinGW has no structured exception frames; a first vectored handler plays the
    // frame's filter around this one RaiseException.
    SelfRaise raise{file, ::GetCurrentThreadId()};
    t_selfRaise = &raise;
    PVOID handler = ::AddVectoredExceptionHandler(1, &SelfRaiseHandler);
    ::RaiseException(EXCEPTION_BREAKPOINT, 0, 0, nullptr);
    if (handler) ::RemoveVectoredExceptionHandler(handler);
    t_selfRaise = nullptr;
    return;
  }
  MINIDUMP_EXCEPTION_INFORMATION info{};
  info.ThreadId = ::GetCurrentThreadId();
  info.ExceptionPointers = pointers;
  info.ClientPointers = TRUE;

  HMODULE dbghelp = ::LoadLibraryW(L"DbgHelp.dll");
  if (!dbghelp) return;
  auto write = reinterpret_cast<MiniDumpWriteDumpFn>(
      reinterpret_cast<void*>(::GetProcAddress(dbghelp, "MiniDumpWriteDump")));
  if (write) {
    const DWORD types[] = {0x1A25, 0x225, 0};
    for (DWORD type : types) {
      if (write(::GetCurrentProcess(), ::GetCurrentProcessId(), file,
                static_cast<MINIDUMP_TYPE>(type), &info, nullptr, nullptr)) {
        break;
      }
    }
  }
  ::FreeLibrary(dbghelp);
}

LONG WINAPI CrashDumpFilter(EXCEPTION_POINTERS* pointers) {
  if (g_bDumpWritten) return EXCEPTION_EXECUTE_HANDLER;
  // Fixed buffers only: the crash may have left the heap broken, and an allocation here
  // could throw out of the filter or wait forever on the heap's lock.
  wchar_t path[MAX_PATH + 4] = {};
  DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return EXCEPTION_CONTINUE_SEARCH;
  wchar_t* dot = ::wcsrchr(path, L'.');
  if (!dot) return EXCEPTION_CONTINUE_SEARCH;
  ::lstrcpyW(dot, L".dmp");  // at most 4 characters more than the path held
  HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    WriteCrashDump(file, pointers);
    ::CloseHandle(file);
  }
  g_bDumpWritten = true;
  return EXCEPTION_CONTINUE_SEARCH;
}
