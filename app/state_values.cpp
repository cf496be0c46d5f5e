#include "app/state_values.h"

#include "app/text_util.h"

namespace velmo {

std::uint32_t NextCounterValue(const std::wstring& stored) {
  return static_cast<std::uint32_t>(StrToLong32(stored)) + 1u;
}

std::wstring FormatCounter(std::uint32_t value) { return std::to_wstring(value); }

HotKey ParseHotKeyValue(const std::wstring& stored) {
  HotKey hk;
  if (stored.empty()) return hk;
  size_t comma = stored.find(L',');
  if (comma == std::wstring::npos) {
    hk.modifiers = StrToLong32(stored);
    return hk;
  }
  hk.modifiers = StrToLong32(stored.substr(0, comma));
  hk.key = StrToLong32(stored.substr(comma + 1));
  return hk;
}

std::wstring FormatHotKeyValue(const HotKey& hk) {
  return std::to_wstring(hk.modifiers) + L"," + std::to_wstring(hk.key);
}

int CrtRandom::Next() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

std::uint32_t DrawDisableDays(std::uint32_t ms, std::uint32_t r1, std::uint32_t r2) {
  std::uint32_t d0 = (r1 + 7u - ms) % 7u;
  std::uint32_t d2 = (r2 + 7u - ms) % 7u;
  std::uint32_t d1 = ms % 7u;
  if (d1 == d0) d1 = (d1 + 6u) % 7u;
  if (d2 == d0) d2 = (d2 + 1u) % 7u;
  return d2 | (d0 << 8) | (d1 << 16);
}

bool IsWeekdayDisabled(std::uint32_t v, int weekday) {
  if (v == 0) return false;
  for (int i = 0; i < 3; ++i) {
    if (static_cast<int>((v >> (8 * i)) & 0xFFu) == weekday) return true;
  }
  return false;
}

std::array<std::uint8_t, 4> DisableDaysBytes(std::uint32_t v) {
  return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
          static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

std::uint32_t DisableDaysFromBytes(const std::uint8_t* bytes, size_t size) {
  std::uint32_t v = 0;
  for (size_t i = 0; i < size && i < 4; ++i) v |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return v;
}

std::array<std::uint8_t, 16> EncodeUpdTime(const UtcTime& t) {
  const std::uint16_t fields[8] = {t.year, t.month,  t.dayOfWeek, t.day,
                                   t.hour, t.minute, t.second,    t.milliseconds};
  std::array<std::uint8_t, 16> out{};
  for (int i = 0; i < 8; ++i) {
    out[2 * i] = static_cast<std::uint8_t>(fields[i] & 0xFF);
    out[2 * i + 1] = static_cast<std::uint8_t>(fields[i] >> 8);
  }
  return out;
}

UtcTime DecodeUpdTime(const std::uint8_t* bytes, size_t size) {
  std::uint16_t f[8] = {};
  for (size_t i = 0; i < 8; ++i) {
    std::uint16_t lo = 2 * i < size ? bytes[2 * i] : 0;
    std::uint16_t hi = 2 * i + 1 < size ? bytes[2 * i + 1] : 0;
    f[i] = static_cast<std::uint16_t>(lo | (hi << 8));
  }
  UtcTime t;
  t.year = f[0];
  t.month = f[1];
  t.dayOfWeek = f[2];
  t.day = f[3];
  t.hour = f[4];
  t.minute = f[5];
  t.second = f[6];
  t.milliseconds = f[7];
  return t;
}

bool IsSameUtcDate(const UtcTime& a, const UtcTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace velmo
