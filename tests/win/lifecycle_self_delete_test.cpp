#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "lifecycle/uninstall_win.h"

namespace {

std::string TempFolder() {
  char buf[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, buf);
  return buf;
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path, const char* text = "x") {
  ASSERT_GE(AppendTextFile(path.c_str(), text), 0) << path;
}

bool WaitUntilGone(const std::string& path, DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += 100) {
    if (!Exists(path)) return true;
    ::Sleep(100);
  }
  return !Exists(path);
}

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

}  // namespace

TEST(SelfDeleteTest, BatchDeletesExecutableAndItsFolderDespitePercentSigns) {
  // Without doubling, cmd would read "%PATH%" and "%1" as variables and miss the files.
  const std::string folder = TempFolder() + "lc%PATH%only";
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr) || Exists(folder));
  const std::string exe = folder + "\\v%1.exe";
  WriteFile(exe);
  EXPECT_EQ(CountFiles(Wide(folder).c_str()), 1);
  ASSERT_TRUE(ScheduleDeletionOf(exe));
  EXPECT_TRUE(WaitUntilGone(folder, 20000));
  EXPECT_FALSE(Exists(exe));
}

TEST(SelfDeleteTest, BatchWaitsForTheFileAndKeepsAFolderWithOtherFiles) {
  const std::string folder = TempFolder() + "lc%%kept";
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr) || Exists(folder));
  const std::string exe = folder + "\\v.exe";
  const std::string settings = folder + "\\Statistic.ini";
  WriteFile(exe);
  WriteFile(settings);
  // Held open without delete sharing, as a running executable is.
  HANDLE busy = ::CreateFileA(exe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(ScheduleDeletionOf(exe));
  ::Sleep(3000);
  EXPECT_TRUE(Exists(exe));
  ::CloseHandle(busy);
  EXPECT_TRUE(WaitUntilGone(exe, 20000));
  ::Sleep(1000);
  EXPECT_TRUE(Exists(settings));
  ::DeleteFileA(settings.c_str());
  ::RemoveDirectoryA(folder.c_str());
}

TEST(SelfDeleteTest, CountFilesOnARealTree) {
  const std::string root = TempFolder() + "lc_count";
  ::CreateDirectoryA(root.c_str(), nullptr);
  ::CreateDirectoryA((root + "\\sub").c_str(), nullptr);
  ::CreateDirectoryA((root + "\\sub\\empty").c_str(), nullptr);
  WriteFile(root + "\\a");
  WriteFile(root + "\\sub\\b");
  WriteFile(root + "\\sub\\c");
  EXPECT_EQ(CountFiles(Wide(root).c_str()), 3);
  EXPECT_EQ(CountFiles(Wide(root + "\\sub\\empty").c_str()), 0);
  EXPECT_EQ(CountFiles(Wide(root + "\\missing").c_str()), 1);
  EXPECT_EQ(CountFiles(nullptr), 0);
  EXPECT_EQ(CountFiles(L""), 0);
}

TEST(SelfDeleteTest, AppendTextFileAppendsAndReportsFailure) {
  const std::string path = TempFolder() + "lc_append.txt";
  ::DeleteFileA(path.c_str());
  EXPECT_EQ(AppendTextFile(path.c_str(), "ab"), 2);
  EXPECT_EQ(AppendTextFile(path.c_str(), "cde"), 3);
  char buf[16] = {};
  DWORD got = 0;
  HANDLE f = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  ::ReadFile(f, buf, sizeof(buf) - 1, &got, nullptr);
  ::CloseHandle(f);
  EXPECT_STREQ(buf, "abcde");
  ::DeleteFileA(path.c_str());

  ::SetLastError(0);
  EXPECT_EQ(AppendTextFile((TempFolder() + "no\\such\\folder\\x.txt").c_str(), "x"), -1);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}
