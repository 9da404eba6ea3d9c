// The MIME character classes of 7-bit bytes. A byte of 0x80 or more belongs to no
// class. The classes overlap (a full stop is punctuation and special).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

enum MimeCharClass : std::uint8_t {
  kMimeControl = 1 << 0,
  kMimeSpace = 1 << 1,
  kMimeAlnum = 1 << 2,
  kMimePunct = 1 << 3,
  kMimeSpecial = 1 << 4,
  kMimeHexDigit = 1 << 5,
};

constexpr std::array<std::uint8_t, 128> BuildMimeCharClasses() {
  std::array<std::uint8_t, 128> t{};
  for (int c = 0; c < 128; ++c) {
    std::uint8_t v = 0;
    const bool digit = c >= '0' && c <= '9';
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (c < 0x20 || c == 0x7F) v |= kMimeControl;
    if ((c >= 0x09 && c <= 0x0D) || c == 0x20) v |= kMimeSpace;
    if (digit || letter) v |= kMimeAlnum;
    if (c >= 0x21 && c <= 0x7E && !(digit || letter)) v |= kMimePunct;
    for (char s : {'"', '(', ')', ',', '.', ':', ';', '<', '>', '@', '[', ']', '\\'}) {
      if (c == s) v |= kMimeSpecial;
    }
    if (digit || (c >= 'A' && c <= 'F')) v |= kMimeHexDigit;
    t[static_cast<std::size_t>(c)] = v;
  }
  return t;
}

inline constexpr std::array<std::uint8_t, 128> kMimeCharClasses = BuildMimeCharClasses();

inline bool IsMimeClass(unsigned char c, std::uint8_t cls) { return c < 128 && (kMimeCharClasses[c] & cls) != 0; }
inline bool IsMimeSpace(unsigned char c) { return IsMimeClass(c, kMimeSpace); }
inline bool IsMimeSpecial(unsigned char c) { return IsMimeClass(c, kMimeSpecial); }
inline bool IsMimeAlnum(unsigned char c) { return IsMimeClass(c, kMimeAlnum); }
// 0-9 and A-F: lower-case letters are no hex digits here.
inline bool IsMimeHexDigit(unsigned char c) { return IsMimeClass(c, kMimeHexDigit); }

// ASCII-only case folding, as every name comparison of the MIME model uses.
inline unsigned char FoldAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }
bool EqualsNoCase(const char* a, std::size_t aLength, const char* b, std::size_t bLength);
inline bool EqualsNoCase(std::string_view a, std::string_view b) { return EqualsNoCase(a.data(), a.size(), b.data(), b.size()); }

}  // namespace corvane
