// Encoded words of RFC 2047 ("=?charset?B?...?=" and "=?charset?Q?...?=") in header
// values. Decoding yields the words' bytes in their own charset; no charset is
// converted here. The charset and letter of the first word are remembered.
#pragma once

#include <string>

#include "mime/mime_codec.h"

namespace corvane {

class CEncodedWordCodec : public CMimeCodec {
 public:
  std::int64_t EncodedSize() const override;
  std::int64_t EncodeInto(char* output, std::int64_t capacity) override;
  std::int64_t DecodeInto(char* output, std::int64_t capacity) override;

  int m_nEncoding = 'q';  // 'b' or 'q'
  std::string m_strCharset;
};

}  // namespace corvane
