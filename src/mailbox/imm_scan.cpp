#include <cstring>

#include "mailbox/boundary_pass.h"
#include "mailbox/candidate_search.h"
#include "mailbox/imm_header_checks.h"

namespace corvane {

bool MailboxReader::ScanImm(const std::u16string& /*path*/) {
  MailboxBytes bytes(m_file, m_bAllowMapping);
  ImmHeaderChecks checks(bytes);
  static constexpr char kMarker[] = "\nMIME-Version: 1.0";
  static constexpr std::size_t kWindow = sizeof kMarker - 1;
  static constexpr CandidateKey kKey{'\n', '\n', 'M', kWindow - 1, '0'};
  std::uint64_t markers = 0;
  RunBoundaryPass(*this, bytes, kWindow,
                  [&](const unsigned char* p, std::uint64_t start, std::size_t positions, std::size_t available,
                      OffsetCollector& found) {
                    if (available < kWindow) return;
                    const std::size_t limit = std::min(positions, available - kWindow + 1);
                    for (std::size_t j = NextCandidate(p, 0, limit, kKey); j < limit;
                         j = NextCandidate(p, j + 1, limit, kKey)) {
                      if (std::memcmp(p + j, kMarker, kWindow) != 0) continue;
                      // The first message is already represented by offset 0.
                      if (++markers == 1) continue;
                      const std::uint64_t m = start + j;
                      found.Add(checks.HasHeaderLinesAfter(m) ? m : checks.FindHeaderStartBefore(m));
                    }
                  });
  return true;
}

bool MailboxReader::HasHeaderLinesAfter(std::uint64_t m) const {
  MailboxBytes bytes(m_file, false);
  return ImmHeaderChecks(bytes).HasHeaderLinesAfter(m);
}

std::uint64_t MailboxReader::FindHeaderStartBefore(std::uint64_t m) const {
  MailboxBytes bytes(m_file, false);
  return ImmHeaderChecks(bytes).FindHeaderStartBefore(m);
}

}  // namespace corvane
