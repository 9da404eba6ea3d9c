#include "mime/base64_codec.h"

#include <array>

namespace corvane {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<signed char, 256> BuildValues() {
  std::array<signed char, 256> v{};
  for (auto& x : v) x = -1;
  for (int k = 0; k < 64; ++k) v[static_cast<unsigned char>(kAlphabet[k])] = static_cast<signed char>(k);
  return v;
}
constexpr std::array<signed char, 256> kValues = BuildValues();

}  // namespace

std::int64_t CBase64Codec::EncodedSize() const {
  const std::int64_t r = 4 * ((m_nInputSize + 2) / 3);
  return m_bInsertLineBreaks ? r + 2 * (r / 76) + 2 : r;
}

std::int64_t CBase64Codec::Decode(const unsigned char* in, std::int64_t size, char* out, std::int64_t capacity) {
  std::int64_t o = 0;
  int k = 0;
  unsigned acc = 0;
  for (std::int64_t i = 0; i < size && o < capacity; ++i) {
    const unsigned char c = in[i];
    if (c == '\r' || c == '\n') continue;
    const int v = kValues[c];
    if (v < 0) break;
    switch (k) {
      case 0:
        acc = static_cast<unsigned>(v);
        break;
      case 1:
        out[o++] = static_cast<char>((acc << 2) | (static_cast<unsigned>(v) >> 4));
        acc = static_cast<unsigned>(v) & 0x0F;
        break;
      case 2:
        out[o++] = static_cast<char>((acc << 4) | (static_cast<unsigned>(v) >> 2));
        acc = static_cast<unsigned>(v) & 0x03;
        break;
      default:
        out[o++] = static_cast<char>((acc << 6) | static_cast<unsigned>(v));
        break;
    }
    k = (k + 1) & 3;
  }
  return o;
}

std::int64_t CBase64Codec::Encode(const unsigned char* in, std::int64_t size, char* out, std::int64_t capacity,
                                  bool insertLineBreaks) {
  std::int64_t o = 0;
  std::int64_t line = 0;
  auto put = [&](char c) {
    if (o >= capacity) return false;
    out[o++] = c;
    return true;
  };
  std::int64_t i = 0;
  for (; i + 3 <= size; i += 3) {
    const unsigned v = (unsigned{in[i]} << 16) | (unsigned{in[i + 1]} << 8) | in[i + 2];
    if (!put(kAlphabet[v >> 18]) || !put(kAlphabet[(v >> 12) & 63]) || !put(kAlphabet[(v >> 6) & 63]) ||
        !put(kAlphabet[v & 63])) {
      return o;
    }
    line += 4;
    if (insertLineBreaks && line >= 76) {
      if (capacity - o >= 2) {
        out[o++] = '\r';
        out[o++] = '\n';
      }
      line = 0;
    }
  }
  const std::int64_t rest = size - i;
  if (rest > 0) {
    const unsigned v = (unsigned{in[i]} << 16) | (rest == 2 ? unsigned{in[i + 1]} << 8 : 0u);
    if (!put(kAlphabet[v >> 18]) || !put(kAlphabet[(v >> 12) & 63])) return o;
    line += 2;
    if (rest == 2) {
      if (!put(kAlphabet[(v >> 6) & 63])) return o;
      ++line;
    }
    const std::int64_t fill = 3 - rest;
    if (capacity - o >= fill) {
      for (std::int64_t k = 0; k < fill; ++k) out[o++] = '=';
      line += fill;
    }
  }
  if (insertLineBreaks && line > 0 && capacity - o >= 2) {
    out[o++] = '\r';
    out[o++] = '\n';
  }
  return o;
}

}  // namespace corvane
