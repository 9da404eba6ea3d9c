// The preview pane: a header box with the message's Subject, From, To and Date, a
// strip with the attachment names and their file-type icons, and the browser.
#pragma once

#include <QFont>
#include <QListWidget>
#include <QWidget>

#include "app/main_frame_ports.h"
#include "ui/desktop_file_info.h"
#include "ui/web_browser.h"

namespace corvane {

class CPlinthStaticViewer : public QWidget, public IPreviewPane {
  Q_OBJECT

 public:
  CPlinthStaticViewer(CDesktopFileInfo& fileInfo, QWidget* parent = nullptr);

  void ResetPane() override;
  void NavigateTo(const std::u16string& path) override;
  void SetHeaderTexts(const std::u16string& subject, const std::u16string& from, const std::u16string& to,
                      const std::u16string& date) override;
  void AddAttachmentRows(const std::vector<AttachmentRow>& rows) override;
  void Invalidate() override { update(); }

  CPlinthToolsWebBrowser* Browser() const { return m_wndBrowser; }
  QListWidget* Attachments() const { return m_wndAttachments; }
  bool IsBrowserOnly() const { return m_bBrowserOnly != 0; }
  QString Subject() const { return m_strSubject; }
  QString From() const { return m_strFrom; }
  QString To() const { return m_strTo; }
  QString Date() const { return m_strDate; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent*) override {}

 private:
  void Layout();

  CDesktopFileInfo& m_fileInfo;
  QString m_strSubject, m_strFrom, m_strTo, m_strDate;
  QFont m_fontBold, m_fontNormal;
  QListWidget* m_wndAttachments;
  CPlinthToolsWebBrowser* m_wndBrowser;
  int m_bBrowserOnly = 1;
};

}  // namespace corvane
