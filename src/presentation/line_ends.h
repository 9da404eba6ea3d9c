// Line-end normalisation before parsing and previewing: the MIME classes know lines
// by CR LF only. The decision is made on the bytes up to the first NUL byte; the
// rewrite covers all the bytes.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Whether the bytes before the first NUL hold a CR LF pair.
bool HasCrLfBeforeNul(std::string_view bytes);

// A CR before every LF that does not follow a CR (an LF in the first byte counts as
// not following one). *inserted tells whether any was added.
std::string InsertCrBeforeBareLf(std::string_view bytes, bool* inserted);

// An LF after every CR.
std::string InsertLfAfterCr(std::string_view bytes);

// The full rule: bytes with a CR LF before their first NUL stay as they are (false is
// returned and *out is left alone); else bare LFs get a CR, and when there was none,
// every CR gets an LF.
bool NormalizeLineEnds(std::string_view bytes, std::string* out);

}  // namespace corvane
