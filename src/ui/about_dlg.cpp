#include "ui/about_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "ui/qt_text.h"
#include "ui/splash_wnd.h"

namespace corvane {

CPlinthAboutDlg::CPlinthAboutDlg(std::function<void(const char*)> openUrl, QWidget* parent) : QDialog(parent) {
  setWindowTitle(ToQString(texts::kAppTitle));
  QFont titleFont(QStringLiteral("Arial"));
  titleFont.setStyleHint(QFont::SansSerif);
  titleFont.setPixelSize(15);
  titleFont.setWeight(QFont::DemiBold);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 10);
  auto* banner = new QLabel(this);
  // The splash picture, its see-through magenta made transparent.
  QImage picture = CSplashWnd::ProgramBitmap().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (line[x] == CSplashWnd::kSeeThrough) line[x] = 0;
    }
  }
  banner->setPixmap(QPixmap::fromImage(picture).scaledToHeight(80, Qt::SmoothTransformation));
  banner->setAlignment(Qt::AlignCenter);
  banner->setObjectName(QStringLiteral("Banner"));
  layout->addWidget(banner);
  auto* title = new QLabel(ToQString(texts::kAppTitle), this);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  struct Link {
    const char* text;
    const char* target;
    const char* tip;
  };
  static const Link kLinks[] = {
      {texts::kWebSite, texts::kWebSite, "Company website"},
      {"support@corvane.example", "mailto:support@corvane.example", "Support email address"},
      {"sales@corvane.example", "mailto:sales@corvane.example", "Sales email address"}};
  for (const Link& link : kLinks) {
    auto* label = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(QLatin1String(link.target), QLatin1String(link.text)), this);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setToolTip(QString::fromLatin1(link.tip));
    label->setAlignment(Qt::AlignCenter);
    const char* target = link.target;
    connect(label, &QLabel::linkActivated, this, [openUrl, target] { openUrl(target); });
    layout->addWidget(label);
  }
  auto* notice = new QLabel(QStringLiteral("Copyright (C) 2026 Corvane. All rights reserved."), this);
  notice->setFont(titleFont);
  notice->setAlignment(Qt::AlignCenter);
  layout->addWidget(notice);
  auto* rule = new QLabel(QString(48, QLatin1Char('_')), this);
  rule->setAlignment(Qt::AlignCenter);
  rule->setEnabled(false);
  layout->addWidget(rule);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OK"));
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
}

void CPlinthAboutDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void CPlinthAboutDlg::mousePressEvent(QMouseEvent* event) {
  m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CPlinthAboutDlg::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - m_dragOffset);
}

}  // namespace corvane
