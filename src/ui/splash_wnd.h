// The splash screen: a borderless window shaped from its picture (magenta pixels
// are see-through), centred on the screen, that fades in, stays a while, fades out
// and deletes itself. It never takes the focus and has no task-bar entry.
#pragma once

#include <QImage>
#include <QWidget>

namespace corvane {

class CSplashWnd : public QWidget {
  Q_OBJECT

 public:
  enum Style { kFadeIn = 1, kFadeOut = 2, kShadow = 4, kCenterOnScreen = 8, kCenterOnParent = 16, kHideOnInput = 32 };
  static constexpr int kFadeInMs = 500;
  static constexpr int kFadeOutMs = 200;
  static constexpr QRgb kSeeThrough = 0xFFFF00FF;

  CSplashWnd(QWidget* parent, int timeoutMs, int style);

  // The picture; its size becomes the window's and its magenta pixels are left out
  // of the window's shape.
  void SetBitmap(const QImage& image);
  void SetText(const QString& text) { m_text = text; }
  // Shows the window without activating it and starts its timing.
  void ShowSplash();
  int TimeoutMs() const { return m_timeoutMs; }

  // The picture the program shows: drawn here, magenta around a rounded panel.
  static QImage ProgramBitmap();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Hide();

  QImage m_image;
  QString m_text;
  int m_timeoutMs;
  int m_style;
};

}  // namespace corvane
