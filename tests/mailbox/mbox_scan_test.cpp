#include <gtest/gtest.h>

#include <random>

#include "support/reference_scans.h"
#include "support/scan_helpers.h"

namespace corvane::test {
namespace {

struct MboxCase {
  const char* name;
  std::string bytes;
  std::vector<std::uint64_t> expected;
};

class MboxScanCases : public ::testing::TestWithParam<bool> {};

TEST_P(MboxScanCases, IndexesBoundariesExactly) {
  const std::string two = "From a@b\nhello\nFrom c@d\nworld\n";
  const std::vector<MboxCase> cases = {
      {"empty file", "", {0}},
      {"no boundary", "hello\nworld\n", {0, 12}},
      {"two messages", two, {0, 14, two.size()}},
      {"CR LF boundary at the LF", "From a\r\nx\r\nFrom b\r\n", {0, 10, 19}},
      {"lone CR boundary at the CR", "From a\rx\rFrom b\r", {0, 8, 16}},
      {"LF From at start gives 0 twice", "\nFrom a\nx\n", {0, 0, 10}},
      {"not boundaries", "a\nFrom:x\nfrom y\nFrom\tz\n>From w\nFROM v\n", {0, 38}},
      {"boundary cut by the end", "abc\nFrom", {0, 8}},
      {"boundary ending exactly at the end", "abc\nFrom ", {0, 3, 9}},
      {"consecutive boundaries", "\n\nFrom \rFrom \n", {0, 1, 7, 14}},
  };
  for (const MboxCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ScanBytes(c.bytes, ScanKind::Mbox, GetParam()).offsets, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(MappedAndReadThrough, MboxScanCases, ::testing::Bool());

TEST(MboxScan, ReportsRangeThenPositionsEveryHundredBytes) {
  const ScanOutcome out = ScanBytes(std::string(250, 'x'), ScanKind::Mbox, true);
  const std::vector<SentMessage> expected = {
      {WM_PROGRESS_RANGE, 0, 1000}, {WM_PROGRESS_POS, 0, 0},    {WM_PROGRESS_POS, 400, 0},
      {WM_PROGRESS_POS, 800, 0},    {WM_PROGRESS_POS, 1000, 0},
  };
  EXPECT_EQ(out.messages, expected);
  EXPECT_EQ(out.offsets, (std::vector<std::uint64_t>{0, 250}));
}

TEST(MboxScan, EmptyFileReportsStartAndEnd) {
  const ScanOutcome out = ScanBytes("", ScanKind::Mbox, true);
  const std::vector<SentMessage> expected = {
      {WM_PROGRESS_RANGE, 0, 1000}, {WM_PROGRESS_POS, 0, 0}, {WM_PROGRESS_POS, 1000, 0}};
  EXPECT_EQ(out.messages, expected);
}

// Random mailboxes built from the pieces that matter to the rule.
std::string RandomMailbox(std::mt19937& rng, std::size_t pieces) {
  static const char* kPieces[] = {"\n", "\r", "\r\n", "From ", "From", "From:", " ", "x", "F", "rom ",
                                  "\nFrom ", "\rFrom ", "hello world "};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
  std::string out;
  for (std::size_t k = 0; k < pieces; ++k) out += kPieces[pick(rng)];
  return out;
}

TEST(MboxScan, MappedAndReadThroughMatchTheReferenceOnRandomInput) {
  std::mt19937 rng(2026);
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomMailbox(rng, rng() % 400);
    const ReferenceScan want = ReferenceScanMbox(bytes);
    for (bool mapped : {true, false}) {
      const ScanOutcome got = ScanBytes(bytes, ScanKind::Mbox, mapped);
      ASSERT_EQ(got.offsets, want.offsets) << "round " << round << " mapped " << mapped;
      ASSERT_EQ(got.positions, want.positions) << "round " << round << " mapped " << mapped;
    }
  }
}

TEST(MboxScan, BoundariesAcrossBlockEdgesAreFoundOnce) {
  // Boundaries straddling every multiple of 1 MiB and 64 KiB, where the scan's
  // blocks and vector steps meet.
  std::string bytes(3 * (1u << 20) + 77, 'a');
  for (std::size_t edge = 1u << 16; edge < bytes.size() - 8; edge += 1u << 16) {
    bytes.replace(edge - 40, 6, "\nFrom ");
    bytes.replace(edge - 3, 6, "\nFrom ");
    bytes.replace(edge + 20, 6, "\rFrom ");
  }
  const ReferenceScan want = ReferenceScanMbox(bytes);
  ASSERT_GT(want.offsets.size(), 140u);
  for (bool mapped : {true, false}) {
    const ScanOutcome got = ScanBytes(bytes, ScanKind::Mbox, mapped);
    EXPECT_EQ(got.offsets, want.offsets);
    EXPECT_EQ(got.positions, want.positions);
  }
}

TEST(MboxScan, StopKeepsEntriesFoundSoFarWithoutSentinel) {
  std::string bytes;
  for (int k = 0; k < 200; ++k) bytes += "From sender\nline one\nline two\n";
  // 6000 bytes: the values sent are i / 6 for i = 0, 100, ... 5900.
  for (WPARAM stopAt : {WPARAM{0}, WPARAM{16}, WPARAM{333}, WPARAM{983}}) {
    SCOPED_TRACE(stopAt);
    const ReferenceScan want = ReferenceScanMbox(bytes, stopAt);
    for (bool mapped : {true, false}) {
      const ScanOutcome got = ScanBytes(bytes, ScanKind::Mbox, mapped, stopAt);
      EXPECT_EQ(got.offsets, want.offsets);
      EXPECT_NE(got.offsets.empty() ? 0 : got.offsets.back(), bytes.size());
      EXPECT_EQ(got.keepRunningAfter, 1);
      EXPECT_EQ(got.positions.back(), 1000u);
    }
  }
}

TEST(MboxScan, StopBeforeTheScanLeavesAnEmptyIndex) {
  TempDir dir;
  const std::string path = dir.Write("a.mbox", "From a\nx\n");
  MailboxReader reader;
  ASSERT_TRUE(reader.Open(Utf8ToWide(path)));
  reader.m_bKeepRunning = 0;
  EXPECT_TRUE(reader.ScanMbox());
  EXPECT_TRUE(reader.m_offsets.empty());
  EXPECT_EQ(reader.GetMessageCount(), 0u);
  EXPECT_EQ(reader.m_bKeepRunning, 1);
}

TEST(MboxScan, CorpusMailboxHasOneEntryPerMessage) {
  MailboxReader reader;
  ASSERT_TRUE(reader.Open(Utf8ToWide(CORVANE_CORPUS_DIR "/python-email.mbox")));
  reader.ScanMbox();
  EXPECT_EQ(reader.GetMessageCount(), 48u);
  EXPECT_EQ(reader.m_offsets.front(), 0u);
  EXPECT_EQ(reader.m_offsets.back(), 63269u);
}

TEST(MailboxReader, FailedOpenHasNoMessages) {
  MailboxReader reader;
  EXPECT_FALSE(reader.Open(u"/nonexistent/dir/box.mbox"));
  EXPECT_EQ(reader.GetMessageCount(), 0u);
  TempDir dir;
  EXPECT_FALSE(reader.Open(dir.Wide()));
}

}  // namespace
}  // namespace corvane::test
