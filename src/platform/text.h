// Conversions between byte text and the UTF-16 wide text used throughout the program.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Decodes UTF-8. Every byte that is not part of a valid sequence (overlong forms,
// surrogates and code points above U+10FFFF are invalid) becomes one U+FFFD.
std::u16string Utf8ToWide(std::string_view bytes);

// Encodes UTF-16 as UTF-8. An unpaired surrogate becomes U+FFFD.
std::string WideToUtf8(std::u16string_view text);

// Number of UTF-16 units that Utf8ToWide would produce, without building the string.
size_t Utf8WideLength(std::string_view bytes);

// Windows-1252, the program's ANSI code page. The five bytes the code page leaves
// undefined map to the C1 control characters of the same value.
char16_t AnsiByteToWide(unsigned char byte);
std::u16string AnsiToWide(std::string_view bytes);

// The inverse of AnsiToWide; a character the code page cannot hold becomes '?'.
std::string WideToAnsi(std::u16string_view text);

// Wide text from plain ASCII literals, for the program's own texts.
std::u16string Widen(std::string_view ascii);

// A wide path as the operating system wants it (UTF-8 bytes).
inline std::string NativePath(std::u16string_view path) { return WideToUtf8(path); }

}  // namespace corvane
