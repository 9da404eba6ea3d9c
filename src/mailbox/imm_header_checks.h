// The two checks by which the IMM scan decides where a message's header block
// begins around its "MIME-Version: 1.0" marker. Both read the scan's own bytes (the
// mapping or the open file); neither opens the file again.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mailbox/mailbox_bytes.h"

namespace corvane {

class ImmHeaderChecks {
 public:
  explicit ImmHeaderChecks(const MailboxBytes& bytes) : m_bytes(bytes) {}

  // Whether one of the first ten lines read from offset m on (lines end at LF, the
  // text ends at the end of the file or at the first byte 0x1A) begins with
  // "Subject:", "To:" or "From:". With m at a marker's LF the first line is empty.
  bool HasHeaderLinesAfter(std::uint64_t m);

  // Walking back from m over at most ten CR LF line breaks, the start of the line on
  // which the last of To, From and Subject was seen; if not all three are seen, the
  // CR of the last break examined (or the start of the line after it when that line
  // begins with one of the names); m itself when there is no CR LF before m.
  // Calls with growing m reuse what earlier calls found, so a scan that calls it for
  // every marker reads each byte at most once.
  std::uint64_t FindHeaderStartBefore(std::uint64_t m);

 private:
  static constexpr std::size_t kMaxBreaks = 10;

  // A CR LF line break and the bytes of the line after it, enough for the longest
  // header name; bytes past the end of the file are zero.
  struct Break {
    std::uint64_t position;
    std::array<char, 8> next;
  };

  // The line breaks below m, nearest first.
  void UpdateBreaksBelow(std::uint64_t m);
  // The line test of HasHeaderLinesAfter on the bytes p[0, available) read from m;
  // sets *needMore when the text read does not settle the answer.
  static bool LinesBeginWithName(const unsigned char* p, std::size_t available, bool reachedEnd, bool* needMore);

  const MailboxBytes& m_bytes;
  std::vector<unsigned char> m_scratch;
  std::uint64_t m_breaksBelow = 0;
  std::array<Break, kMaxBreaks> m_breaks{};
  std::size_t m_breakCount = 0;
};

}  // namespace corvane
