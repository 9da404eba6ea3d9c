// The preview of one message: the ".mht" file the browser shows, written into the
// workspace, with the header texts and attachment rows of the pane.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mailbox/mailbox_reader.h"
#include "presentation/attachments.h"

namespace corvane {

struct MessagePreview {
  std::u16string Path;  // the ".mht" file
  std::u16string Subject;
  std::u16string From;
  std::u16string To;
  std::u16string Date;
  std::vector<AttachmentRow> Attachments;
};

// Empties the workspace under tempBase, writes message index of reader there as the
// preview file (the message without the line break before it; for non-IMM files with
// ForceHtmlContentType applied; CR LF line ends), and gathers the header texts and
// attachment rows. Nothing when the file cannot be created or the message cannot be
// read. The reader's attachment paths are empty before and after.
std::optional<MessagePreview> ShowMessagePreview(MailboxReader& reader, std::uint64_t index, bool isImm,
                                                 const std::u16string& tempBase, CShellFileInfo& shell);

}  // namespace corvane
