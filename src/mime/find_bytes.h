// Bounded search: no match may extend past end.
#pragma once

#include <cstring>
#include <string.h>

namespace corvane {

// The first position p with from <= p <= end - length(needle) at which the
// NUL-terminated needle stands, or null.
inline const char* FindBytes(const char* from, const char* needle, const char* end) {
  const std::size_t n = std::strlen(needle);
  if (!from || from > end || static_cast<std::size_t>(end - from) < n) return nullptr;
  return static_cast<const char*>(::memmem(from, static_cast<std::size_t>(end - from), needle, n));
}

inline const char* FindBytes(const char* from, const char* needle, std::size_t needleLength, const char* end) {
  if (!from || from > end || static_cast<std::size_t>(end - from) < needleLength) return nullptr;
  return static_cast<const char*>(::memmem(from, static_cast<std::size_t>(end - from), needle, needleLength));
}

}  // namespace corvane
