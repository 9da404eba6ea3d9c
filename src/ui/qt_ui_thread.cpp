#include "ui/qt_ui_thread.h"

#include <QMetaObject>
#include <QThread>

namespace corvane {

void CQtUiThread::Invoke(const std::function<void()>& fn) {
  if (QThread::currentThread() == m_context->thread()) {
    fn();
    return;
  }
  QMetaObject::invokeMethod(m_context, [&fn] { fn(); }, Qt::BlockingQueuedConnection);
}

void CQtUiThread::Post(std::function<void()> fn) {
  QMetaObject::invokeMethod(m_context, std::move(fn), Qt::QueuedConnection);
}

}  // namespace corvane
