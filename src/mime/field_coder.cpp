#include "mime/field_coder.h"

#include <algorithm>
#include <cstring>

#include "mime/encoded_word_codec.h"
#include "mime/mime_char_classes.h"

namespace corvane {
namespace {

// B when base64 is shorter than quoted-printable and high bytes are over a fifth.
int ChooseLetter(std::int64_t length, std::int64_t high) {
  return 4 * ((length + 2) / 3) < length + 2 * high && 5 * high > length ? 'B' : 'Q';
}

}  // namespace

std::int64_t CFieldCoder::NextWord(const unsigned char* text, std::int64_t size, unsigned char* closer,
                                   std::int64_t* high) {
  for (std::int64_t i = 0; i < size; ++i) {
    const unsigned char c = text[i];
    if (c >= 0x80) {
      ++*high;
      continue;
    }
    if (c == *closer) {
      *closer = 0;
      return i;
    }
    if (*closer == 0 && (IsMimeSpace(c) || IsMimeSpecial(c))) {
      if (c == '"') *closer = '"';
      if (c == '(') *closer = ')';
      if (c == '<') *closer = '>';
      return i;
    }
  }
  return size;
}

std::int64_t CFieldCoder::DecodeInto(char* output, std::int64_t capacity) {
  // Decoding never makes a value longer, so the value's size bounds the scratch.
  CEncodedWordCodec words;
  words.BindInput(reinterpret_cast<const char*>(m_pInput), m_nInputSize, false);
  std::string scratch(static_cast<std::size_t>(m_nInputSize), '\0');
  const std::int64_t produced = words.DecodeInto(scratch.data(), m_nInputSize);
  const std::int64_t n = std::min(produced, capacity);
  if (n > 0) std::memcpy(output, scratch.data(), static_cast<std::size_t>(n));
  m_strCharset = words.m_strCharset;
  return n > 0 ? n : 0;
}

CEncodedWordCodec CFieldCoder::WordCodec(const unsigned char* word, std::int64_t length, std::int64_t high) const {
  CEncodedWordCodec codec;
  codec.m_strCharset = m_strCharset;
  codec.m_nEncoding = ChooseLetter(length, high);
  codec.BindInput(reinterpret_cast<const char*>(word), length, true);
  return codec;
}

std::string CFieldCoder::EncodeWord(const unsigned char* word, std::int64_t length, std::int64_t high) const {
  if (high == 0) return std::string(reinterpret_cast<const char*>(word), static_cast<std::size_t>(length));
  CEncodedWordCodec codec = WordCodec(word, length, high);
  std::string out(static_cast<std::size_t>(codec.EncodedSize()), '\0');
  out.resize(static_cast<std::size_t>(codec.EncodeInto(out.data(), static_cast<std::int64_t>(out.size()))));
  return out;
}

std::int64_t CFieldCoder::EncodedWordSize(const unsigned char* word, std::int64_t length, std::int64_t high) const {
  return high == 0 ? length : WordCodec(word, length, high).EncodedSize();
}

std::int64_t CFieldCoder::EncodeInto(char* output, std::int64_t capacity) {
  if (m_strCharset.empty()) return Copy(output, capacity);
  const unsigned char* in = m_pInput;
  const std::int64_t size = m_nInputSize;
  unsigned char closer = InitialCloser();
  std::int64_t pos = 0;
  std::int64_t o = 0;
  while (pos < size) {
    std::int64_t high = 0;
    const std::int64_t length = NextWord(in + pos, size - pos, &closer, &high);
    std::string piece = EncodeWord(in + pos, length, high);
    const bool hasDelimiter = pos + length < size;
    const unsigned char delimiter = hasDelimiter ? in[pos + length] : 0;
    if (hasDelimiter) piece.push_back(static_cast<char>(delimiter));
    const std::int64_t n = std::min(static_cast<std::int64_t>(piece.size()), capacity - o);
    if (n > 0) std::memcpy(output + o, piece.data(), static_cast<std::size_t>(n));
    o += n > 0 ? n : 0;
    pos += length + (hasDelimiter ? 1 : 0);
    if (pos < size && hasDelimiter && FoldsAfter(delimiter) && capacity - o >= 3) {
      std::memcpy(output + o, "\r\n\t", 3);
      o += 3;
      while (pos < size && IsMimeSpace(in[pos])) ++pos;
    }
  }
  return o;
}

std::int64_t CFieldCoder::EncodedSize() const {
  if (m_strCharset.empty()) return m_nInputSize;
  const unsigned char* in = m_pInput;
  const std::int64_t size = m_nInputSize;
  unsigned char closer = InitialCloser();
  std::int64_t total = 0;
  std::int64_t pos = 0;
  while (pos < size) {
    std::int64_t high = 0;
    const std::int64_t length = NextWord(in + pos, size - pos, &closer, &high);
    total += EncodedWordSize(in + pos, length, high) + 1;
    const bool hasDelimiter = pos + length < size;
    if (hasDelimiter && FoldsAfter(in[pos + length])) total += 3;
    pos += length + (hasDelimiter ? 1 : 0);
  }
  return total;
}

}  // namespace corvane
