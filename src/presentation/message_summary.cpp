#include "presentation/message_summary.h"

#include <cstring>

#include "mime/mime_body.h"
#include "presentation/line_ends.h"
#include "presentation/mail_text.h"

namespace corvane {

namespace {

MessageBuffer CopyToBuffer(const std::string& bytes) {
  MessageBuffer buffer(static_cast<char*>(std::calloc(bytes.size() + 1, 1)));
  if (buffer) std::memcpy(buffer.get(), bytes.data(), bytes.size());
  return buffer;
}

}  // namespace

MessageSummary SummarizeMessage(MessageBuffer& buffer, std::uint64_t& size, bool isImm,
                                const std::vector<std::u16string>& attachmentPaths) {
  std::string normalized;
  if (NormalizeLineEnds(std::string_view(buffer.get(), static_cast<std::size_t>(size)), &normalized)) {
    if (MessageBuffer copy = CopyToBuffer(normalized)) {
      buffer = std::move(copy);
      size = normalized.size();
    }
  }
  MessageSummary summary;
  const char* data = buffer.get();
  auto length = static_cast<std::int64_t>(size);
  if (length >= 2 && data[0] == '\r' && data[1] == '\n') {
    data += 2;
    length -= 2;
  }
  CMimeMessage message;
  message.ParseFrom(data, length);
  auto text = [&](const char* name, std::u16string* out) {
    if (const CMimeHeaderField* field = message.FindField(name)) {
      *out = HeaderTextToWide(field->Value().c_str(), field->Charset());
    }
  };
  text("To", &summary.To);
  text("From", &summary.From);
  text("Subject", &summary.Subject);
  text("Date", &summary.Date);
  if (isImm) {
    summary.HasAttachment = !attachmentPaths.empty();
  } else {
    std::vector<const CMimeBody*> leaves;
    message.CollectLeafParts(leaves);
    for (const CMimeBody* leaf : leaves) {
      if (leaf->HasAttachmentName()) {
        summary.HasAttachment = true;
        break;
      }
    }
  }
  return summary;
}

}  // namespace corvane
