#include "ui/check_tree_ctrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolTip>

#include "ui/qt_text.h"

namespace corvane {

namespace {
constexpr int kDataRole = Qt::UserRole + 1;
}

CCheckTreeCtrl::CCheckTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragDropMode(QAbstractItemView::NoDragDrop);
  setIconSize(QSize(16, 16));
  setUniformRowHeights(true);
  setExpandsOnDoubleClick(false);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  Initialize();
}

CCheckTreeCtrl::~CCheckTreeCtrl() {
  m_bDeleting = true;
  m_records.clear();
}

void CCheckTreeCtrl::Initialize() {
  DeleteAllItems();
  m_bPropagate = false;
  m_bReadOnly = false;
}

CHECKTREEDATA* CCheckTreeCtrl::Record(QTreeWidgetItem* item) const {
  if (m_bDeleting || !item) return nullptr;
  auto found = m_records.find(item);
  return found == m_records.end() ? nullptr : found->get();
}

QTreeWidgetItem* CCheckTreeCtrl::ItemOf(TreeItem handle) const {
  auto* item = reinterpret_cast<QTreeWidgetItem*>(handle);
  // Handles from an earlier fill are not looked at: they may be gone.
  return m_records.contains(item) ? item : nullptr;
}

int CCheckTreeCtrl::StateImageOf(QTreeWidgetItem* item) const {
  const CHECKTREEDATA* record = Record(item);
  if (!record) return 0;
  int image;
  if (m_bPropagate && record->descendants > 0) {
    if (record->checkedDescendants == 0) {
      image = kUnchecked;
    } else if (record->checkedDescendants == record->descendants - record->separatorDescendants) {
      image = kChecked;
    } else {
      image = kTriState;
    }
  } else {
    image = record->checked ? kChecked : kUnchecked;
  }
  if (!record->enabled) image += kDisabledOffset;
  return image;
}

void CCheckTreeCtrl::ApplyStateImage(QTreeWidgetItem* item) {
  const int image = StateImageOf(item);
  if (image == 0) return;
  const int look = (image - 1) % kDisabledOffset + 1;
  const Qt::CheckState state = look == kChecked ? Qt::Checked : look == kTriState ? Qt::PartiallyChecked : Qt::Unchecked;
  item->setData(0, Qt::CheckStateRole, state);
}

void CCheckTreeCtrl::DeleteAllItems() {
  collapseAll();
  if (topLevelItemCount() > 0) setCurrentItem(topLevelItem(0));
  horizontalScrollBar()->setValue(0);
  m_bDeleting = true;
  clear();
  m_records.clear();
  m_bDeleting = false;
}

