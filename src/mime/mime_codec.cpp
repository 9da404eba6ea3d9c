#include "mime/mime_codec.h"

#include <algorithm>
#include <cstring>

namespace corvane {

std::int64_t CMimeCodec::Copy(char* output, std::int64_t capacity) const {
  const std::int64_t n = std::min(m_nInputSize, capacity);
  if (n <= 0) return 0;
  std::memcpy(output, m_pInput, static_cast<std::size_t>(n));
  return n;
}

}  // namespace corvane
