// MD5 (RFC 1321) and the text form of a file's digest that identifies a release.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace velmo {

class Md5 {
 public:
  Md5();
  void Update(const void* data, size_t size);
  // Pads, appends the bit count and answers the 16 digest bytes; the object is spent.
  std::array<std::uint8_t, 16> Finish();

 private:
  void Transform(const std::uint8_t* block);

  std::uint32_t state_[4];
  std::uint64_t bytes_ = 0;
  std::uint8_t buffer_[64];
};

// The 16 bytes as 32 lower-case hexadecimal digits.
std::string DigestHex(const std::array<std::uint8_t, 16>& digest);

// The digest text of everything the stream yields, read in 1024-byte blocks; a read
// error ends the reading and the bytes so far are digested.
std::string StreamDigestText(std::FILE* stream);

// The digest text of a file opened by a narrow path; empty when it cannot be opened.
std::string FileDigestTextOfPath(const char* path);

}  // namespace velmo