TreeItem CCheckTreeCtrl::InsertItem(TreeItem parentHandle, bool first, const std::u16string& text, int image) {
  QTreeWidgetItem* parent = nullptr;
  if (parentHandle) {
    parent = ItemOf(parentHandle);
    if (!parent) return 0;
  }
  auto* item = new QTreeWidgetItem();
  item->setText(0, ToQString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (m_bImages && image >= 0 && image < m_images.size()) item->setIcon(0, m_images[image]);
  if (parent) {
    if (first) {
      parent->insertChild(0, item);
    } else {
      parent->addChild(item);
    }
  } else if (first) {
    insertTopLevelItem(0, item);
  } else {
    addTopLevelItem(item);
  }
  m_records.insert(item, std::make_shared<CHECKTREEDATA>());
  ApplyStateImage(item);
  if (m_bPropagate) {
    for (QTreeWidgetItem* up = parent; up; up = up->parent()) {
      if (CHECKTREEDATA* record = Record(up)) record->descendants += 1;
    }
    UpdateAncestors(parent, Record(item)->checked ? 1 : 0);
  }
  return Handle(item);
}

void CCheckTreeCtrl::UpdateAncestors(QTreeWidgetItem* from, int delta) {
  for (QTreeWidgetItem* up = from; up; up = up->parent()) {
    CHECKTREEDATA* record = Record(up);
    if (!record) continue;
    record->checkedDescendants = std::max(0, record->checkedDescendants + delta);
    const bool was = record->checked;
    record->checked = record->checkedDescendants == record->descendants - record->separatorDescendants;
    ApplyStateImage(up);
    if (record->checked && !was) delta += 1;
    if (!record->checked && was) delta -= 1;
  }
}

void CCheckTreeCtrl::SetDescendantsChecked(QTreeWidgetItem* item, bool value) {
  for (int i = 0; i < item->childCount(); ++i) {
    QTreeWidgetItem* child = item->child(i);
    CHECKTREEDATA* record = Record(child);
    if (record && !record->separator) {
      record->checked = value;
      record->checkedDescendants = value ? record->descendants - record->separatorDescendants : 0;
      ApplyStateImage(child);
    }
    SetDescendantsChecked(child, value);
  }
}

void CCheckTreeCtrl::SetCheck(TreeItem handle, bool value) {
  QTreeWidgetItem* item = ItemOf(handle);
  CHECKTREEDATA* record = Record(item);
  if (!record || !record->enabled || record->separator) return;
  const bool old = record->checked;
  record->checked = value;
  ApplyStateImage(item);
  if (m_bPropagate && old != value) {
    const int delta = value ? record->descendants - record->checkedDescendants + 1 : -(record->checkedDescendants + 1);
    record->checkedDescendants = value ? record->descendants - record->separatorDescendants : 0;
    SetDescendantsChecked(item, value);
    ApplyStateImage(item);
    UpdateAncestors(item->parent(), delta);
  }
  emit checkBoxClicked(item, value);
}

void CCheckTreeCtrl::SetEnabled(QTreeWidgetItem* item, bool enabled) {
  CHECKTREEDATA* record = Record(item);
  if (!record) return;
  record->enabled = enabled;
  item->setFlags(enabled ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags);
  ApplyStateImage(item);
}

void CCheckTreeCtrl::ToggleExpanded(QTreeWidgetItem* item, bool expand) {
  CHECKTREEDATA* record = Record(item);
  if (!record || !record->enabled || item->childCount() == 0) return;
  const bool changed = record->expanded != expand;
  record->expanded = expand;
  if (expand) record->everExpanded = true;
  if (changed) emit itemExpandedChanged(item, expand);
  item->setExpanded(expand);
}

void CCheckTreeCtrl::Expand(TreeItem handle) {
  if (QTreeWidgetItem* item = ItemOf(handle)) ToggleExpanded(item, true);
}

std::intptr_t CCheckTreeCtrl::GetItemData(TreeItem handle) {
  QTreeWidgetItem* item = ItemOf(handle);
  return item ? item->data(0, kDataRole).value<qlonglong>() : 0;
}

void CCheckTreeCtrl::SetItemData(TreeItem handle, std::intptr_t data) {
  if (QTreeWidgetItem* item = ItemOf(handle)) item->setData(0, kDataRole, static_cast<qlonglong>(data));
}

TreeItem CCheckTreeCtrl::GetParentItem(TreeItem handle) {
  QTreeWidgetItem* item = ItemOf(handle);
  return item ? Handle(item->parent()) : 0;
}

std::u16string CCheckTreeCtrl::GetItemText(TreeItem handle) {
  QTreeWidgetItem* item = ItemOf(handle);
  return item ? ToWide(item->text(0)) : std::u16string();
}

void CCheckTreeCtrl::HighlightItem(TreeItem handle) {
  if (QTreeWidgetItem* item = ItemOf(handle)) setCurrentItem(item);
}

void CCheckTreeCtrl::SelectItem(QTreeWidgetItem* item) {
  if (!item || currentItem() == item) return;
  CHECKTREEDATA* record = Record(item);
  if (!record || !record->enabled) return;  // the previous selection stays
  setCurrentItem(item);
}

namespace {

QStyleOptionViewItem ItemOption(const QTreeWidget* tree, QTreeWidgetItem* item, const QRect& rect) {
  QStyleOptionViewItem option;
  option.initFrom(tree);
  option.rect = rect;
  option.font = tree->font();
  option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasCheckIndicator;
  if (!item->icon(0).isNull()) {
    option.features |= QStyleOptionViewItem::HasDecoration;
    option.icon = item->icon(0);
  }
  option.decorationSize = tree->iconSize();
  option.text = item->text(0);
  option.showDecorationSelected = true;
  return option;
}

}  // namespace

QRect CCheckTreeCtrl::LabelRect(QTreeWidgetItem* item) const {
  const QRect row = visualItemRect(item);
  if (row.isEmpty()) return {};
  const QStyleOptionViewItem option = ItemOption(this, item, row);
  QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  text.setWidth(fontMetrics().horizontalAdvance(item->text(0)) + 2 * margin);
  return text;
}

QRect CCheckTreeCtrl::CheckBoxRect(QTreeWidgetItem* item) const {
  const QRect row = visualItemRect(item);
  if (row.isEmpty()) return {};
  const QStyleOptionViewItem option = ItemOption(this, item, row);
  return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void CCheckTreeCtrl::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  QTreeWidgetItem* hit = itemAt(point);
  if (event->button() == Qt::RightButton) {
    if (topLevelItemCount() == 0) return;
    if (hit) SelectItem(hit);
    return;
  }
  if (event->button() != Qt::LeftButton) {
    QTreeWidget::mousePressEvent(event);
    return;
  }
  CHECKTREEDATA* record = Record(hit);
  if (hit && record && CheckBoxRect(hit).contains(point)) {
    if (record->enabled && !record->separator && !m_bReadOnly) {
      SetCheck(Handle(hit), !record->checked);
      SelectItem(hit);
    }
    return;
  }
  // The expand button and the rest of the row get the control's own handling.
  QTreeWidget::mousePressEvent(event);
  if (!hit || !record || !record->enabled) return;
  SelectItem(hit);
  const QRect label = LabelRect(hit);
  record->textRight = label.right();
  if (label.contains(point)) {
    SendMessageW(m_hNotifyWnd, WM_TREE_ITEM_CLICKED, 4, static_cast<LPARAM>(Handle(hit)));
  }
}

void CCheckTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidgetItem* hit = itemAt(event->position().toPoint());
  CHECKTREEDATA* record = Record(hit);
  if (!hit || !record || !record->enabled) return;
  if (hit->childCount() > 0) ToggleExpanded(hit, !record->expanded);
}

