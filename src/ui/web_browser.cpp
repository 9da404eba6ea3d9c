#include "ui/web_browser.h"

#include <QBuffer>
#include <QFile>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace corvane {

void RegisterPreviewScheme() {
  QWebEngineUrlScheme scheme(kPreviewScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
  QWebEngineUrlScheme::registerScheme(scheme);
}

void CPreviewRequestFilter::AllowFile(const QUrl& url) {
  QMutexLocker lock(&m_mutex);
  m_allowedFiles.append(url);
  if (m_allowedFiles.size() > 8) m_allowedFiles.removeFirst();
}

void CPreviewRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QUrl url = info.requestUrl();
  const QString scheme = url.scheme();
  QMutexLocker lock(&m_mutex);
  const bool allowed = scheme == QLatin1String(kPreviewScheme) || scheme == QLatin1String("data") ||
                       (url.isLocalFile() && m_allowedFiles.contains(url.adjusted(QUrl::RemoveFragment)));
  if (!allowed) {
    m_nBlocked.fetch_add(1);
    info.block(true);
  }
}

void CPreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const std::shared_ptr<const MhtDocument> document = m_document;
  const QUrl url = job->requestUrl();
  if (!document || url.host() != QLatin1String("message")) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  auto* buffer = new QBuffer(job);
  QByteArray type;
  const QString path = url.path(QUrl::FullyDecoded);
  if (path == QLatin1String("/") || path.isEmpty()) {
    buffer->setData(QByteArray::fromStdString(document->Html));
    type = "text/html;charset=utf-8";
  } else if (path.startsWith(QLatin1String("/cid/"))) {
    const auto found = document->Parts.find(path.mid(5).toStdString());
    if (found == document->Parts.end()) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    buffer->setData(QByteArray::fromStdString(found->second.Bytes));
    type = QByteArray::fromStdString(found->second.ContentType);
  } else {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  buffer->open(QIODevice::ReadOnly);
  job->reply(type, buffer);
}

bool CPreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  // Only the loads the pane starts itself; a click on a link goes nowhere.
  if (type == NavigationTypeLinkClicked || type == NavigationTypeFormSubmitted) return false;
  if (!isMainFrame) return url.scheme() == QLatin1String(kPreviewScheme) || url.scheme() == QLatin1String("data");
  return url == m_expected;
}

CPlinthToolsWebBrowser::CPlinthToolsWebBrowser(QWidget* parent)
    : QWebEngineView(parent),
      m_profile(new QWebEngineProfile(this)),  // off the record: nothing kept on disk
      m_filter(std::make_unique<CPreviewRequestFilter>()),
      m_handler(std::make_unique<CPreviewSchemeHandler>()) {
  m_profile->setUrlRequestInterceptor(m_filter.get());
  m_profile->installUrlSchemeHandler(kPreviewScheme, m_handler.get());
  m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
  m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  connect(m_profile, &QWebEngineProfile::downloadRequested, this,
          [](QWebEngineDownloadRequest* download) { download->cancel(); });
  QWebEngineSettings* settings = m_profile->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
  settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
  settings->setAttribute(QWebEngineSettings::WebGLEnabled, false);
  settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
  settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
  settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
  settings->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
  settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
  m_page = new CPreviewPage(m_profile, this);
  setPage(m_page);
  setContextMenuPolicy(Qt::NoContextMenu);
}

CPlinthToolsWebBrowser::~CPlinthToolsWebBrowser() {
  // The page must go before its profile.
  setPage(nullptr);
  delete m_page;
}

void CPlinthToolsWebBrowser::Navigate(const QString& path) {
  QUrl url;
  if (path.endsWith(QLatin1String(".mht"), Qt::CaseInsensitive)) {
    QFile file(path);
    std::string bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll().toStdString();
    m_document = std::make_shared<const MhtDocument>(BuildMhtDocument(bytes));
    m_handler->SetDocument(m_document);
    // A new address per preview, so nothing of an earlier one is reused.
    url = QUrl(QString::fromLatin1(kPreviewDocumentUrl) + QStringLiteral("?n=%1").arg(++m_nLoads));
  } else {
    url = QUrl::fromLocalFile(path);
    m_filter->AllowFile(url);
  }
  m_page->AllowNextLoad(url);
  m_page->load(url);
}

}  // namespace corvane
