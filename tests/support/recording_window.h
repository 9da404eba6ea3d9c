// A window that records every message sent to it, for tests of the workers.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "platform/window_messages.h"

namespace corvane::test {

struct SentMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const SentMessage&) const = default;
};

class RecordingWindow : public MessageWindow {
 public:
  // Runs, if set, after each message is recorded, as a real handler would run.
  std::function<void(const SentMessage&)> onMessage;

  LRESULT SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) override {
    SentMessage sent{message, wParam, lParam};
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_messages.push_back(sent);
    }
    if (onMessage) onMessage(sent);
    return 1;
  }

  std::vector<SentMessage> Messages() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
  }

  // The positions of the WM_PROGRESS_POS messages, in order.
  std::vector<WPARAM> Positions() const {
    std::vector<WPARAM> out;
    for (const SentMessage& m : Messages()) {
      if (m.message == WM_PROGRESS_POS) out.push_back(m.wParam);
    }
    return out;
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<SentMessage> m_messages;
};

}  // namespace corvane::test
