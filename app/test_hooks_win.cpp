#include "app/test_hooks_win.h"

#if VELMO_TESTING_BUILD

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/crash_dump_win.h"
#include "app/operator_settings.h"
#include "app/state_store_win.h"
#include "net/net_test_hooks_win.h"
#include "skin/skin_gallery_win.h"

void LoadTestOverrides() {
  std::wstring ini = ExePathFor(L"velmo-test.ini");
  if (ini.empty() || ::GetFileAttributesW(ini.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  velmo::OperatorSettings settings = velmo::Operator();
  velmo::ApplyTestOverrides(&settings, [&ini](const std::wstring& key)
                                           -> std::optional<std::wstring> {
    const wchar_t kMissing[] = L"\x01missing\x01";
    wchar_t buf[2048] = {};
    ::GetPrivateProfileStringW(L"operator", key.c_str(), kMissing, buf, 2048, ini.c_str());
    if (std::wstring(buf) == kMissing) return std::nullopt;
    return std::wstring(buf);
  });
  velmo::SetOperatorSettings(settings);
}

namespace {

[[noreturn]] void CrashNow() {
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
  ::ExitProcess(99);  // not reached
}

}  // namespace

void RunTestSwitches() {
  RunNetTestSwitches();
  RunSkinTestSwitches();
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!argv) return;
  std::wstring first = count > 1 ? argv[1] : L"";
  ::LocalFree(argv);
  if (first == L"/test-crash") CrashNow();
  if (first == L"/test-crash-twice") {
    EXCEPTION_RECORD record{};
    record.ExceptionCode = EXCEPTION_BREAKPOINT;
    CONTEXT context{};
    ::RtlCaptureContext(&context);
    EXCEPTION_POINTERS pointers{&record, &context};
    CrashDumpFilter(&pointers);
    std::wstring dump = ExePathFor(nullptr);
    dump = dump.substr(0, dump.rfind(L'.')) + L".dmp";
    ::MoveFileExW(dump.c_str(), (dump + L".first").c_str(), MOVEFILE_REPLACE_EXISTING);
    CrashNow();
  }
}

#endif  // VELMO_TESTING_BUILD
