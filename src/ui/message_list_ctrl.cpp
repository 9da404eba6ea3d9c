#include "ui/message_list_ctrl.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "ui/qt_text.h"

namespace corvane {

namespace {

constexpr int kWidths[CMessageListModel::kColumns] = {24, 24, 300, 300, 300, 200};

}  // namespace

CMessageListModel::CMessageListModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_messageIcon(":/corvane/message.svg"),
      m_attachmentIcon(":/corvane/attachment.svg"),
      m_headerMessage(":/corvane/header_message.svg"),
      m_headerAttachment(":/corvane/header_attachment.svg") {}

int CMessageListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CMessageListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

const MessageRow* CMessageListModel::Row(std::int64_t row) const {
  if (row < 0 || row >= static_cast<std::int64_t>(m_rows.size())) return nullptr;
  return &m_rows[static_cast<std::size_t>(row)];
}

QVariant CMessageListModel::data(const QModelIndex& index, int role) const {
  const MessageRow* row = Row(index.row());
  if (!row) return {};
  const int column = index.column();
  if (role == Qt::DecorationRole) {
    if (column == 0) return m_messageIcon;
    if (column == 1 && row->HasAttachment) return m_attachmentIcon;
    return {};
  }
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    switch (column) {
      case 0: return role == Qt::ToolTipRole ? ToQString(row->Name) : QVariant();
      case 2: return ToQString(row->To);
      case 3: return ToQString(row->From);
      case 4: return ToQString(row->Subject);
      case 5: return ToQString(row->Date);
      default: return {};
    }
  }
  if (role == Qt::UserRole) return static_cast<qulonglong>(row->ItemData);
  return {};
}

QVariant CMessageListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DecorationRole) {
    if (section == 0) return m_headerMessage;
    if (section == 1) return m_headerAttachment;
  }
  if (role == Qt::DisplayRole) {
    static const char* const kTitles[kColumns] = {"", "", "To", "From", "Subject", "Arrival Date/Time"};
    return QString::fromLatin1(kTitles[section]);
  }
  return {};
}

void CMessageListModel::Clear() {
  beginResetModel();
  std::deque<MessageRow>().swap(m_rows);
  endResetModel();
}

void CMessageListModel::Append(std::vector<MessageRow> rows) {
  if (rows.empty()) return;
  const int first = static_cast<int>(m_rows.size());
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
  m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  endInsertRows();
}

CPlinthToolsTopListCtrl::CPlinthToolsTopListCtrl(QWidget* parent)
    : QTableView(parent), m_model(new CMessageListModel(this)) {
  setModel(m_model);
  setShowGrid(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTextElideMode(Qt::ElideRight);
  setIconSize(QSize(16, 16));
  setMouseTracking(true);
  setContextMenuPolicy(Qt::DefaultContextMenu);
  setFrameShape(QFrame::Box);
  QHeaderView* head = horizontalHeader();
  head->setStretchLastSection(false);
  head->setSectionsMovable(false);
  head->setSectionsClickable(true);
  head->setMinimumSectionSize(16);
  head->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  head->setHighlightSections(false);
  for (int column = 0; column < CMessageListModel::kColumns; ++column) {
    head->setSectionResizeMode(column, IsResizable(column) ? QHeaderView::Interactive : QHeaderView::Fixed);
    head->resizeSection(column, kWidths[column]);
  }
}

void CPlinthToolsTopListCtrl::DeleteAllItems() { m_model->Clear(); }

std::int64_t CPlinthToolsTopListCtrl::GetItemCount() { return m_model->rowCount(); }

void CPlinthToolsTopListCtrl::AppendRows(std::vector<MessageRow> rows) { m_model->Append(std::move(rows)); }

std::optional<std::uint64_t> CPlinthToolsTopListCtrl::GetItemData(std::int64_t row) {
  const MessageRow* found = m_model->Row(row);
  if (!found) return std::nullopt;
  return found->ItemData;
}

void CPlinthToolsTopListCtrl::EnsureVisible(std::int64_t row) {
  if (m_model->Row(row)) scrollTo(m_model->index(static_cast<int>(row), 0), QAbstractItemView::EnsureVisible);
}

void CPlinthToolsTopListCtrl::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  const QModelIndex hit = indexAt(event->position().toPoint());
  if (!hit.isValid()) return;
  if (event->button() == Qt::LeftButton) {
    SendMessageW(m_hMainWnd, WM_MESSAGE_ITEM_CLICKED, static_cast<WPARAM>(hit.row()), 0);
  }
  // A right click reaches only the view, which does nothing with it.
}

void CPlinthToolsTopListCtrl::mouseDoubleClickEvent(QMouseEvent*) {}

void CPlinthToolsTopListCtrl::mouseMoveEvent(QMouseEvent* event) {
  // Hover and hot tracking only over rows.
  if (indexAt(event->position().toPoint()).isValid()) QTableView::mouseMoveEvent(event);
}

void CPlinthToolsTopListCtrl::contextMenuEvent(QContextMenuEvent*) {}

}  // namespace corvane
