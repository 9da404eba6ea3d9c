// Makes the browser render a message that has no text part: the first Content-Type
// line after a CR LF is replaced by a text/html one when no such line of the message
// names text/html or text/plain.
#pragma once

#include <cstdint>

#include "mailbox/mailbox_reader.h"

namespace corvane {

inline constexpr char kForcedHtmlContentType[] = "Content-Type: text/html; charset=\"ISO-8859-1\"";

// Returns the new length; buffer is replaced when the message is rewritten. Left
// unchanged: a message with a text/html or text/plain Content-Type line, one whose
// first Content-Type line names a multipart (rewriting it would hide its parts), one
// with no Content-Type line after a CR LF, and one with no CR after that line.
std::uint64_t ForceHtmlContentType(MessageBuffer& buffer, std::uint64_t n);

}  // namespace corvane
