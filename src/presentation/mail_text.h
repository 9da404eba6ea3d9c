// Byte text from messages made into wide text for display.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// UTF-8 when the bytes hold at least one valid multi-byte sequence (the UTF-8 reading
// has fewer units than there are bytes), else the ANSI code page (Windows-1252).
// The text ends at its first NUL byte.
std::u16string MailTextToWide(const char* text);

// A header text in the charset its first encoded word named. Charsets that are
// UTF-8, ASCII, Latin-1 or Windows-1252 under any of their usual names, unknown
// charsets and an empty one read as MailTextToWide; any other charset the system's
// converter knows is converted from (an invalid or cut-off sequence gives one U+FFFD
// and conversion goes on after its first byte). The text ends at its first NUL byte.
std::u16string HeaderTextToWide(const char* text, std::string_view charset);

// A body part's text in its declared charset. The labels that name Latin-1 read as
// Windows-1252, as web browsers read them; without a charset, or with one the
// system's converter does not know, the text reads as MailTextToWide would read it.
// NUL bytes are kept.
std::u16string BodyTextToWide(std::string_view bytes, std::string_view charset);

// The text after the last '/' of a path, "" when it has none.
std::u16string LastPathComponent(const std::u16string& path);

// The file name in a path written inside a message: the text after the last '\' or
// '/', the whole text when it has neither.
std::u16string FileNameInMessagePath(const std::u16string& path);

}  // namespace corvane
