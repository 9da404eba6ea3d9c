#include "presentation/message_preview.h"

#include <fcntl.h>
#include <unistd.h>


#include "app/workspace.h"
#include "platform/file.h"
#include "platform/temp_files.h"
#include "platform/text.h"
#include "presentation/html_content_type.h"
#include "presentation/line_ends.h"
#include "presentation/message_summary.h"

namespace corvane {
namespace {

bool WriteWhole(const std::u16string& path, std::string_view bytes) {
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = WriteAllBytes(fd, bytes);
  ::close(fd);
  return written;
}

}  // namespace

std::optional<MessagePreview> ShowMessagePreview(MailboxReader& reader, std::uint64_t index, bool isImm,
                                                 const std::u16string& tempBase, CShellFileInfo& shell) {
  reader.m_attachmentPaths.clear();
  const std::u16string folder = GetTempWorkFolder(tempBase);
  DeleteFolderContents(folder);
  std::u16string path = GetTempFileNameW(folder, u"Tmp");
  if (path.empty()) return std::nullopt;
  ::unlink(NativePath(path).c_str());
  path.replace(path.size() - 4, 4, u".mht");
  if (!WriteWhole(path, {})) return std::nullopt;

  std::uint64_t size = 0;
  MessageBuffer buffer = reader.ReadMessage(index, true, &size);
  if (!buffer) return std::nullopt;
  if (!isImm) size = ForceHtmlContentType(buffer, size);
  // What goes to the file; the summary below may replace the buffer by its own copy.
  const std::string written(buffer.get(), static_cast<std::size_t>(size));
  if (isImm) reader.CollectAttachmentPaths(buffer.get(), size);
  const MessageSummary summary = SummarizeMessage(buffer, size, isImm, reader.m_attachmentPaths);

  std::string normalized;
  const std::string& file = NormalizeLineEnds(written, &normalized) ? normalized : written;
  const bool complete = WriteWhole(path, file);

  MessagePreview preview;
  preview.Path = path;
  preview.Subject = summary.Subject;
  preview.From = summary.From;
  preview.To = summary.To;
  preview.Date = summary.Date;
  // The names come from what the file holds: the bytes just written, or, when the
  // write fell short, whatever reached the file.
  preview.Attachments = isImm ? AttachmentRowsFromPaths(reader.m_attachmentPaths, shell)
                              : AttachmentRowsFromNames(complete ? ExtractAttachmentNamesFromBytes(file)
                                                                 : ExtractAttachmentNames(path),
                                                        shell);
  reader.m_attachmentPaths.clear();
  return preview;
}

}  // namespace corvane
