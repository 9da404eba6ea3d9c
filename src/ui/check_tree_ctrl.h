// The folder tree: every item has a check box whose state propagates to all items
// below and above it (a mix shows as the third state); a left click on an item's
// label asks the main window to list that item's messages.
#pragma once

#include <QHash>
#include <QTreeWidget>
#include <memory>

#include "app/main_frame_ports.h"
#include "platform/window_messages.h"

namespace corvane {

// The control's own record of one item.
class CHECKTREEDATA {
 public:
  virtual ~CHECKTREEDATA() = default;
  bool checked = false;
  bool enabled = true;
  bool separator = false;
  bool expanded = false;
  bool everExpanded = false;
  int descendants = 0;
  int checkedDescendants = 0;
  int separatorDescendants = 0;
  QString tipText;
  int textRight = 0;
};

class CCheckTreeCtrl : public QTreeWidget, public IFolderTree {
  Q_OBJECT

 public:
  // State images of the check boxes.
  enum StateImage { kUnchecked = 1, kChecked = 2, kTriState = 3, kDisabledOffset = 4 };
  static constexpr int kMaxTipLength = 78;

  explicit CCheckTreeCtrl(QWidget* parent = nullptr);
  ~CCheckTreeCtrl() override;

  // Deletes every item and returns to the control's first settings: check boxes on,
  // propagation off, selection on a check-box click.
  void Initialize();
  void SetPropagation(bool on) { m_bPropagate = on; }
  void SetReadOnly(bool on) { m_bReadOnly = on; }
  void SetImagesOn(bool on) { m_bImages = on; }
  void SetImageList(const QList<QIcon>& images) { m_images = images; }
  // The window that label clicks are sent to.
  void SetNotifyWindow(HWND window) { m_hNotifyWnd = window; }

  CHECKTREEDATA* Record(QTreeWidgetItem* item) const;
  int StateImageOf(QTreeWidgetItem* item) const;
  void SetEnabled(QTreeWidgetItem* item, bool enabled);
  void SelectItem(QTreeWidgetItem* item);
  // The label's rectangle in viewport coordinates (text only, not the whole row).
  QRect LabelRect(QTreeWidgetItem* item) const;
  QRect CheckBoxRect(QTreeWidgetItem* item) const;
  // The tool tip for an item: its tip text, else its label when the label is cut
  // off at the right edge, at most 78 characters; empty when none is due.
  QString TipFor(QTreeWidgetItem* item);

  // The folder-tree operations of the jobs.
  void DeleteAllItems() override;
  int GetCount() override { return static_cast<int>(m_records.size()); }
  TreeItem InsertItem(TreeItem parent, bool first, const std::u16string& text, int image) override;
  void SetItemData(TreeItem item, std::intptr_t data) override;
  std::intptr_t GetItemData(TreeItem item) override;
  void SetCheck(TreeItem item, bool checked) override;
  void Expand(TreeItem item) override;
  TreeItem GetParentItem(TreeItem item) override;
  std::u16string GetItemText(TreeItem item) override;
  void HighlightItem(TreeItem item) override;

  static TreeItem Handle(QTreeWidgetItem* item) { return reinterpret_cast<TreeItem>(item); }
  QTreeWidgetItem* ItemOf(TreeItem handle) const;

 signals:
  void checkBoxClicked(QTreeWidgetItem* item, bool checked);
  void itemExpandedChanged(QTreeWidgetItem* item, bool expanded);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void ApplyStateImage(QTreeWidgetItem* item);
  void UpdateAncestors(QTreeWidgetItem* from, int delta);
  void SetDescendantsChecked(QTreeWidgetItem* item, bool value);
  void ToggleExpanded(QTreeWidgetItem* item, bool expand);
  void ExpandAllBelow(QTreeWidgetItem* item);

  QHash<QTreeWidgetItem*, std::shared_ptr<CHECKTREEDATA>> m_records;
  QList<QIcon> m_images;
  HWND m_hNotifyWnd = nullptr;
  bool m_bPropagate = false;
  bool m_bReadOnly = false;
  bool m_bImages = true;
  bool m_bDeleting = false;
};

}  // namespace corvane
