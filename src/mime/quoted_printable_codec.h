// Quoted-printable (RFC 2045), with the decoding quirks mail in the wild relies on:
// a lower-case first hex digit does not count, a lower-case second one does.
#pragma once

#include "mime/mime_codec.h"

namespace corvane {

class CQuotedPrintableCodec : public CMimeCodec {
 public:
  explicit CQuotedPrintableCodec(bool encodeLineBreaks = false) : m_bEncodeLineBreaks(encodeLineBreaks) {}

  std::int64_t EncodedSize() const override { return EncodedBound(m_pInput, m_nInputSize); }
  std::int64_t EncodeInto(char* output, std::int64_t capacity) override;
  std::int64_t DecodeInto(char* output, std::int64_t capacity) override {
    return Decode(m_pInput, m_nInputSize, output, capacity, false);
  }

  // Decodes in to out; with underscoreIsSpace an '_' becomes a space (the Q form of
  // encoded words).
  static std::int64_t Decode(const unsigned char* in, std::int64_t size, char* out, std::int64_t capacity,
                             bool underscoreIsSpace);
  // Upper bound of the encoded size of in.
  static std::int64_t EncodedBound(const unsigned char* in, std::int64_t size);

 private:
  bool m_bEncodeLineBreaks;
};

}  // namespace corvane
