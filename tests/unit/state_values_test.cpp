#include "app/state_values.h"

#include <gtest/gtest.h>

#include "app/text_util.h"

using namespace velmo;

TEST(CounterTest, StoredTextConversion) {
  struct Case {
    const wchar_t* stored;
    std::uint32_t next;
  };
  const Case cases[] = {
      {L"0", 1},           {L"41", 42},          {L"", 1},         {L"abc", 1},
      {L"7abc", 8},        {L"  12", 13},        {L"\t\n5", 6},    {L"+3", 4},
      {L"-1", 0},          {L"-5", 4294967292u}, {L" - 5", 1},     {L"4294967295", 2147483648u},
      {L"2147483647", 2147483648u},              {L"99999999999", 2147483648u},
      {L"-99999999999", 2147483649u},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NextCounterValue(c.stored), c.next) << c.stored[0];
  }
  EXPECT_EQ(FormatCounter(4294967292u), L"4294967292");
  EXPECT_EQ(FormatCounter(1), L"1");
}

TEST(HotKeyValueTest, ReadForms) {
  struct Case {
    const wchar_t* stored;
    HotKey hk;
  };
  const Case cases[] = {
      {L"0,121", {0, 121}}, {L"2,9", {2, 9}},   {L"6,65", {6, 65}}, {L"2,", {2, 0}},
      {L"4", {4, 0}},       {L"", {0, 0}},      {L",81", {0, 81}},  {L" 2 , 81", {2, 81}},
      {L"2,81,5", {2, 81}}, {L"a,b", {0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHotKeyValue(c.stored), c.hk) << c.stored;
  }
}

TEST(HotKeyValueTest, WriteForm) {
  EXPECT_EQ(FormatHotKeyValue({6, 65}), L"6,65");
  EXPECT_EQ(FormatHotKeyValue({0, 121}), L"0,121");
  EXPECT_EQ(ParseHotKeyValue(FormatHotKeyValue({2, 81})), (HotKey{2, 81}));
}

TEST(DisableDaysTest, GeneratorStartsLikeTheCRuntime) {
  CrtRandom r;
  EXPECT_EQ(r.Next(), 41);
  EXPECT_EQ(r.Next(), 18467);
  EXPECT_EQ(r.Next(), 6334);
}

TEST(DisableDaysTest, DrawingAndCollisionRules) {
  // With the first draws 41 and 18467: d0 = (48 - ms) % 7, d2 = (18474 - ms) % 7, d1 = ms % 7.
  // ms = 0: d0 = 6, d2 = 1, d1 = 0, no collision.
  EXPECT_EQ(DrawDisableDays(0, 41, 18467), 0x00000601u);
  // ms = 3: d0 = 3 = d1 -> d1 = (3 + 6) % 7 = 2; d2 = 18471 % 7 = 5.
  EXPECT_EQ(DrawDisableDays(3, 41, 18467), 0x00020305u);
  // d2 == d0 -> d2 + 1: r1 = r2 gives d0 = d2 always.
  EXPECT_EQ(DrawDisableDays(1, 10, 10), 0x00010203u);
  // ms above the draws: the unsigned wrap of (r + 7 - ms).
  std::uint32_t ms = 999;
  std::uint32_t v = DrawDisableDays(ms, 41, 18467);
  EXPECT_EQ((v >> 8) & 0xFF, (41u + 7u - ms) % 7u);
  EXPECT_EQ(v >> 24, 0u);
  for (std::uint32_t m = 0; m < 1000; ++m) {
    std::uint32_t d = DrawDisableDays(m, 41, 18467);
    EXPECT_NE(d & 0xFF, (d >> 8) & 0xFF);          // d2 never equals d0
    EXPECT_NE((d >> 16) & 0xFF, (d >> 8) & 0xFF);  // d1 never equals d0
    EXPECT_LT(d & 0xFF, 7u);
    EXPECT_LT((d >> 16) & 0xFF, 7u);
  }
}

TEST(DisableDaysTest, ByteOrderAndWeekdays) {
  const std::uint8_t stored[4] = {2, 1, 3, 0};
  std::uint32_t v = DisableDaysFromBytes(stored, 4);
  EXPECT_EQ(v, 0x00030102u);
  EXPECT_EQ(DisableDaysBytes(v), (std::array<std::uint8_t, 4>{2, 1, 3, 0}));
  for (int day = 0; day < 7; ++day) {
    EXPECT_EQ(IsWeekdayDisabled(v, day), day == 1 || day == 2 || day == 3) << day;
    EXPECT_FALSE(IsWeekdayDisabled(0, day)) << day;  // 0 (or missing) never skips
  }
}

TEST(UpdTimeTest, SameUtcDateOnly) {
  UtcTime updated{2026, 12, 5, 11, 23, 59, 59, 999};
  auto bytes = EncodeUpdTime(updated);
  EXPECT_EQ(bytes[0], 0xEA);  // 2026 = 0x07EA, little-endian
  EXPECT_EQ(bytes[1], 0x07);
  EXPECT_EQ(bytes[14], 0xE7);
  UtcTime back = DecodeUpdTime(bytes.data(), bytes.size());
  EXPECT_TRUE(IsSameUtcDate(back, UtcTime{2026, 12, 5, 11, 0, 0, 0, 0}));
  EXPECT_FALSE(IsSameUtcDate(back, UtcTime{2026, 12, 6, 12, 0, 0, 0, 0}));
  EXPECT_FALSE(IsSameUtcDate(back, UtcTime{2025, 12, 5, 11, 0, 0, 0, 0}));
  EXPECT_FALSE(IsSameUtcDate(back, UtcTime{2026, 11, 5, 11, 0, 0, 0, 0}));
  // A missing value reads as zeros: year 0 never equals today.
  UtcTime missing = DecodeUpdTime(nullptr, 0);
  EXPECT_EQ(missing.year, 0);
  EXPECT_FALSE(IsSameUtcDate(missing, back));
  // A short value reads as zeros beyond its end.
  UtcTime shortValue = DecodeUpdTime(bytes.data(), 3);
  EXPECT_EQ(shortValue.year, 2026);
  EXPECT_EQ(shortValue.month, 12 & 0xFF);
  EXPECT_EQ(shortValue.day, 0);
}

TEST(TextUtilTest, StrToLong32MatchesTheCLibrary) {
  size_t end = 0;
  EXPECT_EQ(StrToLong32(L"  -12x", &end), -12);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(StrToLong32(L"x", &end), 0);
  EXPECT_EQ(end, 0u);
  EXPECT_EQ(StrToLong32(L"-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToLong32(L"2147483648"), INT32_MAX);
  EXPECT_TRUE(EqualsNoCase(L"/ZuraV", L"/zURAv"));
  EXPECT_FALSE(EqualsNoCase(L"/ZuraV", L"/ZuraV1"));
}
