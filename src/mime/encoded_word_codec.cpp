#include "mime/encoded_word_codec.h"

#include <algorithm>
#include <cstring>

#include "mime/base64_codec.h"
#include "mime/find_bytes.h"
#include "mime/mime_char_classes.h"
#include "mime/quoted_printable_codec.h"

namespace corvane {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsLetterB(int letter) { return letter == 'b' || letter == 'B'; }

bool QLiteral(unsigned char c) { return c >= '!' && c <= '~' && c != '=' && c != '?' && c != '_'; }

}  // namespace

std::int64_t CEncodedWordCodec::DecodeInto(char* output, std::int64_t capacity) {
  m_strCharset.clear();
  const unsigned char* in = m_pInput;
  const std::int64_t size = m_nInputSize;
  const char* begin = reinterpret_cast<const char*>(in);
  const char* end = begin + size;
  std::int64_t p = 0;
  std::int64_t o = 0;
  while (o < capacity && p < size) {
    std::int64_t next = -1;
    if (capacity - o > 2 && p + 1 < size && in[p] == '=' && in[p + 1] == '?') {
      std::int64_t m = p + 2;
      while (m < size && in[m] != '?' && in[m] != 0) ++m;
      if (m < size && in[m] == '?' && m + 2 < size && in[m + 2] == '?' && m + 3 < size) {
        const int letter = FoldAscii(in[m + 1]);
        const std::int64_t textStart = m + 3;
        const char* close = FindBytes(begin + textStart, "?=", end);
        const std::int64_t textEnd = close ? close - begin : size;
        if (m_strCharset.empty()) {
          m_strCharset.assign(begin + p + 2, begin + m);
          m_nEncoding = letter;
        }
        if (letter == 'b' || letter == 'q') {
          const std::int64_t room = capacity - o;
          o += letter == 'b' ? CBase64Codec::Decode(in + textStart, textEnd - textStart, output + o, room)
                             : CQuotedPrintableCodec::Decode(in + textStart, textEnd - textStart, output + o, room,
                                                             true);
          next = close ? textEnd + 2 : size;
        }
      }
    }
    if (next < 0) {
      // Plain text up to the next "=?" after p. Whitespace alone between two encoded
      // words (folded line breaks included) is dropped.
      const char* mark = p + 1 <= size ? FindBytes(begin + p + 1, "=?", end) : nullptr;
      const std::int64_t runEnd = mark ? mark - begin : size;
      bool onlySpace = true;
      for (std::int64_t k = p; k < runEnd && onlySpace; ++k) onlySpace = IsMimeSpace(in[k]);
      if (!(mark && p != 0 && onlySpace)) {
        const std::int64_t n = std::min(runEnd - p, capacity - o);
        std::memcpy(output + o, in + p, static_cast<std::size_t>(n));
        o += n;
      }
      next = runEnd;
    }
    p = next;
  }
  return o;
}

std::int64_t CEncodedWordCodec::EncodedSize() const {
  if (m_nInputSize == 0) return 0;
  if (m_strCharset.empty()) return m_nInputSize;
  const auto len = static_cast<std::int64_t>(m_strCharset.size());
  const std::int64_t b = IsLetterB(m_nEncoding) ? 4 * ((m_nInputSize + 2) / 3)
                                                : CQuotedPrintableCodec::EncodedBound(m_pInput, m_nInputSize);
  // Charsets of 64 bytes and more leave no room for text in a word of standard length;
  // the bound then allows one word per output byte.
  const std::int64_t perWord = 64 - len > 0 ? 64 - len : 1;
  return b + (len + 11) * (b / perWord + 1);
}

std::int64_t CEncodedWordCodec::EncodeInto(char* output, std::int64_t capacity) {
  if (m_strCharset.empty()) return Copy(output, capacity);
  const std::int64_t size = m_nInputSize;
  if (size == 0) return 0;
  const auto len = static_cast<std::int64_t>(m_strCharset.size());
  const std::int64_t overhead = len + 7;  // "=?" charset "?X?" ... "?="
  std::int64_t o = 0;
  auto put = [&](const char* text, std::int64_t n) {
    std::memcpy(output + o, text, static_cast<std::size_t>(n));
    o += n;
  };
  const bool b = IsLetterB(m_nEncoding);
  const std::string open = "=?" + m_strCharset + (b ? "?B?" : "?Q?");
  if (b) {
    // Whole groups of three bytes per word; at least one group, whatever the charset.
    const std::int64_t chunk = std::max<std::int64_t>(3, ((68 - len) / 4) * 3);
    for (std::int64_t pos = 0; pos < size && capacity - o >= overhead;) {
      const std::int64_t n = std::min(chunk, size - pos);
      put(open.data(), static_cast<std::int64_t>(open.size()));
      o += CBase64Codec::Encode(m_pInput + pos, n, output + o, capacity - o - 2, false);
      put("?=", 2);
      pos += n;
      if (pos < size && o < capacity) output[o++] = ' ';
    }
    return o;
  }
  const std::int64_t wordLimit = std::max<std::int64_t>(3, 68 - len);
  bool inWord = false;
  std::int64_t wordBytes = 0;
  for (std::int64_t i = 0; i < size; ++i) {
    const unsigned char c = m_pInput[i];
    const std::int64_t width = QLiteral(c) ? 1 : 3;
    if (inWord && wordBytes + width > wordLimit) {
      if (capacity - o < 3) break;
      put("?= ", 3);
      inWord = false;
    }
    if (!inWord) {
      if (capacity - o < overhead) break;
      put(open.data(), static_cast<std::int64_t>(open.size()));
      inWord = true;
      wordBytes = 0;
    }
    if (capacity - o - 2 < width) break;  // keep room to close the word
    if (width == 1) {
      output[o++] = static_cast<char>(c);
    } else {
      output[o++] = '=';
      output[o++] = kHex[c >> 4];
      output[o++] = kHex[c & 15];
    }
    wordBytes += width;
  }
  if (inWord && capacity - o >= 2) put("?=", 2);
  return o;
}

}  // namespace corvane
