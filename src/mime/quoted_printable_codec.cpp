#include "mime/quoted_printable_codec.h"

#include <cstring>

#include "mime/mime_char_classes.h"

namespace corvane {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

int HighNibble(unsigned char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }
// The second digit is taken without checking: (byte - '0') up to '9', (byte - '7')
// above, masked to four bits, so "=3d" decodes like "=3D".
int LowNibble(unsigned char c) { return (c <= '9' ? c - '0' : c - '7') & 0x0F; }

}  // namespace

std::int64_t CQuotedPrintableCodec::Decode(const unsigned char* in, std::int64_t size, char* out,
                                           std::int64_t capacity, bool underscoreIsSpace) {
  std::int64_t i = 0;
  std::int64_t o = 0;
  while (i < size && o < capacity) {
    const unsigned char c = in[i];
    if (c != '=') {
      out[o++] = underscoreIsSpace && c == '_' ? ' ' : static_cast<char>(c);
      ++i;
      continue;
    }
    if (size - i < 3) break;  // '=' too close to the end
    const unsigned char a = in[i + 1];
    const unsigned char b = in[i + 2];
    if (IsMimeHexDigit(a)) {
      out[o++] = static_cast<char>((HighNibble(a) << 4) | LowNibble(b));
      i += 3;
    } else if (a == '\r' && b == '\n') {
      i += 3;  // soft line break
    } else {
      out[o++] = static_cast<char>(a);
      i += 2;
    }
  }
  return o;
}

std::int64_t CQuotedPrintableCodec::EncodedBound(const unsigned char* in, std::int64_t size) {
  std::int64_t b = size;
  for (std::int64_t k = 0; k < size; ++k) {
    if (!IsMimeAlnum(in[k])) b += 2;
  }
  return b + (b / 74) * 6;
}

std::int64_t CQuotedPrintableCodec::EncodeInto(char* output, std::int64_t capacity) {
  const unsigned char* in = m_pInput;
  const std::int64_t size = m_nInputSize;
  std::int64_t o = 0;
  std::int64_t line = 0;
  std::int64_t breakAt = -1;  // output position of a space or tab the line may break after
  for (std::int64_t i = 0; i < size && o < capacity; ++i) {
    const unsigned char c = in[i];
    const bool last = i == size - 1;
    bool encoded;
    if (!m_bEncodeLineBreaks && (c == '\r' || c == '\n')) {
      encoded = false;
      line = -1;  // 0 once the byte is counted
      breakAt = -1;
    } else if (c == '\t' || c == ' ') {
      encoded = m_bEncodeLineBreaks ? last : (last || in[i + 1] == '\r');
      if (line > 0) breakAt = o;
    } else if (c == '.' && !m_bEncodeLineBreaks) {
      encoded = i >= 2 && in[i - 2] == '\r' && in[i - 1] == '\n' && i + 2 < size && in[i + 1] == '\r' &&
                in[i + 2] == '\n';
    } else {
      encoded = !(c >= '!' && c <= '~' && c != '=');
    }
    const int width = encoded ? 3 : 1;
    if (line + width >= 76 && capacity - o >= 3) {
      if (breakAt >= 0 && breakAt < o) {
        // Break right after the remembered space: what was written since moves on.
        const std::int64_t from = breakAt + 1;
        const std::int64_t moved = o - from;
        std::memmove(output + from + 3, output + from, static_cast<std::size_t>(moved));
        std::memcpy(output + from, "=\r\n", 3);
        line = moved;
      } else {
        std::memcpy(output + o, "=\r\n", 3);
        line = 0;
      }
      o += 3;
      breakAt = -1;
    }
    if (!encoded) {
      if (o < capacity) output[o++] = static_cast<char>(c);
    } else if (capacity - o >= 3) {
      output[o++] = '=';
      output[o++] = kHex[c >> 4];
      output[o++] = kHex[c & 15];
    }
    line += width;
  }
  return o;
}

}  // namespace corvane
