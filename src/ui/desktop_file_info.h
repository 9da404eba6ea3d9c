// File-type icons from the desktop: the MIME type a name's extension maps to in the
// shared MIME database, shown with that type's icon from the icon theme, a generic
// file icon when the theme has none.
#pragma once

#include <QIcon>
#include <QMutex>
#include <QStringList>

#include "presentation/shell_file_info.h"

namespace corvane {

class CDesktopFileInfo : public CShellFileInfo {
 public:
  // Any thread: only the MIME type's name is looked up here.
  int GetFileIconIndex(const std::u16string& name, int smallIcon) override;
  // UI thread: the icon behind an index.
  QIcon IconAt(int index) const;
  QString MimeTypeAt(int index) const;

 private:
  mutable QMutex m_mutex;
  QStringList m_mimeTypes;  // index -> MIME type name
};

}  // namespace corvane
