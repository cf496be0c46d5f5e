#include "app/state_store_win.h"
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring BesideExe() { return ExePathFor(kSettingsFileName); }

class StateStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::DeleteFileW(BesideExe().c_str());
    ::DeleteFileW(InstallSettingsPath().c_str());
    ::SHCreateDirectoryExW(nullptr, InstallFolder().c_str(), nullptr);
    DeleteStateKey();
  }
  void TearDown() override { SetUp(); }
};

}  // namespace

TEST_F(StateStoreTest, ExePathFor) {
  std::wstring exe = GetExePath();
  ASSERT_FALSE(exe.empty());
  wchar_t out[260];
  ASSERT_TRUE(GetExePathFor(L"Statistic.ini", out));
  std::wstring folder = exe.substr(0, exe.rfind(L'\\') + 1);
  EXPECT_EQ(std::wstring(out), folder + L"Statistic.ini");
  ASSERT_TRUE(GetExePathFor(nullptr, out));
  EXPECT_EQ(std::wstring(out), exe);
  // A name that would not fit the 260-character buffer is refused, not truncated.
  EXPECT_FALSE(GetExePathFor(std::wstring(300, L'a').c_str(), out));
  EXPECT_EQ(out[0], L'\0');
}

TEST_F(StateStoreTest, CountersLiveInTheInstallationFolder) {
  EXPECT_EQ(IncrementCounter(L"Game"), 1u);
  EXPECT_EQ(IncrementCounter(L"Game"), 2u);
  ::WritePrivateProfileStringW(L"Rendo", L"Inst", L"abc", InstallSettingsPath().c_str());
  EXPECT_EQ(IncrementCounter(L"Inst"), 1u);
  wchar_t buf[32] = {};
  ::GetPrivateProfileStringW(L"Rendo", L"Game", L"", buf, 32, InstallSettingsPath().c_str());
  EXPECT_STREQ(buf, L"2");
  EXPECT_EQ(::GetFileAttributesW(BesideExe().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(StateStoreTest, HotKeyDefaultOnlyWhenMissing) {
  EXPECT_EQ(ReadHotKeyValue(L"ShortKey", L"0,121"), (velmo::HotKey{0, 121}));
  ::WritePrivateProfileStringW(L"Rendo", L"ShortKey", L"", BesideExe().c_str());
  EXPECT_EQ(ReadHotKeyValue(L"ShortKey", L"0,121"), (velmo::HotKey{0, 0}));
  WriteHotKeyValue(L"SndKey", {6, 65});
  wchar_t buf[32] = {};
  ::GetPrivateProfileStringW(L"Rendo", L"SndKey", L"", buf, 32, BesideExe().c_str());
  EXPECT_STREQ(buf, L"6,65");
  EXPECT_EQ(ReadHotKeyValue(L"SndKey", L"2,81"), (velmo::HotKey{6, 65}));
}

TEST_F(StateStoreTest, RegistryValues) {
  EXPECT_EQ(ReadUpdTime().year, 0);
  EXPECT_EQ(ReadDisableDays(), 0u);

  WriteUpdTime();
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  velmo::UtcTime stored = ReadUpdTime();
  EXPECT_EQ(stored.year, now.wYear);
  EXPECT_EQ(stored.month, now.wMonth);
  EXPECT_EQ(stored.day, now.wDay);

  DrawAndWriteDisableDays();
  HKEY key = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kStateKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
  BYTE bytes[8] = {};
  DWORD size = sizeof(bytes);
  DWORD type = 0;
  ASSERT_EQ(::RegQueryValueExW(key, L"DisableDays", nullptr, &type, bytes, &size), ERROR_SUCCESS);
  BYTE upd[32] = {};
  size = sizeof(upd);
  DWORD updType = 0;
  ASSERT_EQ(::RegQueryValueExW(key, L"UpdTime", nullptr, &updType, upd, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 16u);
  EXPECT_EQ(updType, static_cast<DWORD>(REG_BINARY));
  ::RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_LT(bytes[0], 7);
  EXPECT_LT(bytes[1], 7);
  EXPECT_LT(bytes[2], 7);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_NE(bytes[0], bytes[1]);
  EXPECT_NE(bytes[2], bytes[1]);
  EXPECT_EQ(ReadDisableDays(), velmo::DisableDaysFromBytes(bytes, 4));

  DeleteStateKey();
  EXPECT_NE(::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kStateKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
}
