#include "mailbox/imm_header_checks.h"

#include <cstring>

namespace corvane {
namespace {

constexpr std::size_t kBlock = 1u << 20;
constexpr unsigned char kTextEnd = 0x1A;

struct HeaderName {
  const char* text;
  std::size_t length;
};
constexpr HeaderName kNames[] = {{"Subject:", 8}, {"To:", 3}, {"From:", 5}};

}  // namespace

bool ImmHeaderChecks::BytesAre(std::uint64_t position, const char* text, std::size_t length) {
  std::size_t available = 0;
  const unsigned char* p = m_bytes.View(position, length, &available, m_probe);
  // Bytes past the end of the file count as zero, which no name contains.
  return available == length && std::memcmp(p, text, length) == 0;
}

bool ImmHeaderChecks::HasHeaderLinesAfter(std::uint64_t m) {
  const std::uint64_t length = m_bytes.Length();
  std::uint64_t lineStart = m;
  for (int line = 0; line < 10 && lineStart < length; ++line) {
    // Find where this line ends: at its LF, at a 0x1A (the end of the text) or at the
    // end of the file.
    std::uint64_t end = length;
    bool textEnds = true;
    for (std::uint64_t at = lineStart; at < length;) {
      std::size_t available = 0;
      const unsigned char* p = m_bytes.View(at, kBlock, &available, m_scratch);
      if (available == 0) break;
      const void* lf = std::memchr(p, '\n', available);
      const std::size_t span = lf ? static_cast<std::size_t>(static_cast<const unsigned char*>(lf) - p) : available;
      if (const void* sub = std::memchr(p, kTextEnd, span)) {
        end = at + static_cast<std::size_t>(static_cast<const unsigned char*>(sub) - p);
        break;
      }
      if (lf) {
        end = at + span;
        textEnds = false;
        break;
      }
      at += available;
    }
    const std::uint64_t lineLength = end - lineStart;
    for (const HeaderName& name : kNames) {
      if (lineLength >= name.length && BytesAre(lineStart, name.text, name.length)) return true;
    }
    if (textEnds) break;
    lineStart = end + 1;
  }
  return false;
}

void ImmHeaderChecks::UpdateBreaksBelow(std::uint64_t m) {
  if (m < m_breaksBelow) {
    m_breaksBelow = 0;
    m_breakCount = 0;
  }
  // Search the part not seen yet, [m_breaksBelow, m), from its top down. A break at
  // position p is the pair of bytes p, p + 1; p + 1 may be m itself.
  std::array<std::uint64_t, kMaxBreaks> found{};
  std::size_t count = 0;
  std::uint64_t top = m;
  while (top > m_breaksBelow && count < kMaxBreaks) {
    const std::uint64_t bottom = top - m_breaksBelow > kBlock ? top - kBlock : m_breaksBelow;
    std::size_t available = 0;
    const unsigned char* p = m_bytes.View(bottom, static_cast<std::size_t>(top - bottom) + 1, &available, m_scratch);
    std::size_t searchable = static_cast<std::size_t>(top - bottom);
    if (searchable > available) searchable = available;
    while (searchable > 0 && count < kMaxBreaks) {
      const void* cr = ::memrchr(p, '\r', searchable);
      if (!cr) break;
      const auto q = static_cast<std::size_t>(static_cast<const unsigned char*>(cr) - p);
      if (q + 1 < available && p[q + 1] == '\n') found[count++] = bottom + q;
      searchable = q;
    }
    top = bottom;
  }
  // The nearest breaks are the new ones, then the earlier ones, ten in all.
  for (std::size_t k = 0; k < m_breakCount && count < kMaxBreaks; ++k) found[count++] = m_breaks[k];
  m_breaks = found;
  m_breakCount = count;
  m_breaksBelow = m;
}

std::uint64_t ImmHeaderChecks::FindHeaderStartBefore(std::uint64_t m) {
  if (m == 0) return 0;
  UpdateBreaksBelow(m);
  std::uint64_t result = m;
  bool seenTo = false;
  bool seenFrom = false;
  bool seenSubject = false;
  for (std::size_t k = 0; k < m_breakCount; ++k) {
    const std::uint64_t pos = m_breaks[k];
    result = pos;
    if (BytesAre(pos + 2, "To:", 3)) {
      result = pos + 2;
      seenTo = true;
    }
    if (BytesAre(pos + 2, "From:", 5)) {
      result = pos + 2;
      seenFrom = true;
    }
    if (BytesAre(pos + 2, "Subject:", 8)) {
      result = pos + 2;
      seenSubject = true;
    }
    if (seenTo && seenFrom && seenSubject) break;
  }
  return result;
}

}  // namespace corvane
