#include "net/file_digest_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/state_store_win.h"

namespace {

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(f);
}

}  // namespace

TEST(NetFileDigestTest, WidePathTextAndZeroFill) {
  // A name outside the ANSI code page: the file is opened by its wide path.
  std::wstring path = ExePathFor(L"摘要\u00e9\u0431.bin");
  WriteBytes(path, std::string(1025, 'a'));
  wchar_t out[64];
  for (auto& c : out) c = L'#';
  auto copy = FileDigestText(path.c_str(), out);
  ::DeleteFileW(path.c_str());
  ASSERT_TRUE(copy);
  EXPECT_EQ(std::wstring(copy.get()), L"ae187e1febee2a150b64849c32d566ca");
  EXPECT_EQ(std::wstring(out), L"ae187e1febee2a150b64849c32d566ca");
  for (int i = 32; i < 64; ++i) EXPECT_EQ(out[i], L'\0') << i;
}

TEST(NetFileDigestTest, UnopenableFileLeavesTheBufferAlone) {
  wchar_t out[64];
  for (auto& c : out) c = L'#';
  EXPECT_FALSE(FileDigestText(ExePathFor(L"no-such-file.bin").c_str(), out));
  EXPECT_FALSE(FileDigestText(nullptr, out));
  for (wchar_t c : out) EXPECT_EQ(c, L'#');
}
