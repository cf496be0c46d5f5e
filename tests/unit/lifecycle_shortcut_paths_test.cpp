#include "lifecycle/shortcut_paths.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmo;

TEST(ShortcutPathsTest, LinkAndStartMenuPaths) {
  EXPECT_EQ(LinkPath(L"C:\\Users\\Public\\Desktop", kShortcutName),
            L"C:\\Users\\Public\\Desktop\\VelmoTarvik极速登录器.lnk");
  const std::wstring menu =
      StartMenuFolder(L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs");
  EXPECT_EQ(menu, L"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Velmo登录器");
  EXPECT_EQ(LinkPath(menu, kUninstallShortcutName),
            menu + L"\\卸载 VelmoTarvik极速登录器.lnk");
  EXPECT_EQ(LinkPath(L"", kShortcutName), L"");
  EXPECT_EQ(LinkPath(L"C:\\x", L""), L"");
  EXPECT_EQ(StartMenuFolder(L""), L"");
}

TEST(ShortcutPathsTest, UserDesktopLinkFollowsTheProfileOfTheDocumentsFolder) {
  struct Case {
    const wchar_t* personal;
    const wchar_t* commonDesktop;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"C:\\Users\\p\\Documents", L"C:\\Users\\Public\\Desktop",
       L"C:\\Users\\p\\Desktop\\VelmoTarvik极速登录器.lnk"},
      {L"C:\\Documents and Settings\\p\\My Documents",
       L"C:\\Documents and Settings\\All Users\\桌面",
       L"C:\\Documents and Settings\\p\\桌面\\VelmoTarvik极速登录器.lnk"},
      {L"Documents", L"C:\\Users\\Public\\Desktop", L""},
      {L"C:\\Users\\p\\Documents", L"Desktop", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UserDesktopLinkPath(c.personal, c.commonDesktop, kShortcutName), c.expected);
  }
}

TEST(ShortcutPathsTest, InstalledExeKeepsItsOwnFileName) {
  const std::wstring install = L"C:\\ProgramData\\Velmo\\GameLogin";
  EXPECT_EQ(InstalledExePath(install, L"D:\\Downloads\\VelmoTarvik (1).exe"),
            install + L"\\VelmoTarvik (1).exe");
  EXPECT_EQ(InstalledExePath(install, L"VelmoTarvik.exe"), L"");
}

TEST(ShortcutPathsTest, PathsLongerThanTheBufferAreRefused) {
  const std::wstring folder = L"C:\\" + std::wstring(kPathChars - 3 - 1 - 5 - 1, L'a');
  // folder + "\" + "x" + ".lnk" is exactly 259 characters: fits with its terminator.
  EXPECT_EQ(LinkPath(folder, L"x").size(), kPathChars - 1);
  EXPECT_EQ(LinkPath(folder, L"xy"), L"");
  EXPECT_EQ(InstalledExePath(folder, L"D:\\" + std::wstring(10, L'v')), L"");
}
