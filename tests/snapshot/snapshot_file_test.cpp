#include <gtest/gtest.h>

#include "snapshot/snapshot_file.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

std::string Hex(const std::string& hex) {
  std::string out;
  for (std::size_t k = 0; k + 1 < hex.size(); k += 3) out.push_back(static_cast<char>(std::stoi(hex.substr(k, 2), nullptr, 16)));
  return out;
}

const std::string kWorkedExample = Hex(
    "01 00 00 00 09 00 00 00 43 00 3A 00 5C 00 6D 00 2E 00 6D 00 62 00 6F 00 78 00 00 00 "
    "03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 78 00 00 00 00 00 00 00 2C 01 00 00 00 00 00 00 ");

MailboxEntry Entry(const std::u16string& path, std::vector<std::uint64_t> offsets, std::uint8_t imm = 0,
                   std::uint8_t folder = 0) {
  MailboxEntry entry;
  entry.pReader = std::make_unique<MailboxReader>();
  entry.pReader->m_offsets = std::move(offsets);
  entry.strPath = path;
  entry.bIsImm = imm;
  entry.bAttachFolderExists = folder;
  return entry;
}

TEST(SnapshotFile, WritesTheWorkedExampleByteForByte) {
  ASSERT_EQ(kWorkedExample.size(), 60u);
  TempDir dir;
  std::vector<MailboxEntry> entries;
  entries.push_back(Entry(u"C:\\m.mbox", {0, 120, 300}));
  std::string error;
  const std::u16string path = dir.Wide() + u"/s.MBOXVIEWCVN";
  ASSERT_TRUE(WriteSnapshot(path, entries, &error)) << error;
  EXPECT_EQ(ReadAll(NativePath(path)), kWorkedExample);
  std::vector<SnapshotEntry> read;
  ASSERT_TRUE(DecodeSnapshot(kWorkedExample, &read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].path, u"C:\\m.mbox");
  EXPECT_EQ(read[0].offsets, (std::vector<std::uint64_t>{0, 120, 300}));
  // Nothing but the snapshot is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

TEST(SnapshotFile, ReadsBackWhatWasWritten) {
  TempDir dir;
  std::vector<MailboxEntry> entries;
  entries.push_back(Entry(u"/mail/a.mbox", {0, 14, 900, 77777}));
  entries.push_back(Entry(u"/mail/b \u00E9\U0001F600.imm", {0, 300, 120, 5000000000ull}, 1, 1));
  entries.push_back(Entry(u"/mail/gone.mbox", {}));
  std::string error;
  const std::u16string path = dir.Wide() + u"/s.MBOXVIEWCVN";
  ASSERT_TRUE(WriteSnapshot(path, entries, &error));
  std::vector<SnapshotEntry> read;
  ASSERT_TRUE(ReadSnapshot(path, &read, &error)) << error;
  ASSERT_EQ(read.size(), entries.size());
  for (std::size_t k = 0; k < read.size(); ++k) {
    EXPECT_EQ(read[k].path, entries[k].strPath);
    EXPECT_EQ(read[k].offsets, entries[k].pReader->m_offsets);
    EXPECT_EQ(read[k].isImm, entries[k].bIsImm);
    EXPECT_EQ(read[k].attachFolderExists, entries[k].bAttachFolderExists);
  }
  std::vector<SnapshotEntry> none;
  EXPECT_TRUE(DecodeSnapshot(std::string(4, '\0'), &none));
  EXPECT_TRUE(none.empty());
}

TEST(SnapshotFile, RefusesDamagedOrForeignFiles) {
  const std::string& good = kWorkedExample;
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::vector<Case> cases = {
      {"empty", ""},
      {"count cut off", good.substr(0, 3)},
      {"path cut off", good.substr(0, 10)},
      {"flag missing", good.substr(0, 26)},
      {"index length cut off", good.substr(0, 30)},
      {"index cut off", good.substr(0, 59)},
      {"bytes left over", good + "x"},
      {"flag byte 2", good.substr(0, 26) + "\x02" + good.substr(27)},
      {"second flag byte 0xFF", good.substr(0, 27) + "\xFF" + good.substr(28)},
      {"zero unit in path", good.substr(0, 10) + std::string(2, '\0') + good.substr(12)},
      {"huge entry count", Hex("FF FF FF FF ") + good.substr(4)},
      {"huge path length", good.substr(0, 4) + Hex("FF FF FF 7F ") + good.substr(8)},
      {"huge index length", good.substr(0, 28) + Hex("FF FF FF FF FF FF FF FF ") + good.substr(36)},
      {"text file", "From someone\nSubject: hello\n\nbody\n"},
  };
  for (const Case& c : cases) {
    std::vector<SnapshotEntry> entries = {{u"kept", 0, 0, {1}}};
    EXPECT_FALSE(DecodeSnapshot(c.bytes, &entries)) << c.name;
    EXPECT_EQ(entries.size(), 1u) << c.name << ": the caller's entries stay as they were";
  }
}

TEST(SnapshotFile, HugeCountsAreRefusedWithoutHugeAllocations) {
  TempDir dir;
  // Index length 2^61 in a file of a few bytes: an allocation for it would throw and
  // fail the test; it must be refused from the count alone.
  const std::string bytes = kWorkedExample.substr(0, 28) + Hex("00 00 00 00 00 00 00 20 ");
  const std::u16string path = Utf8ToWide(dir.Write("foreign.MBOXVIEWCVN", bytes));
  std::vector<SnapshotEntry> entries;
  std::string error;
  EXPECT_FALSE(ReadSnapshot(path, &entries, &error));
  EXPECT_EQ(error, kSnapshotDamaged);
  EXPECT_FALSE(ReadSnapshot(dir.Wide() + u"/missing", &entries, &error));
  EXPECT_NE(error, kSnapshotDamaged);
}

TEST(SnapshotFile, WriteFailureIsReported) {
  TempDir dir;
  std::vector<MailboxEntry> entries;
  entries.push_back(Entry(u"/a", {0, 1}));
  std::string error;
  EXPECT_FALSE(WriteSnapshot(dir.Wide() + u"/missing-folder/s.MBOXVIEWCVN", entries, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace corvane::test
