#include "mailbox/mailbox_bytes.h"

namespace corvane {
namespace {
// Pages behind the scan are released in steps of this size.
constexpr std::uint64_t kReleaseStep = 4u << 20;
}  // namespace

MailboxBytes::MailboxBytes(const CFile& file, bool allowMapping) : m_file(file), m_length(file.GetLength()) {
  if (allowMapping && m_mapping.Map(file.Handle(), m_length)) m_mapping.AdviseSequential();
}

const unsigned char* MailboxBytes::View(std::uint64_t position, std::size_t count, std::size_t* available,
                                        std::vector<unsigned char>& scratch) const {
  if (position >= m_length) {
    *available = 0;
    return nullptr;
  }
  if (count > m_length - position) count = static_cast<std::size_t>(m_length - position);
  if (IsMapped()) {
    *available = count;
    return m_mapping.Data() + position;
  }
  if (scratch.size() < count) scratch.resize(count);
  *available = m_file.ReadAt(position, scratch.data(), count);
  return scratch.data();
}

void MailboxBytes::Passed(std::uint64_t position) {
  if (!IsMapped() || position < m_released + 2 * kReleaseStep) return;
  // Keep one step behind the scan mapped: the IMM checks look back a little.
  const std::uint64_t upTo = position - kReleaseStep;
  m_mapping.Release(m_released, upTo - m_released);
  m_released = upTo;
}

}  // namespace corvane
