#include "mailbox/mailbox_entry.h"

#include "platform/temp_files.h"

namespace corvane {

bool IsImmPath(const std::u16string& path) { return path.ends_with(u".imm"); }

std::u16string ImmAttachFolder(const std::u16string& path) {
  const std::size_t slash = path.rfind(u'/');
  if (slash == std::u16string::npos) return u"Attachments/";
  return path.substr(0, slash) + u"/Attachments/";
}

MailboxEntry MakeMailboxEntry(const std::u16string& path, HWND window) {
  MailboxEntry entry;
  entry.pReader = std::make_unique<MailboxReader>();
  entry.pReader->m_hNotifyWnd = window;
  entry.strPath = path;
  if (IsImmPath(path)) {
    entry.bIsImm = 1;
    entry.pReader->m_strAttachFolder = ImmAttachFolder(path);
    entry.bAttachFolderExists = PathExists(entry.pReader->m_strAttachFolder) ? 1 : 0;
  }
  return entry;
}

bool OpenAndScan(MailboxEntry& entry) {
  if (!entry.pReader->Open(entry.strPath)) return false;
  if (entry.bIsImm) {
    entry.pReader->ScanImm(entry.strPath);
  } else {
    entry.pReader->ScanMbox();
  }
  return true;
}

}  // namespace corvane
