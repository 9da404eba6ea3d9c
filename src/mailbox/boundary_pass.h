// The forward pass that both boundary scans share: positions 0 .. L-1 in ascending
// order, the Stop flag, progress every 100 positions, offset 0 as the first entry and
// the file length as the last. The scan supplies only the search inside a segment.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "mailbox/mailbox_bytes.h"
#include "mailbox/mailbox_reader.h"
#include "mailbox/offset_collector.h"
#include "mailbox/scan_progress.h"

namespace corvane {

// Segments are this long at most, so that an asynchronous Stop is seen promptly.
inline constexpr std::uint64_t kPassSegment = 1u << 20;

// search(p, start, positions, available, found) adds to found every match at the
// positions start .. start + positions - 1, where p holds `available` bytes from start
// (the segment plus window - 1 bytes after it, cut at the end of the file).
template <class Search>
void RunBoundaryPass(MailboxReader& reader, MailboxBytes& bytes, std::size_t window, Search&& search) {
  const std::uint64_t length = bytes.Length();
  ScanProgress progress(reader.m_hNotifyWnd, length);
  OffsetCollector found;
  std::vector<unsigned char> scratch;
  bool interrupted = false;
  std::uint64_t start = 0;
  while (start < length) {
    if (reader.m_bKeepRunning.load(std::memory_order_relaxed) == 0) {
      reader.m_bKeepRunning.store(1, std::memory_order_relaxed);
      interrupted = true;
      break;
    }
    if (start == progress.NextReport()) progress.Report();
    if (start == 0) found.Add(0);
    std::uint64_t end = std::min({length, progress.NextReport(), start + kPassSegment});
    // A Stop requested while the window handled the report takes effect at the next
    // position, as if the flag were read before every byte.
    if (reader.m_bKeepRunning.load(std::memory_order_relaxed) == 0) end = start + 1;
    const auto positions = static_cast<std::size_t>(end - start);
    std::size_t available = 0;
    const unsigned char* p = bytes.View(start, positions + window - 1, &available, scratch);
    search(p, start, positions, available, found);
    bytes.Passed(end);
    start = end;
  }
  found.MoveTo(reader.m_offsets, interrupted ? 0 : 1);
  if (!interrupted) reader.m_offsets.push_back(length);
  progress.Finish();
}

}  // namespace corvane
