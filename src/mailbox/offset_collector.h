// Collects the offsets a scan finds in fixed-size chunks, then moves them into the
// index in one exact allocation: the index never holds spare capacity, and at no
// time is it copied while half again as large.
#pragma once

#include <cstdint>
#include <vector>

namespace corvane {

class OffsetCollector {
 public:
  void Add(std::uint64_t offset) {
    if (m_chunks.empty() || m_chunks.back().size() == kChunk) {
      m_chunks.emplace_back();
      m_chunks.back().reserve(kChunk);
    }
    m_chunks.back().push_back(offset);
    ++m_count;
  }

  // Appends everything collected to index, releasing each chunk once copied.
  void MoveTo(std::vector<std::uint64_t>& index, std::size_t extra) {
    index.reserve(index.size() + m_count + extra);
    for (auto& chunk : m_chunks) {
      index.insert(index.end(), chunk.begin(), chunk.end());
      std::vector<std::uint64_t>().swap(chunk);
    }
    m_chunks.clear();
    m_count = 0;
  }

 private:
  static constexpr std::size_t kChunk = 64 * 1024;
  std::vector<std::vector<std::uint64_t>> m_chunks;
  std::size_t m_count = 0;
};

}  // namespace corvane
