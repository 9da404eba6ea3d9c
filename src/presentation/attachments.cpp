#include "presentation/attachments.h"

#include "mime/mime_body.h"
#include "platform/file.h"
#include "presentation/line_ends.h"
#include "presentation/mail_text.h"

namespace corvane {

std::u16string ExtractAttachmentNames(const std::u16string& path) {
  CFile file;
  if (!file.Open(path)) return {};
  std::string bytes(static_cast<std::size_t>(file.GetLength()), '\0');
  bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
  return ExtractAttachmentNamesFromBytes(std::move(bytes));
}

std::u16string ExtractAttachmentNamesFromBytes(std::string bytes) {
  if (!HasCrLfBeforeNul(bytes)) {
    bool inserted = false;
    bytes = InsertCrBeforeBareLf(bytes, &inserted);
  }
  CMimeMessage message;
  message.ParseFrom(bytes.c_str(), static_cast<std::int64_t>(bytes.size()));
  std::vector<const CMimeBody*> leaves;
  message.CollectLeafParts(leaves);
  std::u16string names;
  for (const CMimeBody* leaf : leaves) {
    if (leaf->MediaType() == MimeMediaType::Text || !leaf->HasAttachmentName()) continue;
    const CMimeHeaderField* type = leaf->FindField("Content-Type");
    names += HeaderTextToWide(leaf->AttachmentName().c_str(), type ? type->Charset() : std::string());
    names += u',';
  }
  while (!names.empty() && names.back() == u',') names.pop_back();
  return names;
}

std::vector<AttachmentRow> AttachmentRowsFromNames(const std::u16string& names, CShellFileInfo& shell) {
  std::vector<AttachmentRow> rows;
  if (names.empty()) return rows;
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = names.find(u',', from);
    const std::u16string piece = names.substr(from, comma == std::u16string::npos ? std::u16string::npos : comma - from);
    rows.push_back({piece, shell.GetFileIconIndex(piece, 1)});
    if (comma == std::u16string::npos) break;
    from = comma + 1;
  }
  return rows;
}

std::vector<AttachmentRow> AttachmentRowsFromPaths(const std::vector<std::u16string>& paths, CShellFileInfo& shell) {
  std::vector<AttachmentRow> rows;
  for (const std::u16string& path : paths) {
    const std::u16string name = FileNameInMessagePath(path);
    rows.push_back({name, shell.GetFileIconIndex(name, 1)});
  }
  return rows;
}

}  // namespace corvane
