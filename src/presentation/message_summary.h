// The summary of one message that the message list shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mailbox/mailbox_reader.h"

namespace corvane {

struct MessageSummary {
  std::u16string To;
  std::u16string From;
  std::u16string Subject;
  std::u16string Date;
  bool HasAttachment = false;
};

// Summarises the message in buffer (size bytes and a NUL after them). A message
// without CR LF line ends is first given them: buffer and size are then replaced by
// the normalised copy. For an IMM message the attachment mark comes from the paths
// collected from its text; otherwise from the parts that name an attachment.
MessageSummary SummarizeMessage(MessageBuffer& buffer, std::uint64_t& size, bool isImm,
                                const std::vector<std::u16string>& attachmentPaths);

}  // namespace corvane
