#include "net/net_test_hooks_win.h"

#if VELMO_TESTING_BUILD

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "net/http_win.h"

namespace {

void WriteUtf8File(const std::wstring& path, const std::wstring& text) {
  int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 0, '\0');
  if (size > 0) {
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size,
                          nullptr, nullptr);
  }
  HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(f);
}

}  // namespace

void RunNetTestSwitches() {
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!argv) return;
  if (count != 6 || std::wstring(argv[1]) != L"/test-http") {
    ::LocalFree(argv);
    return;
  }
  std::wstring shape = argv[2], address = argv[3], output = argv[4], result = argv[5];
  ::LocalFree(argv);
  BOOL ok = FALSE;
  DWORD error = 0;
  if (shape == L"ping") {
    ok = HttpPing(address.c_str());
    error = ok ? 0 : ::GetLastError();
  } else if (shape == L"file" || shape == L"file-operator") {
    HttpGetOptions options;
    options.bOperatorOnly = shape == L"file-operator";
    ok = HttpGetToFile(address.c_str(), output.c_str(), options);
  } else if (shape == L"memory") {
    wchar_t buffer[1024] = {};
    ok = HttpGetToMemory(address.c_str(), buffer, false);
    WriteUtf8File(output, buffer);
  }
  WriteUtf8File(result, L"result=" + std::to_wstring(ok) + L" error=" + std::to_wstring(error));
  ::ExitProcess(0);
}

#endif  // VELMO_TESTING_BUILD
