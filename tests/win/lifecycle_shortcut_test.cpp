#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "app/state_store_win.h"
#include "lifecycle/shortcut_paths.h"
#include "lifecycle/shortcut_win.h"
#include "lifecycle/uninstall_win.h"

namespace {

struct LinkInfo {
  bool loaded = false;
  std::wstring target, arguments, description, iconPath, workingFolder;
  int iconIndex = -1;
  WORD hotKey = 0;
};

LinkInfo ReadLink(const std::wstring& path) {
  LinkInfo info;
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
    return info;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
      wchar_t buf[MAX_PATH] = {};
      info.loaded = true;
      link->GetPath(buf, MAX_PATH, nullptr, 0);
      info.target = buf;
      buf[0] = 0;
      link->GetArguments(buf, MAX_PATH);
      info.arguments = buf;
      buf[0] = 0;
      link->GetDescription(buf, MAX_PATH);
      info.description = buf;
      buf[0] = 0;
      link->GetIconLocation(buf, MAX_PATH, &info.iconIndex);
      info.iconPath = buf;
      buf[0] = 0;
      link->GetWorkingDirectory(buf, MAX_PATH);
      info.workingFolder = buf;
      link->GetHotkey(&info.hotKey);
    }
    file->Release();
  }
  link->Release();
  return info;
}

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    target_ = GetExePath();
    desktop_ = ShellFolderPath(CSIDL_COMMON_DESKTOPDIRECTORY);
    menu_ = StartMenuShortcutFolder();
    ASSERT_FALSE(desktop_.empty());
    ASSERT_FALSE(menu_.empty());
  }
  void TearDown() override {
    RemoveShortcuts();
    ::CoUninitialize();
  }
  std::wstring DesktopLink() const { return velmo::LinkPath(desktop_, velmo::kShortcutName); }
  std::wstring MenuLink(const wchar_t* name) const { return velmo::LinkPath(menu_, name); }

  std::wstring target_, desktop_, menu_;
};

}  // namespace

TEST_F(ShortcutTest, CreatesTheThreeShortcutsAsSpecified) {
  EXPECT_TRUE(CreateDesktopShortcut(target_.c_str()));
  EXPECT_TRUE(CreateStartMenuShortcut(velmo::kShortcutName, target_.c_str(), L"/RendoD"));
  EXPECT_TRUE(CreateStartMenuShortcut(velmo::kUninstallShortcutName, target_.c_str(), L"/uninst"));

  struct Expect {
    std::wstring path;
    const wchar_t* arguments;
    const wchar_t* description;
  };
  const Expect expects[] = {
      {DesktopLink(), L"/RendoD", L"VelmoTarvik极速登录器"},
      {MenuLink(velmo::kShortcutName), L"/RendoD", L""},
      {MenuLink(velmo::kUninstallShortcutName), L"/uninst", L""},
  };
  for (const Expect& e : expects) {
    SCOPED_TRACE(std::string(e.path.begin(), e.path.end()));
    LinkInfo link = ReadLink(e.path);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(::lstrcmpiW(link.target.c_str(), target_.c_str()), 0);
    EXPECT_EQ(link.arguments, e.arguments);
    EXPECT_EQ(link.description, e.description);
    EXPECT_EQ(::lstrcmpiW(link.iconPath.c_str(), target_.c_str()), 0);
    EXPECT_EQ(link.iconIndex, 0);
    EXPECT_EQ(link.workingFolder, L"");
    EXPECT_EQ(link.hotKey, 0);
  }
}

TEST_F(ShortcutTest, MissingTargetOrNameCreatesNothing) {
  const std::wstring missing = target_ + L".missing";
  EXPECT_FALSE(CreateDesktopShortcut(missing.c_str()));
  EXPECT_FALSE(CreateDesktopShortcut(L""));
  EXPECT_FALSE(CreateDesktopShortcut(nullptr));
  EXPECT_FALSE(CreateStartMenuShortcut(velmo::kShortcutName, missing.c_str(), L"/RendoD"));
  EXPECT_FALSE(CreateStartMenuShortcut(L"", target_.c_str(), L"/RendoD"));
  EXPECT_FALSE(CreateStartMenuShortcut(nullptr, target_.c_str(), L"/RendoD"));
  EXPECT_FALSE(CreateShellLink(nullptr, target_.c_str(), nullptr, L""));
  EXPECT_FALSE(Exists(DesktopLink()));
  EXPECT_FALSE(Exists(MenuLink(velmo::kShortcutName)));
}

TEST_F(ShortcutTest, DesktopShortcutReplacesTheOneOnTheUsersOwnDesktop) {
  const std::wstring own = velmo::UserDesktopLinkPath(ShellFolderPath(CSIDL_PERSONAL), desktop_,
                                                      velmo::kShortcutName);
  ASSERT_FALSE(own.empty());
  ::CreateDirectoryW(own.substr(0, own.rfind(L'\\')).c_str(), nullptr);
  ASSERT_TRUE(CreateShellLink(own.c_str(), target_.c_str(), nullptr, L"/old"));
  ASSERT_TRUE(Exists(own));
  EXPECT_TRUE(CreateDesktopShortcut(target_.c_str()));
  EXPECT_FALSE(Exists(own));
  EXPECT_TRUE(Exists(DesktopLink()));
}

TEST_F(ShortcutTest, RemoveShortcutsRemovesTheFolderOnlyWhenLeftEmpty) {
  ASSERT_TRUE(CreateDesktopShortcut(target_.c_str()));
  ASSERT_TRUE(CreateStartMenuShortcut(velmo::kShortcutName, target_.c_str(), L"/RendoD"));
  ASSERT_TRUE(CreateStartMenuShortcut(velmo::kUninstallShortcutName, target_.c_str(), L"/uninst"));
  const std::wstring other = menu_ + L"\\readme.txt";
  HANDLE f = ::CreateFileW(other.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  ::CloseHandle(f);

  RemoveShortcuts();
  EXPECT_FALSE(Exists(DesktopLink()));
  EXPECT_FALSE(Exists(MenuLink(velmo::kShortcutName)));
  EXPECT_FALSE(Exists(MenuLink(velmo::kUninstallShortcutName)));
  EXPECT_TRUE(Exists(other));

  ::DeleteFileW(other.c_str());
  EXPECT_FALSE(DeleteStartMenuShortcut(velmo::kShortcutName));  // nothing left to delete
  RemoveShortcuts();
  EXPECT_FALSE(Exists(menu_));
}
