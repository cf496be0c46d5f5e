#include "lifecycle/install_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "app/pavrel3_app_win.h"
#include "app/state_store_win.h"
#include "lifecycle/shortcut_paths.h"
#include "lifecycle/shortcut_win.h"

namespace {

// Creates the installation folder level by level; returns it, empty without a base folder.
std::wstring CreateInstallFolder() {
  const std::wstring folder = InstallFolder();
  if (folder.empty()) return {};
  ::CreateDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str(), nullptr);  // "...\Velmo"
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

std::wstring CopyIntoInstallFolder() {
  const std::wstring exe = GetExePath();
  const std::wstring installed = velmo::InstalledExePath(CreateInstallFolder(), exe);
  if (installed.empty()) return {};
  if (::lstrcmpiW(installed.c_str(), exe.c_str()) != 0) {
    // A copy over a running installed executable fails; the steps go on with that file.
    ::CopyFileW(exe.c_str(), installed.c_str(), FALSE);
  }
  return installed;
}

BOOL InstallLauncher() {
  const HRESULT com = ::CoInitialize(nullptr);
  const std::wstring installed = CopyIntoInstallFolder();
  if (!installed.empty()) {
    CreateDesktopShortcut(installed.c_str());
    CreateStartMenuShortcut(velmo::kShortcutName, installed.c_str(), velmo::kStartArguments);
    CreateStartMenuShortcut(velmo::kUninstallShortcutName, installed.c_str(),
                            velmo::kUninstallArguments);
    LaunchProgram(installed.c_str());
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return TRUE;
}
