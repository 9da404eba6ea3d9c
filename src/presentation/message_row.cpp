#include "presentation/message_row.h"

#include "presentation/message_summary.h"

namespace corvane {

std::optional<MessageRow> BuildMessageRow(MailboxReader& reader, std::uint64_t i, bool isImm,
                                          const std::u16string& name) {
  std::uint64_t size = 0;
  MessageBuffer buffer = reader.ReadMessage(i, false, &size);
  if (!buffer) return std::nullopt;
  if (isImm) reader.CollectAttachmentPaths(buffer.get(), size);
  const MessageSummary summary = SummarizeMessage(buffer, size, isImm, reader.m_attachmentPaths);
  MessageRow row;
  row.Name = name;
  row.HasAttachment = summary.HasAttachment;
  row.To = summary.To;
  row.From = summary.From;
  row.Subject = summary.Subject;
  row.Date = summary.Date;
  row.ItemData = i;
  if (isImm) {
    if (row.From.empty()) row.From = MailboxReader::GetRawHeaderValue(buffer.get(), size, "From:");
    if (row.Subject.empty()) row.Subject = MailboxReader::GetRawHeaderValue(buffer.get(), size, "Subject:");
    if (row.To.empty()) row.To = MailboxReader::GetRawHeaderValue(buffer.get(), size, "To:");
    reader.m_attachmentPaths.clear();
  }
  return row;
}

}  // namespace corvane
