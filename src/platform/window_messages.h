// Private window messages and the blocking send by which workers report to the
// main window. A "window" here is any object that handles these messages on the
// user-interface thread; the GUI and the tests provide their own.
#pragma once

#include <cstdint>

namespace corvane {

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr UINT WM_USER = 0x400;
inline constexpr UINT WM_TREE_ITEM_CLICKED = WM_USER + 150;
inline constexpr UINT WM_MESSAGE_ITEM_CLICKED = WM_USER + 151;
inline constexpr UINT WM_PROGRESS_RANGE = WM_USER + 155;
inline constexpr UINT WM_PROGRESS_POS = WM_USER + 156;
inline constexpr UINT WM_SELECT_OUTPUT_TAB = WM_USER + 179;
inline constexpr UINT WM_SHOW_STATUS = WM_USER + 181;
inline constexpr UINT WM_SHOW_PREVIEW = WM_USER + 182;
inline constexpr UINT WM_APPEND_LOG = WM_USER + 183;

// The receiving end of SendMessageW. An implementation runs the handler on the
// user-interface thread and returns only after it ran: called on that thread it
// runs the handler at once, called from a worker it waits for the UI thread.
class MessageWindow {
 public:
  virtual ~MessageWindow() = default;
  virtual LRESULT SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

using HWND = MessageWindow*;

// Sends to a window that may be absent (a reader without a notify window, as in the
// command-line program); an absent window handles nothing and answers 0.
inline LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return window ? window->SendMessageW(message, wParam, lParam) : 0;
}

}  // namespace corvane
