#include "lifecycle/uninstall_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "app/operator_settings.h"
#include "app/state_store_win.h"
#include "lifecycle/self_delete.h"
#include "lifecycle/shortcut_paths.h"
#include "lifecycle/shortcut_win.h"
#include "lifecycle/statistics.h"
#include "lifecycle/statistics_win.h"
#include "skin/message_box_win.h"

namespace {

bool ListFolder(const std::wstring& folder, std::vector<velmo::FolderEntry>* entries) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"\\*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    velmo::FolderEntry entry;
    entry.name = data.cFileName;
    entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entries->push_back(entry);
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return true;
}

std::wstring FromAnsi(const std::string& text) {
  if (text.empty()) return {};
  int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

}  // namespace

int CountFiles(const wchar_t* folder) {
  return velmo::CountFilesWith(folder ? folder : L"", &ListFolder);
}

int AppendTextFile(const char* path, const char* text) {
  HANDLE file = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return -1;
  DWORD written = 0;
  BOOL ok = ::SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
            ::WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
  DWORD error = ::GetLastError();
  ::CloseHandle(file);
  if (!ok) {
    ::SetLastError(error);
    return -1;
  }
  return static_cast<int>(written);
}

void RemoveShortcuts() {
  const HRESULT com = ::CoInitialize(nullptr);
  DeleteDesktopShortcut(velmo::kShortcutName);
  DeleteStartMenuShortcut(velmo::kShortcutName);
  DeleteStartMenuShortcut(velmo::kUninstallShortcutName);
  const std::wstring folder = StartMenuShortcutFolder();
  if (!folder.empty() && CountFiles(folder.c_str()) == 0) ::RemoveDirectoryW(folder.c_str());
  if (SUCCEEDED(com)) ::CoUninitialize();
}

BOOL ScheduleDeletionOf(const std::string& exePathAnsi) {
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_HIDE;

  char tempFolder[MAX_PATH] = {};
  char tempName[MAX_PATH] = {};
  DWORD n = ::GetTempPathA(MAX_PATH, tempFolder);
  if (n == 0 || n >= MAX_PATH) return FALSE;
  if (!::GetTempFileNameA(tempFolder, "DelSelf", 0, tempName)) return FALSE;
  const std::string batch = std::string(tempName) + ".bat";
  if (batch.size() >= MAX_PATH || exePathAnsi.empty()) return FALSE;

  const std::wstring folder = FromAnsi(velmo::FolderOfPath(exePathAnsi));
  const bool withFolder = !folder.empty() && CountFiles(folder.c_str()) <= 1;
  const std::string text = velmo::SelfDeletionBatchText(exePathAnsi, batch, withFolder);
  if (text.empty()) return FALSE;
  // Appending to a stale file of the same name would run its old text first.
  ::DeleteFileA(batch.c_str());
  if (AppendTextFile(batch.c_str(), text.c_str()) < 0) return FALSE;

  // Quoted, since the temporary folder may hold blanks.
  std::string command = "\"" + batch + "\"";
  std::vector<char> commandLine(command.begin(), command.end());
  commandLine.push_back('\0');
  PROCESS_INFORMATION pi{};
  // Started in the temporary folder: a current folder inherited from the launcher (often
  // the folder to remove) would be held open by the batch's console and make "rd" fail.
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        tempFolder, &si, &pi)) {
    return FALSE;
  }
  ::SetThreadPriority(pi.hThread, THREAD_PRIORITY_IDLE);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  return TRUE;
}

void ScheduleSelfDeletion() {
  char exe[MAX_PATH] = {};
  DWORD n = ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  ScheduleDeletionOf(std::string(exe, n));
}

int UninstallLauncher() {
  DeleteStateKey();
  RemoveShortcuts();
  ScheduleSelfDeletion();
  ReportEvent(L"UnInst",
              velmo::ReportBaseAddress(velmo::Operator().statsHost, L"/uninstall.htm", L"rendo"));
  return SkinMessageBox(nullptr,
                        L"Velmo - Tarvik已成功移除，部分文件将在程序退出\r\n或计算机重启后自行删除",
                        L"Velmo - Tarvik", MB_OK);
}
