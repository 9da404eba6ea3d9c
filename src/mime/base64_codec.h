// Base64 (RFC 2045). Decoding skips CR and LF and stops at the first other byte
// outside the alphabet, the '=' fill included.
#pragma once

#include "mime/mime_codec.h"

namespace corvane {

class CBase64Codec : public CMimeCodec {
 public:
  explicit CBase64Codec(bool insertLineBreaks = true) : m_bInsertLineBreaks(insertLineBreaks) {}

  std::int64_t EncodedSize() const override;
  std::int64_t DecodedSize() const override { return m_nInputSize * 3 / 4 + 2; }
  std::int64_t EncodeInto(char* output, std::int64_t capacity) override {
    return Encode(m_pInput, m_nInputSize, output, capacity, m_bInsertLineBreaks);
  }
  std::int64_t DecodeInto(char* output, std::int64_t capacity) override {
    return Decode(m_pInput, m_nInputSize, output, capacity);
  }

  static std::int64_t Decode(const unsigned char* in, std::int64_t size, char* out, std::int64_t capacity);
  static std::int64_t Encode(const unsigned char* in, std::int64_t size, char* out, std::int64_t capacity,
                             bool insertLineBreaks);

 private:
  bool m_bInsertLineBreaks;
};

}  // namespace corvane
