// The preview's embedded browser. Mail is untrusted, so it runs no script, loads no
// plug-in, shows no menu or dialog, downloads nothing, never leaves the page on a
// click, and fetches nothing but the preview's own documents: every request other
// than the preview scheme, data: and the local file being shown is blocked.
#pragma once

#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>
#include <QMutex>
#include <atomic>
#include <memory>

#include "presentation/mht_document.h"

class QWebEngineProfile;

namespace corvane {

inline constexpr char kPreviewScheme[] = "corvane-preview";
inline constexpr char kPreviewDocumentUrl[] = "corvane-preview://message/";

// Must run before the application object is made.
void RegisterPreviewScheme();

class CPreviewRequestFilter : public QWebEngineUrlRequestInterceptor {
 public:
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
  // A local file the pane itself navigates to. The last few stay allowed, so a
  // load that a newer one overtakes is not counted as blocked.
  void AllowFile(const QUrl& url);
  int BlockedCount() const { return m_nBlocked.load(); }

 private:
  std::atomic<int> m_nBlocked{0};
  // Written on the UI thread before each load, read on the browser's IO thread.
  mutable QMutex m_mutex;
  QList<QUrl> m_allowedFiles;
};

// Serves the document built from the current ".mht" file and its "cid:" parts.
class CPreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
 public:
  void SetDocument(std::shared_ptr<const MhtDocument> document) { m_document = std::move(document); }
  // Runs on the UI thread, as does SetDocument.
  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  std::shared_ptr<const MhtDocument> m_document;
};

class CPreviewPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;
  void AllowNextLoad(const QUrl& url) { m_expected = url; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
  void javaScriptAlert(const QUrl&, const QString&) override {}
  bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
  bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}

 private:
  QUrl m_expected;
};

class CPlinthToolsWebBrowser : public QWebEngineView {
  Q_OBJECT

 public:
  explicit CPlinthToolsWebBrowser(QWidget* parent = nullptr);
  ~CPlinthToolsWebBrowser() override;

  // Shows a local file: an ".mht" file as the document built from its message,
  // anything else (the blank ".html" page) as it is.
  void Navigate(const QString& path);
  const CPreviewRequestFilter& Filter() const { return *m_filter; }
  // The document last built, for tests.
  std::shared_ptr<const MhtDocument> Document() const { return m_document; }

 protected:
  void contextMenuEvent(QContextMenuEvent*) override {}

 private:
  QWebEngineProfile* m_profile;
  std::unique_ptr<CPreviewRequestFilter> m_filter;
  std::unique_ptr<CPreviewSchemeHandler> m_handler;
  CPreviewPage* m_page;
  std::shared_ptr<const MhtDocument> m_document;
  int m_nLoads = 0;
};

}  // namespace corvane