void CCheckTreeCtrl::ExpandAllBelow(QTreeWidgetItem* item) {
  ToggleExpanded(item, true);
  for (int i = 0; i < item->childCount(); ++i) ExpandAllBelow(item->child(i));
}

void CCheckTreeCtrl::keyPressEvent(QKeyEvent* event) {
  QTreeWidgetItem* selected = currentItem();
  CHECKTREEDATA* record = Record(selected);
  const bool keypad = event->modifiers() & Qt::KeypadModifier;
  if (event->key() == Qt::Key_Space && record && !m_bReadOnly) {
    if (!record->separator) SetCheck(Handle(selected), !record->checked);
    return;
  }
  if (record && record->enabled && selected->childCount() > 0) {
    if ((event->key() == Qt::Key_Right && !record->expanded) || (keypad && event->key() == Qt::Key_Plus)) {
      ToggleExpanded(selected, true);
      return;
    }
    if ((event->key() == Qt::Key_Left && record->expanded) || (keypad && event->key() == Qt::Key_Minus)) {
      ToggleExpanded(selected, false);
      return;
    }
  }
  if (record && keypad && event->key() == Qt::Key_Asterisk) {
    ExpandAllBelow(selected);
    scrollToItem(selected);
    horizontalScrollBar()->setValue(0);
    return;
  }
  if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) {
    QTreeWidgetItem* next = selected;
    do {
      next = event->key() == Qt::Key_Down ? itemBelow(next) : itemAbove(next);
    } while (next && Record(next) && !Record(next)->enabled);
    if (next) {
      SelectItem(next);
      scrollToItem(next);
      return;
    }
  }
  QTreeWidget::keyPressEvent(event);
}

QString CCheckTreeCtrl::TipFor(QTreeWidgetItem* item) {
  CHECKTREEDATA* record = Record(item);
  if (!record || record->separator) return {};
  const QRect label = LabelRect(item);
  record->textRight = label.right();
  const bool cutOff = record->textRight > viewport()->width() - 3;
  if (!record->tipText.isEmpty()) return record->tipText.left(kMaxTipLength);
  return cutOff ? item->text(0).left(kMaxTipLength) : QString();
}

bool CCheckTreeCtrl::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = TipFor(itemAt(help->pos()));
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QTreeWidget::viewportEvent(event);
}

}  // namespace corvane
