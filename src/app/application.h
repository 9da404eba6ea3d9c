// The process-wide state of the viewer: the busy flag that lets one job run at a
// time, the files chosen in the file selection dialog, the workspace base and the
// activity log.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "app/activity_log.h"

namespace corvane {

class CPlinthOrvexProjApp {
 public:
  // 1 while a job owns the readers and the panes. Written by the UI thread and by
  // the job that ends; one writer at a time, so relaxed order is enough.
  std::atomic<int> m_bBusy{0};
  std::vector<std::u16string> m_selectedFiles;
  std::u16string m_strCurrentFile;
  std::u16string m_strTempBase;
  std::u16string m_strLogPath;
  CActivityLog m_logFile;

  bool IsBusy() const { return m_bBusy.load(std::memory_order_relaxed) != 0; }
  void SetBusy(bool busy) { m_bBusy.store(busy ? 1 : 0, std::memory_order_relaxed); }
};

}  // namespace corvane
