#include "mailbox/scan_progress.h"

namespace corvane {
namespace {
// Products of a position and 1000 or of a value and the length need more than 64 bits
// for files beyond a few petabytes; the compilers' 128-bit integer keeps them exact.
__extension__ typedef unsigned __int128 Wide;
}  // namespace

ScanProgress::ScanProgress(HWND window, std::uint64_t length) : m_window(window), m_length(length) {
  SendMessageW(m_window, WM_PROGRESS_RANGE, 0, 1000);
  SendMessageW(m_window, WM_PROGRESS_POS, 0, 0);
  FindNext();
}

std::uint64_t ScanProgress::ValueAt(std::uint64_t i) const {
  return static_cast<std::uint64_t>(static_cast<Wide>(i) * 1000 / m_length);
}

void ScanProgress::Report() {
  m_last = ValueAt(m_next);
  SendMessageW(m_window, WM_PROGRESS_POS, static_cast<WPARAM>(m_last), 0);
  FindNext();
}

void ScanProgress::Finish() { SendMessageW(m_window, WM_PROGRESS_POS, 1000, 0); }

void ScanProgress::FindNext() {
  if (m_length == 0) {
    m_next = 0;
    return;
  }
  // Smallest i with i * 1000 >= (last + 1) * length, rounded up to a multiple of 100.
  const Wide need = static_cast<Wide>(m_last + 1) * m_length;
  Wide i = (need + 999) / 1000;
  i = (i + 99) / 100 * 100;
  m_next = i >= m_length ? m_length : static_cast<std::uint64_t>(i);
}

}  // namespace corvane
