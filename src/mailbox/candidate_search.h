// Fast search for boundary candidates in a block of bytes: positions whose first
// byte is one of two values, whose next byte is a given value and whose byte at a
// fixed distance is another. The scans confirm each candidate with a full compare.
#pragma once

#include <cstddef>

namespace corvane {

struct CandidateKey {
  unsigned char first1;
  unsigned char first2;
  unsigned char second;      // byte at offset 1
  std::size_t lastOffset;    // offset of the last byte of the pattern
  unsigned char last;
};

// The first position j in [from, limit) that matches key, or limit when none does.
// The block p must hold limit + key.lastOffset bytes.
std::size_t NextCandidate(const unsigned char* p, std::size_t from, std::size_t limit, const CandidateKey& key);

}  // namespace corvane
