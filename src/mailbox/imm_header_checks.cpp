#include "mailbox/imm_header_checks.h"

#include <algorithm>
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

bool ImmHeaderChecks::LinesBeginWithName(const unsigned char* p, std::size_t available, bool reachedEnd,
                                         bool* needMore) {
  *needMore = false;
  std::size_t lineStart = 0;
  int line = 0;
  for (; line < 10 && lineStart < available; ++line) {
    // The line ends at its LF, at a 0x1A (the end of the text) or at the end of the file.
    const void* lf = std::memchr(p + lineStart, '\n', available - lineStart);
    std::size_t end = lf ? static_cast<std::size_t>(static_cast<const unsigned char*>(lf) - p) : available;
    bool textEnds = !lf;
    if (const void* sub = std::memchr(p + lineStart, kTextEnd, end - lineStart)) {
      end = static_cast<std::size_t>(static_cast<const unsigned char*>(sub) - p);
      textEnds = true;
    } else if (!lf && !reachedEnd) {
      *needMore = true;
      return false;
    }
    for (const HeaderName& name : kNames) {
      if (end - lineStart >= name.length && std::memcmp(p + lineStart, name.text, name.length) == 0) return true;
    }
    if (textEnds) return false;
    lineStart = end + 1;
  }
  // Fewer than ten lines read because the bytes ran out: more text may follow.
  *needMore = line < 10 && !reachedEnd;
  return false;
}

bool ImmHeaderChecks::HasHeaderLinesAfter(std::uint64_t m) {
  // Header lines are short: read a little and more only when the lines run on.
  std::size_t want = m_bytes.IsMapped() ? static_cast<std::size_t>(m_bytes.Length() - std::min(m, m_bytes.Length())) : 4096;
  for (;;) {
    std::size_t available = 0;
    const unsigned char* p = m_bytes.View(m, want, &available, m_scratch);
    const bool reachedEnd = available < want || m + available >= m_bytes.Length();
    bool needMore = false;
    const bool found = LinesBeginWithName(p, available, reachedEnd, &needMore);
    if (!needMore) return found;
    want *= 2;
  }
}

void ImmHeaderChecks::UpdateBreaksBelow(std::uint64_t m) {
  if (m < m_breaksBelow) {
    m_breaksBelow = 0;
    m_breakCount = 0;
  }
  // Search the part not seen yet, [m_breaksBelow, m), from its top down. A break at
  // position p is the pair of bytes p, p + 1; p + 1 may be m itself.
  std::array<Break, kMaxBreaks> found{};
  std::size_t count = 0;
  std::uint64_t top = m;
  while (top > m_breaksBelow && count < kMaxBreaks) {
    const std::uint64_t bottom = top - m_breaksBelow > kBlock ? top - kBlock : m_breaksBelow;
    std::size_t available = 0;
    // The block and the bytes after it that the lines at its top need.
    const unsigned char* p =
        m_bytes.View(bottom, static_cast<std::size_t>(top - bottom) + 2 + 8, &available, m_scratch);
    std::size_t searchable = static_cast<std::size_t>(top - bottom);
    if (searchable > available) searchable = available;
    while (searchable > 0 && count < kMaxBreaks) {
      const void* cr = ::memrchr(p, '\r', searchable);
      if (!cr) break;
      const auto q = static_cast<std::size_t>(static_cast<const unsigned char*>(cr) - p);
      if (q + 1 < available && p[q + 1] == '\n') {
        Break& b = found[count++];
        b.position = bottom + q;
        b.next.fill('\0');
        for (std::size_t k = 0; k < b.next.size() && q + 2 + k < available; ++k) b.next[k] = static_cast<char>(p[q + 2 + k]);
      }
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
    const Break& b = m_breaks[k];
    auto next = [&](const char* name, std::size_t length) { return std::memcmp(b.next.data(), name, length) == 0; };
    const std::uint64_t pos = b.position;
    result = pos;
    if (next("To:", 3)) {
      result = pos + 2;
      seenTo = true;
    }
    if (next("From:", 5)) {
      result = pos + 2;
      seenFrom = true;
    }
    if (next("Subject:", 8)) {
      result = pos + 2;
      seenSubject = true;
    }
    if (seenTo && seenFrom && seenSubject) break;
  }
  return result;
}

}  // namespace corvane
