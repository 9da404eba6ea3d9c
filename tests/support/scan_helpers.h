// Runs the reader's scans on bytes written to a temporary file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mailbox/mailbox_reader.h"
#include "support/recording_window.h"
#include "support/temp_dir.h"

namespace corvane::test {

struct ScanOutcome {
  std::vector<std::uint64_t> offsets;
  std::vector<WPARAM> positions;
  std::vector<SentMessage> messages;
  std::uint8_t keepRunningAfter = 0;
};

enum class ScanKind { Mbox, Imm };

// Scans bytes as a file of the given kind, mapped or read through. When stopAtValue
// is set, the window's handler requests Stop on receiving that progress value.
inline ScanOutcome ScanBytes(const std::string& bytes, ScanKind kind, bool mapped,
                             std::optional<WPARAM> stopAtValue = {}) {
  TempDir dir;
  const std::string path = dir.Write(kind == ScanKind::Imm ? "box.imm" : "box.mbox", bytes);
  MailboxReader reader;
  RecordingWindow window;
  bool stopped = false;
  window.onMessage = [&](const SentMessage& m) {
    if (stopAtValue && m.message == WM_PROGRESS_POS && m.wParam == *stopAtValue && !stopped) {
      stopped = true;
      reader.m_bKeepRunning = 0;
    }
  };
  reader.m_hNotifyWnd = &window;
  reader.m_bAllowMapping = mapped;
  if (!reader.Open(Utf8ToWide(path))) return {};
  if (kind == ScanKind::Imm) {
    reader.ScanImm(Utf8ToWide(path));
  } else {
    reader.ScanMbox();
  }
  return {reader.m_offsets, window.Positions(), window.Messages(), reader.m_bKeepRunning.load()};
}

}  // namespace corvane::test
