#include <gtest/gtest.h>

#include <random>

#include "support/reference_scans.h"
#include "support/scan_helpers.h"

namespace corvane::test {
namespace {

const std::string kMarkerLine = "MIME-Version: 1.0";

std::string Crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

class ImmScanCases : public ::testing::TestWithParam<bool> {};

TEST_P(ImmScanCases, FindsHeaderStarts) {
  const bool mapped = GetParam();
  {
    SCOPED_TRACE("one marker");
    const std::string bytes = "X-A: 1\n" + kMarkerLine + "\nFrom: a\n\nbody\n";
    EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, mapped).offsets, (std::vector<std::uint64_t>{0, bytes.size()}));
  }
  {
    SCOPED_TRACE("headers after the marker");
    const std::string message = "\n" + kMarkerLine + "\nFrom: a\nTo: b\nSubject: c\n\nbody";
    const std::string bytes = "X" + message + message + message;
    const std::uint64_t m2 = 1 + message.size(), m3 = 1 + 2 * message.size();
    EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, mapped).offsets, (std::vector<std::uint64_t>{0, m2, m3, bytes.size()}));
  }
  {
    SCOPED_TRACE("CR LF header block before the marker starts at its From line");
    const std::string first = Crlf({"From: a", "To: b", "Subject: s", "Date: d", kMarkerLine, "", "body one"});
    const std::string second = Crlf({"From: c", "To: d", "Subject: t", "Date: e", kMarkerLine, "", "body two"});
    const std::string bytes = first + second;
    EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, mapped).offsets,
              (std::vector<std::uint64_t>{0, first.size(), bytes.size()}));
  }
  {
    SCOPED_TRACE("Subject only: ten line breaks back, into the previous message");
    std::vector<std::string> lines = {"From: a", "To: b", kMarkerLine, ""};
    for (int k = 0; k < 12; ++k) lines.push_back("body line");
    lines.push_back("Subject: only");
    lines.push_back(kMarkerLine);
    lines.push_back("");
    const std::string bytes = Crlf(lines) + "tail";
    const std::uint64_t m = bytes.find("\n" + kMarkerLine, 40);
    const ScanOutcome got = ScanBytes(bytes, ScanKind::Imm, mapped);
    ASSERT_EQ(got.offsets.size(), 3u);
    EXPECT_EQ(got.offsets[1], ReferenceFindHeaderStartBefore(bytes, m));
    EXPECT_LT(got.offsets[1], m - 100);
  }
  {
    SCOPED_TRACE("lookalikes are no markers");
    const std::string bytes = "a\n" + kMarkerLine + "\nx\nMime-Version: 1.0\nMIME-Version:1.0\r" + kMarkerLine + "\n";
    EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, mapped).offsets, (std::vector<std::uint64_t>{0, bytes.size()}));
  }
  {
    SCOPED_TRACE("a marker in the last 17 bytes is not seen");
    const std::string bytes = "a\n" + kMarkerLine + "\nFrom: x\n" + "\n" + kMarkerLine.substr(0, 16);
    EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, mapped).offsets, (std::vector<std::uint64_t>{0, bytes.size()}));
  }
  {
    SCOPED_TRACE("LF-only lines with headers only before the marker");
    const std::string one = "From: a\nTo: b\nSubject: c\n" + kMarkerLine + "\n\nbody\n";
    const std::string bytes = one + one;
    const std::uint64_t m = one.size() + one.find(kMarkerLine) - 1;
    EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, mapped).offsets, (std::vector<std::uint64_t>{0, m, bytes.size()}));
  }
  EXPECT_EQ(ScanBytes("", ScanKind::Imm, mapped).offsets, (std::vector<std::uint64_t>{0}));
}

INSTANTIATE_TEST_SUITE_P(MappedAndReadThrough, ImmScanCases, ::testing::Bool());

std::string RandomImm(std::mt19937& rng, std::size_t pieces) {
  static const char* kPieces[] = {"\n", "\r\n", "\r", "\nMIME-Version: 1.0", "\r\nMIME-Version: 1.0",
                                  "From: a", "To: b", "Subject: c", "\r\nFrom: x", "\r\nTo: y",
                                  "\r\nSubject: z", "\nFrom:", "\nTo:", "\nSubject:", "body text", "\x1A",
                                  "Date: d"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
  std::string out;
  for (std::size_t k = 0; k < pieces; ++k) out += kPieces[pick(rng)];
  return out;
}

TEST(ImmScan, MappedAndReadThroughMatchTheReferenceOnRandomInput) {
  std::mt19937 rng(18);
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomImm(rng, rng() % 300);
    const ReferenceScan want = ReferenceScanImm(bytes);
    for (bool mapped : {true, false}) {
      const ScanOutcome got = ScanBytes(bytes, ScanKind::Imm, mapped);
      ASSERT_EQ(got.offsets, want.offsets) << "round " << round << " mapped " << mapped;
      ASSERT_EQ(got.positions, want.positions);
    }
  }
}

TEST(ImmScan, LongLfOnlyFileWithManyMarkersMatchesTheReference) {
  // Without CR LF the backward walk reaches the start of the file from every marker;
  // the scan must still agree with the plain walk.
  std::string bytes;
  for (int k = 0; k < 3000; ++k) bytes += "Received: x\nMIME-Version: 1.0\nX: y\n\nbody line\n";
  bytes += "\r\nSubject: late\nMIME-Version: 1.0\n";
  const ReferenceScan want = ReferenceScanImm(bytes);
  EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, true).offsets, want.offsets);
  EXPECT_EQ(ScanBytes(bytes, ScanKind::Imm, false).offsets, want.offsets);
}

TEST(ImmScan, StopKeepsEntriesFoundSoFar) {
  std::string bytes;
  for (int k = 0; k < 100; ++k) bytes += Crlf({"From: a", "To: b", "Subject: c", kMarkerLine, "", "body"});
  for (WPARAM stopAt : {WPARAM{0}, WPARAM{500}}) {
    const ReferenceScan want = ReferenceScanImm(bytes, stopAt);
    const ScanOutcome got = ScanBytes(bytes, ScanKind::Imm, true, stopAt);
    EXPECT_EQ(got.offsets, want.offsets);
    EXPECT_EQ(got.keepRunningAfter, 1);
    EXPECT_EQ(got.positions.back(), 1000u);
  }
}

TEST(ImmScan, ChecksAtAnyOffsetMatchTheReference) {
  std::mt19937 rng(7);
  for (int round = 0; round < 40; ++round) {
    const std::string bytes = RandomImm(rng, 80);
    TempDir dir;
    MailboxReader reader;
    ASSERT_TRUE(reader.Open(Utf8ToWide(dir.Write("x.imm", bytes))));
    for (std::uint64_t m = 0; m < bytes.size(); m += 1 + rng() % 7) {
      ASSERT_EQ(reader.HasHeaderLinesAfter(m), ReferenceHasHeaderLinesAfter(bytes, m)) << m;
      ASSERT_EQ(reader.FindHeaderStartBefore(m), ReferenceFindHeaderStartBefore(bytes, m)) << m;
    }
  }
}

}  // namespace
}  // namespace corvane::test
