// One row of the message list, made from a reader and a message number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "mailbox/mailbox_reader.h"

namespace corvane {

struct MessageRow {
  static constexpr int kItemImage = 38;
  static constexpr int kAttachmentImage = 56;

  std::u16string Name;  // the mailbox file name, the item's text
  bool HasAttachment = false;
  std::u16string To;
  std::u16string From;
  std::u16string Subject;
  std::u16string Date;
  std::uint64_t ItemData = 0;  // the message number
};

// The row for message i, or nothing when its buffer cannot be had. For IMM files
// the attachment mark comes from the "[%ImFilePath%]" lines, and From, Subject and
// To fall back to the raw header lines when the parse gave none; the reader's
// attachment paths are emptied afterwards.
std::optional<MessageRow> BuildMessageRow(MailboxReader& reader, std::uint64_t i, bool isImm,
                                          const std::u16string& name);

}  // namespace corvane
