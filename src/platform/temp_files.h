// Temporary folder and unique temporary file names.
#pragma once

#include <string>

namespace corvane {

// The user's temporary folder: $XDG_RUNTIME_DIR when set and a directory, else
// $TMPDIR when set, else /tmp; always with a trailing '/'.
std::u16string GetTempPathW();

// Creates, exclusively and with mode 0600, a new empty file named prefix followed by
// hexadecimal digits and ".tmp" in folder, and returns its full path; returns an empty
// string when no such file could be created (folder missing or not writable, or an
// empty folder name).
std::u16string GetTempFileNameW(const std::u16string& folder, const std::u16string& prefix);

// Whether anything exists at path (a file, a folder or a link).
bool PathExists(const std::u16string& path);

}  // namespace corvane
