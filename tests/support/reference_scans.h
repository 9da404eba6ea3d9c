// Plain, position-by-position versions of the boundary scans, written straight
// from their rules, against which the fast scans are checked.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_messages.h"

namespace corvane::test {

struct ReferenceScan {
  std::vector<std::uint64_t> offsets;
  // Progress positions as sent, consecutive repeats folded into one.
  std::vector<WPARAM> positions;
};

namespace detail {

inline void Fold(std::vector<WPARAM>& positions, WPARAM value) {
  if (positions.empty() || positions.back() != value) positions.push_back(value);
}

inline bool StartsWith(const std::string& b, std::uint64_t at, const std::string& text) {
  return at <= b.size() && b.compare(static_cast<std::size_t>(at), text.size(), text) == 0;
}

// The shared loop; match(i) says whether to append and what.
template <class Match>
ReferenceScan Pass(const std::string& b, std::optional<WPARAM> stopAtValue, Match match) {
  ReferenceScan out;
  const std::uint64_t length = b.size();
  bool keepRunning = true;
  bool stopped = false;
  auto report = [&](WPARAM value) {
    Fold(out.positions, value);
    if (stopAtValue && *stopAtValue == value && !stopped) {
      keepRunning = false;
      stopped = true;
    }
  };
  report(0);
  bool interrupted = false;
  for (std::uint64_t i = 0; i < length; ++i) {
    if (!keepRunning) {
      interrupted = true;
      break;
    }
    if (i % 100 == 0) report(static_cast<WPARAM>(i * 1000 / length));
    if (i == 0) out.offsets.push_back(0);
    match(i, out.offsets);
  }
  if (!interrupted) out.offsets.push_back(length);
  Fold(out.positions, 1000);
  return out;
}

}  // namespace detail

inline ReferenceScan ReferenceScanMbox(const std::string& b, std::optional<WPARAM> stopAtValue = {}) {
  return detail::Pass(b, stopAtValue, [&](std::uint64_t i, std::vector<std::uint64_t>& offsets) {
    if (i + 6 <= b.size() && (b[i] == '\n' || b[i] == '\r') && detail::StartsWith(b, i + 1, "From ")) {
      offsets.push_back(i);
    }
  });
}

// Reads up to ten lines from m as a text-mode stream would: lines end at LF, a CR
// before the LF is dropped, a byte 0x1A ends the text.
inline bool ReferenceHasHeaderLinesAfter(const std::string& b, std::uint64_t m) {
  std::size_t end = b.find('\x1A', static_cast<std::size_t>(m));
  if (end == std::string::npos) end = b.size();
  std::size_t pos = static_cast<std::size_t>(m);
  for (int k = 0; k < 10; ++k) {
    if (pos >= end) break;  // the empty line of the last call matches nothing
    std::size_t lf = b.find('\n', pos);
    std::string line;
    if (lf == std::string::npos || lf >= end) {
      line = b.substr(pos, end - pos);
      pos = end;
    } else {
      line = b.substr(pos, lf - pos);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      pos = lf + 1;
    }
    for (const char* name : {"Subject:", "To:", "From:"}) {
      if (line.find(name) == 0) return true;
    }
  }
  return false;
}

inline std::uint64_t ReferenceFindHeaderStartBefore(const std::string& b, std::uint64_t m) {
  auto at = [&](std::uint64_t p) -> char { return p < b.size() ? b[static_cast<std::size_t>(p)] : '\0'; };
  auto is = [&](std::uint64_t p, const std::string& text) {
    for (std::size_t k = 0; k < text.size(); ++k) {
      if (at(p + k) != text[k]) return false;
    }
    return true;
  };
  if (m == 0) return 0;
  std::uint64_t result = m;
  int lines = 0;
  bool seenTo = false, seenFrom = false, seenSubject = false;
  std::uint64_t pos = m;
  while (lines < 10) {
    pos = pos - 1;
    if (at(pos) == '\r' && at(pos + 1) == '\n') {
      ++lines;
      result = pos;
      if (is(pos + 2, "To:")) result = pos + 2, seenTo = true;
      if (is(pos + 2, "From:")) result = pos + 2, seenFrom = true;
      if (is(pos + 2, "Subject:")) result = pos + 2, seenSubject = true;
      if (seenTo && seenFrom && seenSubject) break;
    }
    if (pos == 0) break;
  }
  return result;
}

inline ReferenceScan ReferenceScanImm(const std::string& b, std::optional<WPARAM> stopAtValue = {}) {
  std::uint64_t markers = 0;
  return detail::Pass(b, stopAtValue, [&](std::uint64_t i, std::vector<std::uint64_t>& offsets) {
    if (i + 18 > b.size() || !detail::StartsWith(b, i, "\nMIME-Version: 1.0")) return;
    if (++markers == 1) return;
    offsets.push_back(ReferenceHasHeaderLinesAfter(b, i) ? i : ReferenceFindHeaderStartBefore(b, i));
  });
}

}  // namespace corvane::test
