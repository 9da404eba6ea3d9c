#include "mime/mime_char_classes.h"

namespace corvane {

bool EqualsNoCase(const char* a, std::size_t aLength, const char* b, std::size_t bLength) {
  if (aLength != bLength) return false;
  for (std::size_t k = 0; k < aLength; ++k) {
    if (FoldAscii(static_cast<unsigned char>(a[k])) != FoldAscii(static_cast<unsigned char>(b[k]))) return false;
  }
  return true;
}

}  // namespace corvane
