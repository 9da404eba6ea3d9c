// Snapshot files: the scanned file list with each file's message index, so that a
// later run can show the same files without scanning them again.
//
// Layout, little-endian, nothing between the fields: entry count (4 bytes), then per
// entry the path length in UTF-16 units (4 bytes), the path in UTF-16LE, the IMM flag
// (1 byte), the attachments-folder flag (1 byte), the index length (8 bytes) and the
// index entries (8 bytes each).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mailbox/mailbox_entry.h"

namespace corvane {

struct SnapshotEntry {
  std::u16string path;
  std::uint8_t isImm = 0;
  std::uint8_t attachFolderExists = 0;
  std::vector<std::uint64_t> offsets;
};

// The one message shown for a file that is not a whole, well-formed snapshot.
inline constexpr char kSnapshotDamaged[] = "The file is damaged or is not a snapshot file.";

// Writes the entries, in order, to path. The file appears whole or not at all: it is
// written beside its final name and moved into place when complete. On failure
// returns false and sets *error.
bool WriteSnapshot(const std::u16string& path, const std::vector<MailboxEntry>& entries, std::string* error);

// Reads and checks the whole file before anything is returned: a field cut off by the
// end of the file, bytes left after the last entry, a flag byte other than 0 or 1 or
// a zero unit inside a path (or a path longer than any this system can open) make
// the file refused with kSnapshotDamaged. Counts are
// checked against the bytes present before anything is allocated for them.
bool ReadSnapshot(const std::u16string& path, std::vector<SnapshotEntry>* entries, std::string* error);
bool DecodeSnapshot(const std::string& bytes, std::vector<SnapshotEntry>* entries);

}  // namespace corvane
