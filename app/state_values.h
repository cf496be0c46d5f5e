// The textual and binary forms of the persistent state: counters and hot keys of the
// settings file, and the update date and update-free weekdays of the registry key.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velmo {

// Values are read into buffers of 32 characters (31 and the terminator).
inline constexpr size_t kSettingsValueChars = 32;

// Counters: the stored text converted as by the C library (see StrToLong32), plus one,
// in unsigned 32-bit arithmetic. A non-numeric or empty text restarts at 1.
std::uint32_t NextCounterValue(const std::wstring& stored);
std::wstring FormatCounter(std::uint32_t value);  // "%u"

// A hot key: modifier mask (Alt 1, Ctrl 2, Shift 4) and virtual-key code (0: none).
struct HotKey {
  std::int32_t modifiers = 0;
  std::int32_t key = 0;
  bool operator==(const HotKey& o) const { return modifiers == o.modifiers && key == o.key; }
};
// "mask,code"; without a comma the whole text is the mask and the code is 0.
HotKey ParseHotKeyValue(const std::wstring& stored);
std::wstring FormatHotKeyValue(const HotKey& hk);

// The C runtime's pseudo-random generator, never seeded: state 1, first draws 41, 18467.
class CrtRandom {
 public:
  int Next();

 private:
  std::uint32_t state_ = 1;
};

// The update-free weekdays drawn at installation from the UTC milliseconds and two
// draws; bytes 0..2 of the result are weekdays (0 = Sunday), byte 3 is 0.
std::uint32_t DrawDisableDays(std::uint32_t milliseconds, std::uint32_t r1, std::uint32_t r2);
// True when the value is not 0 and one of its bytes 0, 1, 2 is the weekday.
bool IsWeekdayDisabled(std::uint32_t disableDays, int weekday);
std::array<std::uint8_t, 4> DisableDaysBytes(std::uint32_t value);  // little-endian
std::uint32_t DisableDaysFromBytes(const std::uint8_t* bytes, size_t size);

// The stored update time: a SYSTEMTIME in UTC as eight little-endian 16-bit fields.
struct UtcTime {
  std::uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
  std::uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
};
std::array<std::uint8_t, 16> EncodeUpdTime(const UtcTime& t);
// A shorter buffer reads as zeros beyond its end (a missing value is year 0).
UtcTime DecodeUpdTime(const std::uint8_t* bytes, size_t size);
// Year, month and day all equal: an update was already installed on that UTC date.
bool IsSameUtcDate(const UtcTime& a, const UtcTime& b);

}  // namespace velmo
