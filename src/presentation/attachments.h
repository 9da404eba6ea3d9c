// The attachment rows of the preview pane.
#pragma once

#include <string>
#include <vector>

#include "presentation/shell_file_info.h"

namespace corvane {

struct AttachmentRow {
  std::u16string Text;
  int Icon = 0;
  bool operator==(const AttachmentRow&) const = default;
};

// The names of the attachments of the message in the file at path, joined by ",",
// without commas at the end: every leaf part that is not text and names an
// attachment adds its Content-Type "name" (possibly empty). "" when the file cannot
// be read.
std::u16string ExtractAttachmentNames(const std::u16string& path);
// The same from the file's bytes.
std::u16string ExtractAttachmentNamesFromBytes(std::string bytes);

// One row per comma-separated piece of names, nothing trimmed; none for "".
std::vector<AttachmentRow> AttachmentRowsFromNames(const std::u16string& names, CShellFileInfo& shell);

// One row per path written in an IMM message, showing the file name of the path.
std::vector<AttachmentRow> AttachmentRowsFromPaths(const std::vector<std::u16string>& paths, CShellFileInfo& shell);

}  // namespace corvane
