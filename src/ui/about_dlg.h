// The About box: the product's name and version, its web site and mail addresses,
// a notice line and OK. Enter and Esc do not close it; dragging anywhere moves it.
#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>

namespace corvane {

class CPlinthAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CPlinthAboutDlg(std::function<void(const char*)> openUrl, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint m_dragOffset;
};

}  // namespace corvane
