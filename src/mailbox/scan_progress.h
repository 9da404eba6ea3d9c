// Progress of a boundary scan, in thousandths of the file, sent to the notify window.
// A scan reports at every position that is a multiple of 100; consecutive reports of
// the same value are sent once, so the window sees each distinct value in order.
#pragma once

#include <cstdint>

#include "platform/window_messages.h"

namespace corvane {

class ScanProgress {
 public:
  // Sends the range 0..1000 and the position 0.
  ScanProgress(HWND window, std::uint64_t length);

  // The next position at which a new value is due; the file length when none is.
  std::uint64_t NextReport() const { return m_next; }
  // Sends the value due at NextReport() and works out the one after it.
  void Report();
  // Sends the final position 1000.
  void Finish();

  // The value reported at position i: (i * 1000) / length, truncated.
  std::uint64_t ValueAt(std::uint64_t i) const;

 private:
  void FindNext();

  HWND m_window;
  std::uint64_t m_length;
  std::uint64_t m_last = 0;
  std::uint64_t m_next = 0;
};

}  // namespace corvane
