#include "app/run_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using velmo::DecideRunMode;

namespace {

const std::wstring kInstall = L"C:\\ProgramData\\Velmo\\GameLogin";
const std::wstring kInstalledExe = L"C:\\ProgramData\\Velmo\\GameLogin\\VelmoTarvik.exe";
const std::wstring kElsewhereExe = L"C:\\Users\\p\\Downloads\\VelmoTarvik.exe";

int ModeOf(std::vector<std::wstring> args, const std::wstring& exe = kElsewhereExe) {
  args.insert(args.begin(), L"VelmoTarvik.exe");
  return DecideRunMode(args, exe, kInstall).mode;
}

}  // namespace

TEST(RunModeTest, SwitchesAreWholeAndCaseInsensitive) {
  struct Case {
    std::wstring arg;
    int mode;
  };
  const Case cases[] = {
      {L"/ZuraV", 1},   {L"/zurav", 1},  {L"/ZURAV", 1},   {L"/RendoD", 2},  {L"/rendod", 2},
      {L"/uninst", 4},  {L"/UNINST", 4}, {L"/update", 5},  {L"/Update", 5},
      // One character more or less is no switch: the folder test decides.
      {L"/ZuraVx", 0},  {L"/ZuraV ", 0}, {L"/Zura", 0},    {L"ZuraV", 0},    {L"", 0},
      {L"/RendoDD", 0}, {L"/newgmx", 0}, {L"/test-crash", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ModeOf({c.arg}), c.mode) << std::string(c.arg.begin(), c.arg.end());
  }
  EXPECT_EQ(ModeOf({L"/ZuraVx"}, kInstalledExe), 3);
  // Only the first argument is inspected.
  EXPECT_EQ(ModeOf({L"x", L"/uninst"}), 0);
  EXPECT_EQ(ModeOf({L"/uninst", L"/ZuraV"}), 4);
}

TEST(RunModeTest, FolderTestIsCaseInsensitiveSubstring) {
  EXPECT_EQ(ModeOf({}), 0);
  EXPECT_EQ(ModeOf({}, kInstalledExe), 3);
  EXPECT_EQ(ModeOf({}, L"c:\\programdata\\velmo\\gamelogin\\sub\\VelmoTarvik.exe"), 3);
  // Not a prefix test: any path that merely contains the folder's path counts.
  EXPECT_EQ(ModeOf({}, L"D:\\copy\\C:\\ProgramData\\Velmo\\GameLoginX\\a.exe"), 3);
  EXPECT_EQ(ModeOf({}, L"C:\\ProgramData\\Velmo\\Game\\a.exe"), 0);
  // Without an installation folder nothing counts as installed.
  EXPECT_EQ(DecideRunMode({L"exe"}, kInstalledExe, L"").mode, 0);
}

TEST(RunModeTest, GameTabArguments) {
  std::vector<std::wstring> args = {L"exe", L"/newgm", L"/1234", L"/2"};
  auto d = DecideRunMode(args, kElsewhereExe, kInstall);
  EXPECT_EQ(d.mode, 6);
  EXPECT_TRUE(d.argumentsValid);
  EXPECT_EQ(d.hostWnd, 1234);
  EXPECT_EQ(d.tabIndex, 2);

  // The first character is skipped whatever it is.
  d = DecideRunMode({L"exe", L"/NEWGM", L"x1234", L"#0"}, kElsewhereExe, kInstall);
  EXPECT_TRUE(d.argumentsValid);
  EXPECT_EQ(d.hostWnd, 1234);
  EXPECT_EQ(d.tabIndex, 0);

  d = DecideRunMode({L"exe", L"/gmhall", L"/99887766"}, kElsewhereExe, kInstall);
  EXPECT_EQ(d.mode, 7);
  EXPECT_TRUE(d.argumentsValid);
  EXPECT_EQ(d.hostWnd, 99887766);
}

TEST(RunModeTest, BadGameTabArgumentsAreRefused) {
  // The longest arguments that fit: 15 characters for the handle, 7 for the index.
  const std::wstring handle15 = L"/12345678901234";
  const std::wstring index7 = L"/123456";
  ASSERT_EQ(handle15.size(), velmo::kMaxHandleArgLength);
  ASSERT_EQ(index7.size(), velmo::kMaxIndexArgLength);
  auto ok = DecideRunMode({L"exe", L"/newgm", handle15, index7}, kElsewhereExe, kInstall);
  EXPECT_TRUE(ok.argumentsValid);
  EXPECT_EQ(ok.tabIndex, 123456);

  const std::vector<std::vector<std::wstring>> bad = {
      {L"exe", L"/newgm"},
      {L"exe", L"/newgm", L"/1234"},
      {L"exe", L"/newgm", L"", L"/1"},
      {L"exe", L"/newgm", L"/", L"/1"},
      {L"exe", L"/newgm", L"/abc", L"/1"},
      {L"exe", L"/newgm", L"/12ab", L"/1"},
      {L"exe", L"/newgm", L"/-", L"/1"},
      {L"exe", L"/newgm", L"/0", L"/1"},
      {L"exe", L"/newgm", handle15 + L"5", L"/1"},
      {L"exe", L"/newgm", L"/1234", index7 + L"7"},
      {L"exe", L"/newgm", L"/1234", L"/"},
      {L"exe", L"/newgm", L"/1234", std::wstring(5000, L'9')},
      {L"exe", L"/gmhall"},
      {L"exe", L"/gmhall", L"/x"},
      {L"exe", L"/gmhall", std::wstring(100000, L'/')},
  };
  for (const auto& args : bad) {
    auto d = DecideRunMode(args, kElsewhereExe, kInstall);
    EXPECT_FALSE(d.argumentsValid) << args.size();
    EXPECT_EQ(d.hostWnd, 0);
    EXPECT_TRUE(d.mode == 6 || d.mode == 7);
  }
}

TEST(RunModeTest, ParseWindowArgumentSigns) {
  std::int64_t v = 0;
  EXPECT_TRUE(velmo::ParseWindowArgument(L"/-5", 7, &v));
  EXPECT_EQ(v, -5);
  EXPECT_TRUE(velmo::ParseWindowArgument(L"/+5", 7, &v));
  EXPECT_EQ(v, 5);
  EXPECT_FALSE(velmo::ParseWindowArgument(L"/ 5", 7, &v));
}
