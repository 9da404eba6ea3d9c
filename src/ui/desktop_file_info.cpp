#include "ui/desktop_file_info.h"

#include <QMimeDatabase>

#include "ui/qt_text.h"

namespace corvane {

int CDesktopFileInfo::GetFileIconIndex(const std::u16string& name, int) {
  const QMimeType type = QMimeDatabase().mimeTypeForFile(ToQString(name), QMimeDatabase::MatchExtension);
  QMutexLocker lock(&m_mutex);
  const qsizetype known = m_mimeTypes.indexOf(type.name());
  if (known >= 0) return static_cast<int>(known);
  m_mimeTypes.append(type.name());
  return static_cast<int>(m_mimeTypes.size() - 1);
}

QString CDesktopFileInfo::MimeTypeAt(int index) const {
  QMutexLocker lock(&m_mutex);
  return index >= 0 && index < m_mimeTypes.size() ? m_mimeTypes[index] : QString();
}

QIcon CDesktopFileInfo::IconAt(int index) const {
  const QMimeType type = QMimeDatabase().mimeTypeForName(MimeTypeAt(index));
  const QIcon fallback = QIcon::fromTheme(QStringLiteral("text-x-generic"), QIcon(QStringLiteral(":/corvane/file.svg")));
  if (!type.isValid()) return fallback;
  return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), fallback));
}

}  // namespace corvane
