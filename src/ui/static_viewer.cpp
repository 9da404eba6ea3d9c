#include "ui/static_viewer.h"

#include <QFontDatabase>
#include <QPainter>

#include "ui/qt_text.h"

namespace corvane {

CPlinthStaticViewer::CPlinthStaticViewer(CDesktopFileInfo& fileInfo, QWidget* parent)
    : QWidget(parent),
      m_fileInfo(fileInfo),
      m_wndAttachments(new QListWidget(this)),
      m_wndBrowser(new CPlinthToolsWebBrowser(this)) {
  setObjectName(QStringLiteral("Preview"));
  setWindowTitle(QStringLiteral("Preview"));
  m_fontNormal = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  m_fontNormal.setWeight(QFont::Normal);
  m_fontBold = m_fontNormal;
  m_fontBold.setWeight(QFont::Bold);
  m_wndAttachments->setViewMode(QListView::ListMode);
  m_wndAttachments->setFlow(QListView::LeftToRight);
  m_wndAttachments->setWrapping(true);
  m_wndAttachments->setIconSize(QSize(16, 16));
  m_wndAttachments->setFrameShape(QFrame::NoFrame);
  m_wndAttachments->setContextMenuPolicy(Qt::NoContextMenu);
  Layout();
}

void CPlinthStaticViewer::Layout() {
  const int cx = width();
  const int cy = height();
  if (m_bBrowserOnly) {
    m_wndAttachments->setGeometry(0, 0, 0, 0);
    m_wndBrowser->setGeometry(10, 10, std::max(0, cx - 20), std::max(0, cy - 20));
  } else {
    m_wndAttachments->setGeometry(120, 75, std::max(0, cx - 130), 40);
    m_wndBrowser->setGeometry(10, 125, std::max(0, cx - 20), std::max(0, cy - 145));
  }
  update();
}

void CPlinthStaticViewer::resizeEvent(QResizeEvent*) { Layout(); }

void CPlinthStaticViewer::ResetPane() {
  m_strSubject.clear();
  m_strFrom.clear();
  m_strTo.clear();
  m_strDate.clear();
  m_wndAttachments->clear();
  // The header layout from now on, at once: waiting for the next resize would keep
  // the header hidden behind the browser.
  if (m_bBrowserOnly) {
    m_bBrowserOnly = 0;
    Layout();
  }
}

void CPlinthStaticViewer::NavigateTo(const std::u16string& path) { m_wndBrowser->Navigate(ToQString(path)); }

void CPlinthStaticViewer::SetHeaderTexts(const std::u16string& subject, const std::u16string& from,
                                         const std::u16string& to, const std::u16string& date) {
  m_strSubject = ToQString(subject);
  m_strFrom = ToQString(from);
  m_strTo = ToQString(to);
  m_strDate = ToQString(date);
}

void CPlinthStaticViewer::AddAttachmentRows(const std::vector<AttachmentRow>& rows) {
  for (const AttachmentRow& row : rows) {
    auto* item = new QListWidgetItem(m_fileInfo.IconAt(row.Icon), ToQString(row.Text));
    item->setToolTip(item->text());
    m_wndAttachments->addItem(item);
  }
}

void CPlinthStaticViewer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect client = rect();
  const QColor window = palette().color(QPalette::Base);
  painter.fillRect(client, window);

  // The header box with a raised frame.
  const QRect box(6, 6, client.width() - 12, 110);
  if (!m_bBrowserOnly && box.width() > 0) {
    painter.fillRect(box, window);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    if (box.width() > 120) {
      const QRect textBox(box.left(), box.top(), box.width() - 120, box.height());
      painter.setClipRect(textBox);
      painter.setPen(palette().color(QPalette::Text));
      const int ascent = QFontMetrics(m_fontBold).ascent();
      painter.setFont(m_fontBold);
      painter.drawText(QPoint(box.left() + 9, box.top() + 4 + ascent), m_strSubject);
      painter.drawText(QPoint(box.left() + 9, box.top() + 23 + ascent), m_strFrom);
      painter.setFont(m_fontNormal);
      painter.drawText(QPoint(box.left() + 10, box.top() + 45 + ascent), m_strTo);
      painter.drawText(QPoint(textBox.right() - 170, box.top() + 30 + ascent), m_strDate);
      painter.setClipping(false);
    }
  }

  // The edge frame: lines shaded from a light blue-grey outside to a darker one
  // inside, then a black line.
  for (int i = 0; i < 5; ++i) {
    const int shade = 138 - i * 8;
    painter.setPen(QColor(shade, shade + 8, std::min(255, shade + 28)));
    painter.drawRect(client.adjusted(i, i, -1 - i, -1 - i));
  }
  painter.setPen(Qt::black);
  painter.drawRect(client.adjusted(5, 5, -6, -6));
}

}  // namespace corvane
