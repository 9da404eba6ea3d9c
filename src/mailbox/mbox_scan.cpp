#include <cstring>

#include "mailbox/boundary_pass.h"
#include "mailbox/candidate_search.h"

namespace corvane {

bool MailboxReader::ScanMbox() {
  MailboxBytes bytes(m_file, m_bAllowMapping);
  // A boundary is a line-break byte (LF or CR) followed by "From "; its offset is
  // that of the line-break byte.
  static constexpr std::size_t kWindow = 6;
  static constexpr CandidateKey kKey{'\n', '\r', 'F', 5, ' '};
  RunBoundaryPass(*this, bytes, kWindow,
                  [](const unsigned char* p, std::uint64_t start, std::size_t positions, std::size_t available,
                     OffsetCollector& found) {
                    if (available < kWindow) return;
                    const std::size_t limit = std::min(positions, available - kWindow + 1);
                    for (std::size_t j = NextCandidate(p, 0, limit, kKey); j < limit;
                         j = NextCandidate(p, j + 1, limit, kKey)) {
                      if (std::memcmp(p + j + 1, "From ", 5) == 0) found.Add(start + j);
                    }
                  });
  return true;
}

}  // namespace corvane
