// The list of messages of the chosen mailbox file: one row per message, six
// columns, each row's item data the message's number. A model over the rows, so a
// list of a million messages stays fluid: a table view keeps no record per row.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QTableView>
#include <deque>
#include <vector>

#include "app/main_frame_ports.h"
#include "platform/window_messages.h"

namespace corvane {

class CMessageListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumns = 6;

  explicit CMessageListModel(QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void Clear();
  void Append(std::vector<MessageRow> rows);
  const MessageRow* Row(std::int64_t row) const;

 private:
  // A deque: growing it never moves the rows already listed.
  std::deque<MessageRow> m_rows;
  QIcon m_messageIcon;
  QIcon m_attachmentIcon;
  QIcon m_headerMessage;
  QIcon m_headerAttachment;
};

class CPlinthToolsTopListCtrl : public QTableView, public IMessageList {
  Q_OBJECT

 public:
  explicit CPlinthToolsTopListCtrl(QWidget* parent = nullptr);
  // The window that left clicks on rows are sent to.
  void SetMainWindow(HWND window) { m_hMainWnd = window; }
  CMessageListModel* Model() const { return m_model; }
  // The columns whose width the user may change.
  static bool IsResizable(int column) { return column >= 3; }

  void DeleteAllItems() override;
  std::int64_t GetItemCount() override;
  void AppendRows(std::vector<MessageRow> rows) override;
  std::optional<std::uint64_t> GetItemData(std::int64_t row) override;
  void EnsureVisible(std::int64_t row) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  CMessageListModel* m_model;
  HWND m_hMainWnd = nullptr;
};

}  // namespace corvane
