#include "lifecycle/shortcut_win.h"

#include <objbase.h>
#include <shlobj.h>

#include "app/state_store_win.h"
#include "lifecycle/shortcut_paths.h"

namespace {

bool IsExistingFile(const wchar_t* path) {
  if (!path || !*path) return false;
  DWORD attributes = ::GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Releases a COM interface at the end of its scope.
template <typename T>
struct ComRelease {
  T* p = nullptr;
  ~ComRelease() {
    if (p) p->Release();
  }
};

}  // namespace

std::wstring StartMenuShortcutFolder() {
  return velmo::StartMenuFolder(ShellFolderPath(CSIDL_COMMON_PROGRAMS));
}

BOOL CreateShellLink(const wchar_t* linkPath, const wchar_t* target, const wchar_t* description,
                     const wchar_t* arguments) {
  if (!linkPath) return FALSE;
  ComRelease<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link.p)))) {
    return FALSE;
  }
  link.p->SetPath(target);
  link.p->SetIconLocation(target, 0);
  ComRelease<IPersistFile> file;
  if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p)))) {
    return FALSE;
  }
  link.p->SetArguments(arguments ? arguments : L"");
  if (description && *description) link.p->SetDescription(description);
  file.p->Save(linkPath, TRUE);
  return TRUE;
}

BOOL CreateDesktopShortcut(const wchar_t* target) {
  if (!IsExistingFile(target)) return FALSE;
  const std::wstring desktop = ShellFolderPath(CSIDL_COMMON_DESKTOPDIRECTORY);
  const std::wstring link = velmo::LinkPath(desktop, velmo::kShortcutName);
  if (link.empty()) return FALSE;
  // An older version put its shortcut on the player's own desktop: one icon is enough.
  const std::wstring own = velmo::UserDesktopLinkPath(ShellFolderPath(CSIDL_PERSONAL), desktop,
                                                      velmo::kShortcutName);
  if (!own.empty() && IsExistingFile(own.c_str())) ::DeleteFileW(own.c_str());
  return CreateShellLink(link.c_str(), target, velmo::kShortcutName, velmo::kStartArguments);
}

BOOL CreateStartMenuShortcut(const wchar_t* name, const wchar_t* target, const wchar_t* arguments) {
  if (!name || !*name || !IsExistingFile(target)) return FALSE;
  const std::wstring folder = StartMenuShortcutFolder();
  const std::wstring link = velmo::LinkPath(folder, name);
  if (link.empty()) return FALSE;
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return CreateShellLink(link.c_str(), target, nullptr, arguments);
}

BOOL DeleteDesktopShortcut(const wchar_t* name) {
  if (!name || !*name) return FALSE;
  const std::wstring link =
      velmo::LinkPath(ShellFolderPath(CSIDL_COMMON_DESKTOPDIRECTORY), name);
  return !link.empty() && ::DeleteFileW(link.c_str());
}

BOOL DeleteStartMenuShortcut(const wchar_t* name) {
  if (!name || !*name) return FALSE;
  const std::wstring link = velmo::LinkPath(StartMenuShortcutFolder(), name);
  return !link.empty() && ::DeleteFileW(link.c_str());
}
