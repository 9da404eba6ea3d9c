#include "ui/about_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "ui/qt_text.h"

namespace corvane {

CPlinthAboutDlg::CPlinthAboutDlg(std::function<void(const char*)> openUrl, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ZODE Zeri Rivedu"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(ToQString(texts::kAppTitle), this);
  QFont bold = title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  title->setFont(bold);
  layout->addWidget(title);
  struct Link {
    const char* text;
    const char* target;
  };
  static const Link kLinks[] = {{texts::kWebSite, texts::kWebSite},
                                {"support@corvane.example", "mailto:support@corvane.example"},
                                {"sales@corvane.example", "mailto:sales@corvane.example"}};
  for (const Link& link : kLinks) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(QLatin1String(link.target), QLatin1String(link.text)), this);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    const char* target = link.target;
    connect(label, &QLabel::linkActivated, this, [openUrl, target] { openUrl(target); });
    layout->addWidget(label);
  }
  layout->addWidget(new QLabel(QStringLiteral("Copyright (C) 2026 Corvane. All rights reserved."), this));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
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
