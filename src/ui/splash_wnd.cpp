#include "ui/splash_wnd.h"

#include <QBitmap>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

namespace corvane {

CSplashWnd::CSplashWnd(QWidget* parent, int timeoutMs, int style)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_timeoutMs(timeoutMs),
      m_style(style) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void CSplashWnd::SetBitmap(const QImage& image) {
  m_image = image.convertToFormat(QImage::Format_RGB32);
  setFixedSize(m_image.size());
  // The mask image marks the magenta pixels; as a bitmap its black (set) pixels are
  // the window and its white ones are left out.
  const QImage seeThrough = m_image.createMaskFromColor(kSeeThrough, Qt::MaskInColor);
  setMask(QBitmap::fromImage(seeThrough));
  QRect place(QPoint(0, 0), m_image.size());
  if ((m_style & kCenterOnParent) && parentWidget()) {
    place.moveCenter(parentWidget()->geometry().center());
  } else if (m_style & kCenterOnScreen) {
    if (QScreen* screen = this->screen()) place.moveCenter(screen->availableGeometry().center());
  }
  move(place.topLeft());
}

void CSplashWnd::ShowSplash() {
  const bool fade = m_style & kFadeIn;
  setWindowOpacity(fade ? 0.0 : 1.0);
  show();
  auto startTimer = [this] {
    if (m_timeoutMs > 0) QTimer::singleShot(m_timeoutMs, this, &CSplashWnd::Hide);
  };
  if (!fade) {
    startTimer();
    return;
  }
  auto* fadeIn = new QPropertyAnimation(this, "windowOpacity", this);
  fadeIn->setDuration(kFadeInMs);
  fadeIn->setStartValue(0.0);
  fadeIn->setEndValue(1.0);
  connect(fadeIn, &QPropertyAnimation::finished, this, startTimer);
  fadeIn->start(QAbstractAnimation::DeleteWhenStopped);
}

void CSplashWnd::Hide() {
  if (!(m_style & kFadeOut)) {
    close();
    return;
  }
  auto* fadeOut = new QPropertyAnimation(this, "windowOpacity", this);
  fadeOut->setDuration(kFadeOutMs);
  fadeOut->setStartValue(windowOpacity());
  fadeOut->setEndValue(0.0);
  connect(fadeOut, &QPropertyAnimation::finished, this, &QWidget::close);
  fadeOut->start(QAbstractAnimation::DeleteWhenStopped);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, m_image);
  QFont font = painter.font();
  font.setPixelSize(25);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_text);
}

QImage CSplashWnd::ProgramBitmap() {
  QImage image(440, 260, QImage::Format_RGB32);
  image.fill(kSeeThrough);
  QPainter painter(&image);
  // The outline without smoothing, so that every pixel is either magenta or panel.
  painter.setRenderHint(QPainter::Antialiasing, false);
  QLinearGradient fill(0, 0, 0, image.height());
  fill.setColorAt(0.0, QColor(0xF4, 0xF8, 0xFF));
  fill.setColorAt(1.0, QColor(0xB9, 0xD3, 0xF2));
  painter.setBrush(fill);
  painter.setPen(QPen(QColor(0x2F, 0x5D, 0x9E), 3));
  painter.drawRoundedRect(QRect(8, 8, image.width() - 17, image.height() - 17), 28, 28);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.drawPixmap(QRect(32, 30, 64, 64), QIcon(QStringLiteral(":/corvane/app.svg")).pixmap(64, 64));
  QFont font = painter.font();
  font.setPixelSize(24);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x17, 0x30, 0x55));
  painter.drawText(QRect(110, 36, 310, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZODE Zeri Rivedu"));
  font.setPixelSize(14);
  font.setBold(false);
  painter.setFont(font);
  painter.drawText(QRect(0, 190, image.width(), 30), Qt::AlignCenter, QStringLiteral("Corvane mailbox viewer"));
  return image;
}

}  // namespace corvane
