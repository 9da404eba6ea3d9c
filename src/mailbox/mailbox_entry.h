// One scanned mailbox file as the main window keeps it, and the rules by which a
// path is taken as an IMM file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "mailbox/mailbox_reader.h"

namespace corvane {

struct MailboxEntry {
  std::unique_ptr<MailboxReader> pReader;
  std::u16string strPath;
  std::uint8_t bIsImm = 0;
  std::uint8_t bAttachFolderExists = 0;
};

// Whether path names an IMM file: it ends in ".imm", in exactly these letters.
bool IsImmPath(const std::u16string& path);

// The attachments folder of an IMM file: its folder followed by "/Attachments/".
// A bare file name lies in the current folder, so its folder is "Attachments/".
std::u16string ImmAttachFolder(const std::u16string& path);

// A new entry for path with a fresh reader that reports to window: the kind taken
// from the name and, for an IMM file, whether its attachments folder exists now.
// The reader is neither opened nor scanned.
MailboxEntry MakeMailboxEntry(const std::u16string& path, HWND window);

// Opens the entry's file and runs the scan its kind calls for. False when the file
// cannot be opened; the index then stays empty.
bool OpenAndScan(MailboxEntry& entry);

}  // namespace corvane
