#include "mailbox/candidate_search.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define CORVANE_X86 1
#endif

namespace corvane {
namespace {

inline bool Matches(const unsigned char* p, std::size_t j, const CandidateKey& k) {
  return (p[j] == k.first1 || p[j] == k.first2) && p[j + 1] == k.second && p[j + k.lastOffset] == k.last;
}

std::size_t NextCandidateScalar(const unsigned char* p, std::size_t from, std::size_t limit, const CandidateKey& k) {
  for (std::size_t j = from; j < limit; ++j) {
    if (Matches(p, j, k)) return j;
  }
  return limit;
}

#ifdef CORVANE_X86
struct Avx2Key {
  __m256i first1, first2, second, last;
};

__attribute__((target("avx2"))) inline __m256i Avx2Block(const unsigned char* q, std::size_t lastOffset,
                                                        const Avx2Key& v) {
  const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
  const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 1));
  const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + lastOffset));
  const __m256i first = _mm256_or_si256(_mm256_cmpeq_epi8(a, v.first1), _mm256_cmpeq_epi8(a, v.first2));
  const __m256i rest = _mm256_and_si256(_mm256_cmpeq_epi8(b, v.second), _mm256_cmpeq_epi8(c, v.last));
  return _mm256_and_si256(first, rest);
}

__attribute__((target("avx2"))) std::size_t NextCandidateAvx2(const unsigned char* p, std::size_t from,
                                                             std::size_t limit, const CandidateKey& k) {
  const Avx2Key v{_mm256_set1_epi8(static_cast<char>(k.first1)), _mm256_set1_epi8(static_cast<char>(k.first2)),
                  _mm256_set1_epi8(static_cast<char>(k.second)), _mm256_set1_epi8(static_cast<char>(k.last))};
  std::size_t j = from;
  for (; j + 64 <= limit; j += 64) {
    const __m256i m0 = Avx2Block(p + j, k.lastOffset, v);
    const __m256i m1 = Avx2Block(p + j + 32, k.lastOffset, v);
    if (_mm256_testz_si256(_mm256_or_si256(m0, m1), _mm256_or_si256(m0, m1))) continue;
    const auto bits0 = static_cast<unsigned>(_mm256_movemask_epi8(m0));
    if (bits0) return j + static_cast<std::size_t>(__builtin_ctz(bits0));
    const auto bits1 = static_cast<unsigned>(_mm256_movemask_epi8(m1));
    return j + 32 + static_cast<std::size_t>(__builtin_ctz(bits1));
  }
  return NextCandidateScalar(p, j, limit, k);
}

std::size_t NextCandidateSse2(const unsigned char* p, std::size_t from, std::size_t limit, const CandidateKey& k) {
  const __m128i f1 = _mm_set1_epi8(static_cast<char>(k.first1));
  const __m128i f2 = _mm_set1_epi8(static_cast<char>(k.first2));
  const __m128i s = _mm_set1_epi8(static_cast<char>(k.second));
  const __m128i l = _mm_set1_epi8(static_cast<char>(k.last));
  std::size_t j = from;
  for (; j + 16 <= limit; j += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + j));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + j + 1));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + j + k.lastOffset));
    const __m128i first = _mm_or_si128(_mm_cmpeq_epi8(a, f1), _mm_cmpeq_epi8(a, f2));
    const __m128i rest = _mm_and_si128(_mm_cmpeq_epi8(b, s), _mm_cmpeq_epi8(c, l));
    const auto bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(first, rest)));
    if (bits) return j + static_cast<std::size_t>(__builtin_ctz(bits));
  }
  return NextCandidateScalar(p, j, limit, k);
}
#endif

using SearchFunction = std::size_t (*)(const unsigned char*, std::size_t, std::size_t, const CandidateKey&);

SearchFunction ChooseSearch() {
#ifdef CORVANE_X86
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2")) return NextCandidateAvx2;
  return NextCandidateSse2;
#else
  return NextCandidateScalar;
#endif
}

}  // namespace

std::size_t NextCandidate(const unsigned char* p, std::size_t from, std::size_t limit, const CandidateKey& key) {
  // The processor does not change while the program runs: choose once.
  static const SearchFunction search = ChooseSearch();
  return search(p, from, limit, key);
}

}  // namespace corvane
