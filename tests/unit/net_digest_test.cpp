#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "net/md5.h"
#include "net/release_key.h"

namespace {

std::string Md5Text(const std::string& message) {
  velmo::Md5 md5;
  md5.Update(message.data(), message.size());
  return velmo::DigestHex(md5.Finish());
}

// A temporary file holding the bytes; removed with the object.
class TempFile {
 public:
  explicit TempFile(const std::string& bytes) {
    char name[] = "/tmp/net_digest_XXXXXX";
    std::FILE* f = fdopen(mkstemp(name), "wb");
    path_ = name;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const char* path() const { return path_.c_str(); }

 private:
  std::string path_;
};

std::string Pattern(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += static_cast<char>(i * 7 + 3);
  return s;
}

}  // namespace

TEST(NetDigestTest, Rfc1321Suite) {
  struct Case {
    const char* message;
    const char* digest;
  };
  const Case suite[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : suite) EXPECT_EQ(Md5Text(c.message), c.digest) << c.message;
}

TEST(NetDigestTest, PaddingBoundariesAndSplitUpdatesAgree) {
  // 55, 56 and 64 bytes fall on either side of the padding's length field.
  for (size_t n : {55u, 56u, 63u, 64u, 65u, 1024u, 1025u}) {
    std::string bytes = Pattern(n);
    velmo::Md5 split;
    for (size_t i = 0; i < n; i += 13) split.Update(bytes.data() + i, std::min<size_t>(13, n - i));
    EXPECT_EQ(velmo::DigestHex(split.Finish()), Md5Text(bytes)) << n;
  }
  EXPECT_EQ(Md5Text(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
  EXPECT_EQ(Md5Text(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
}

TEST(NetDigestTest, FilesAcrossTheReadBlock) {
  struct Case {
    std::string bytes;
    const char* digest;
  };
  const Case cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {std::string(1024, 'a'), "c9a34cfc85d982698c6ac89f76071abd"},
      {std::string(1025, 'a'), "ae187e1febee2a150b64849c32d566ca"},
  };
  for (const auto& c : cases) {
    TempFile file(c.bytes);
    EXPECT_EQ(velmo::FileDigestTextOfPath(file.path()), c.digest) << c.bytes.size();
  }
  EXPECT_EQ(velmo::FileDigestTextOfPath("/nonexistent/net_digest"), "");
}

TEST(NetReleaseKeyTest, KeyIsCutDigestAndVersionDigits) {
  const std::string digest = "900150983cd24fb0d6963f7d28e17f72";
  EXPECT_EQ(velmo::VersionDigits("3.0.0.1"), "3001");
  EXPECT_EQ(velmo::ReleaseKey(digest, "3.0.0.1"), "900150983cd24fb0d6963f7d28e13001");
  EXPECT_EQ(velmo::ReleaseKey(digest, "3.10.0.12"), "900150983cd24fb0d6963f7d2831001" "2");
  EXPECT_EQ(velmo::ReleaseKey("", "3.0.0.1"), "3001");  // unreadable executable
  EXPECT_TRUE(velmo::KeysEqual("900150983CD24FB0D6963F7D28E13001", "900150983cd24fb0d6963f7d28e13001"));
  EXPECT_FALSE(velmo::KeysEqual("900150983cd24fb0d6963f7d28e13002", "900150983cd24fb0d6963f7d28e13001"));
  EXPECT_FALSE(velmo::KeysEqual("3001", "3001 "));
}

TEST(NetReleaseKeyTest, DownloadMustBeThePublishedRelease) {
  const std::string digest = "900150983cd24fb0d6963f7d28e17f72";
  struct Case {
    std::string key;
    bool release;
  };
  const Case cases[] = {
      {"900150983cd24fb0d6963f7d28e13001", true},
      {"900150983CD24FB0D6963F7D28E13001", true},   // letter case does not matter
      {"900150983cd24fb0d6963f7d28e14002", true},   // same file, other version number
      {"900150983cd24fb0d6963f7d283001", false},    // 30 characters
      {"900150983cd24fb0d6963f7d12345678", true},   // n = 8
      {"900150983cd24fb0d6963f7123456789", false},  // n = 9 is beyond the rule
      {"900150983cd24fb0d6963f7d28e1300x", false},  // no digit at the end
      {"000150983cd24fb0d6963f7d28e13001", false},  // another file
      {"900150983cd24fb0d6963f7d28e17f72", true},   // the bare digest: its last "2" is a digit
      {"900150983cd24fb0d6963f7d28e17f7x", false},
      {"", false},
      {"3001", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(velmo::IsPublishedRelease(c.key, digest), c.release) << c.key;
  }
  // A digest ending in digits: the key's version digits may overlap with them.
  EXPECT_TRUE(velmo::IsPublishedRelease("d41d8cd98f00b204e9800998ecf83001",
                                        "d41d8cd98f00b204e9800998ecf8427e"));
  EXPECT_FALSE(velmo::IsPublishedRelease("900150983cd24fb0d6963f7d28e13001", ""));
}

TEST(NetReleaseKeyTest, ThrottleSkipsTodayAndDisabledWeekdays) {
  velmo::UtcTime now;
  now.year = 2026, now.month = 12, now.day = 11, now.dayOfWeek = 5, now.hour = 0;
  velmo::UtcTime lastLate = now;
  lastLate.hour = 23, lastLate.minute = 59;
  velmo::UtcTime yesterday = now;
  yesterday.day = 10;
  velmo::UtcTime never;  // a missing value reads as year 0
  EXPECT_FALSE(velmo::IsUpdateDueAt(lastLate, now, 0));
  EXPECT_TRUE(velmo::IsUpdateDueAt(yesterday, now, 0));
  EXPECT_TRUE(velmo::IsUpdateDueAt(never, now, 0));
  EXPECT_FALSE(velmo::IsUpdateDueAt(never, now, 0x00000500));  // Friday in byte 1
  EXPECT_FALSE(velmo::IsUpdateDueAt(never, now, 0x00050000));  // byte 2
  EXPECT_TRUE(velmo::IsUpdateDueAt(never, now, 0x05000000));   // byte 3 is not a weekday
  EXPECT_TRUE(velmo::IsUpdateDueAt(never, now, 0x00020103));
}

TEST(NetReleaseKeyTest, ConfigurationText) {
  EXPECT_EQ(velmo::UpdateConfigText("abc3001", "http://127.0.0.1:18080/update/NewRendo.exe"),
            "[VerKey]\r\nRendo=abc3001\r\nUpdAddr=http://127.0.0.1:18080/update/NewRendo.exe\r\n");
  EXPECT_EQ(velmo::UpdateConfigText("", "http://h/Abc.exe"), "[VerKey]\r\nUpdAddr=http://h/Abc.exe\r\n");
  EXPECT_EQ(velmo::ConfigFileName("Abc"), "ConfigAbc.htm");
}
