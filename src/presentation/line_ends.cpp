#include "presentation/line_ends.h"

#include <cstring>

namespace corvane {

bool HasCrLfBeforeNul(std::string_view bytes) {
  const std::size_t nul = bytes.find('\0');
  const std::string_view text = bytes.substr(0, nul);
  return text.find("\r\n") != std::string_view::npos;
}

std::string InsertCrBeforeBareLf(std::string_view bytes, bool* inserted) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 32 + 16);
  *inserted = false;
  std::size_t from = 0;
  while (from < bytes.size()) {
    const void* hit = std::memchr(bytes.data() + from, '\n', bytes.size() - from);
    const std::size_t lf = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data()) : bytes.size();
    out.append(bytes.substr(from, lf - from));
    if (lf == bytes.size()) break;
    if (lf == 0 || bytes[lf - 1] != '\r') {
      out.push_back('\r');
      *inserted = true;
    }
    out.push_back('\n');
    from = lf + 1;
  }
  return out;
}

std::string InsertLfAfterCr(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 32 + 16);
  for (char c : bytes) {
    out.push_back(c);
    if (c == '\r') out.push_back('\n');
  }
  return out;
}

bool NormalizeLineEnds(std::string_view bytes, std::string* out) {
  if (HasCrLfBeforeNul(bytes)) return false;
  bool inserted = false;
  std::string withCr = InsertCrBeforeBareLf(bytes, &inserted);
  *out = inserted ? std::move(withCr) : InsertLfAfterCr(bytes);
  return true;
}

}  // namespace corvane
