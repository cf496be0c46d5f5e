#include "lifecycle/self_delete.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using velmo::CountFilesWith;
using velmo::FolderEntry;
using velmo::SelfDeletionBatchText;

TEST(SelfDeleteTest, BatchTextWithoutFolderLines) {
  EXPECT_EQ(SelfDeletionBatchText("C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe",
                                  "C:\\TEMP\\Del1A2B.tmp.bat", false),
            "cd\\\r\n"
            ":delexe\r\n"
            "ping -n 1 127.0.0.1\r\n"
            "del \"C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe\"\r\n"
            "if exist \"C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe\" goto :delexe\r\n"
            "del \"C:\\TEMP\\Del1A2B.tmp.bat\"\r\n");
}

TEST(SelfDeleteTest, BatchTextWithFolderLines) {
  EXPECT_EQ(SelfDeletionBatchText("C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe",
                                  "C:\\TEMP\\Del1A2B.tmp.bat", true),
            "cd\\\r\n"
            ":delexe\r\n"
            "ping -n 1 127.0.0.1\r\n"
            "del \"C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe\"\r\n"
            "if exist \"C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe\" goto :delexe\r\n"
            "del \"C:\\ProgramData\\Velmo\\GameLogin\" /Q /F /A\r\n"
            "rd \"C:\\ProgramData\\Velmo\\GameLogin\"\r\n"
            "del \"C:\\TEMP\\Del1A2B.tmp.bat\"\r\n");
}

TEST(SelfDeleteTest, EveryPercentInEveryPathIsDoubled) {
  // "%USERNAME%" would otherwise be expanded by cmd and "%1" replaced by an argument.
  EXPECT_EQ(SelfDeletionBatchText("C:\\a%USERNAME%\\50%1.exe", "C:\\t%%\\D.bat", true),
            "cd\\\r\n"
            ":delexe\r\n"
            "ping -n 1 127.0.0.1\r\n"
            "del \"C:\\a%%USERNAME%%\\50%%1.exe\"\r\n"
            "if exist \"C:\\a%%USERNAME%%\\50%%1.exe\" goto :delexe\r\n"
            "del \"C:\\a%%USERNAME%%\" /Q /F /A\r\n"
            "rd \"C:\\a%%USERNAME%%\"\r\n"
            "del \"C:\\t%%%%\\D.bat\"\r\n");
}

TEST(SelfDeleteTest, CodePageBytesPassThrough) {
  // "登录器" in code page 936; the byte after a lead byte is never "%" and stays as it is.
  const std::string exe = "C:\\\xB5\xC7\xC2\xBC\xC6\xF7\\v.exe";
  std::string text = SelfDeletionBatchText(exe, "C:\\b.bat", false);
  EXPECT_NE(text.find("del \"" + exe + "\"\r\n"), std::string::npos);
}

TEST(SelfDeleteTest, TextThatDoesNotFitTheBufferIsRefused) {
  // Find the longest executable path whose folder variant still fits.
  const std::string batch = "C:\\b.bat";
  auto exeOf = [](size_t n, char fill) { return "C:\\" + std::string(n, fill) + "\\v.exe"; };
  size_t longest = 0;
  for (size_t n = 300; n < 500; ++n) {
    if (!SelfDeletionBatchText(exeOf(n, 'a'), batch, true).empty()) longest = n;
  }
  ASSERT_GT(longest, 300u);
  // Each character more adds four bytes (two executable and two folder paths).
  EXPECT_GE(SelfDeletionBatchText(exeOf(longest, 'a'), batch, true).size(),
            velmo::kBatchBufferBytes - 4);
  EXPECT_TRUE(SelfDeletionBatchText(exeOf(longest + 1, 'a'), batch, true).empty());
  // Doubling counts against the buffer: the same length in "%" cannot fit.
  EXPECT_TRUE(SelfDeletionBatchText(exeOf(longest, '%'), batch, true).empty());
  // Without the folder lines the same path fits.
  EXPECT_FALSE(SelfDeletionBatchText(exeOf(longest + 1, 'a'), batch, false).empty());
}

TEST(SelfDeleteTest, FolderOfPath) {
  EXPECT_EQ(velmo::FolderOfPath("C:\\a\\b.exe"), "C:\\a");
  EXPECT_EQ(velmo::FolderOfPath("C:\\b.exe"), "C:");
  EXPECT_EQ(velmo::FolderOfPath("b.exe"), "");
}

namespace {

// A fake file system: folder path -> entries; a folder missing from the map cannot be listed.
struct FakeTree {
  std::map<std::wstring, std::vector<FolderEntry>> folders;
  std::vector<std::wstring> listed;
  int Count(const std::wstring& folder) {
    return CountFilesWith(folder, [this](const std::wstring& f, std::vector<FolderEntry>* out) {
      listed.push_back(f);
      auto it = folders.find(f);
      if (it == folders.end()) return false;
      *out = it->second;
      return true;
    });
  }
};

FolderEntry File(const wchar_t* name) { return {name, false, false}; }
FolderEntry Dir(const wchar_t* name) { return {name, true, false}; }
FolderEntry Link(const wchar_t* name) { return {name, true, true}; }

}  // namespace

TEST(CountFilesTest, CountsFilesRecursivelyButNotFolders) {
  FakeTree t;
  t.folders[L"C:\\g"] = {Dir(L"."), Dir(L".."), File(L"v.exe"), Dir(L"sub"), Dir(L"empty")};
  t.folders[L"C:\\g\\sub"] = {Dir(L"."), Dir(L".."), File(L"a"), File(L"b"), Dir(L"deep")};
  t.folders[L"C:\\g\\sub\\deep"] = {Dir(L"."), Dir(L".."), File(L"c")};
  t.folders[L"C:\\g\\empty"] = {Dir(L"."), Dir(L"..")};
  EXPECT_EQ(t.Count(L"C:\\g"), 4);
  EXPECT_EQ(t.Count(L"C:\\g\\empty"), 0);
}

TEST(CountFilesTest, EmptyPathUnlistableFolderAndLinks) {
  FakeTree t;
  EXPECT_EQ(t.Count(L""), 0);
  EXPECT_TRUE(t.listed.empty());
  EXPECT_EQ(t.Count(L"C:\\missing"), 1);
  // An unlistable subfolder counts as one file, so its folder is never taken for empty.
  t.folders[L"C:\\g"] = {File(L"v.exe"), Dir(L"locked")};
  EXPECT_EQ(t.Count(L"C:\\g"), 2);
  // A link back to an ancestor is counted, not followed.
  t.folders[L"C:\\loop"] = {File(L"v.exe"), Link(L"back")};
  t.listed.clear();
  EXPECT_EQ(t.Count(L"C:\\loop"), 2);
  EXPECT_EQ(t.listed, std::vector<std::wstring>{L"C:\\loop"});
}
