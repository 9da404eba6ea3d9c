// The user-interface thread of the desktop program: a worker's call is carried
// over with a blocking queued call and runs in the UI thread's event loop.
#pragma once

#include <QObject>

#include "app/main_frame_ports.h"

namespace corvane {

class CQtUiThread : public IUiThread {
 public:
  // context must live on the UI thread for as long as this object.
  explicit CQtUiThread(QObject* context) : m_context(context) {}
  void Invoke(const std::function<void()>& fn) override;
  void Post(std::function<void()> fn) override;

 private:
  QObject* m_context;
};

}  // namespace corvane
