// The private temporary workspace "PlinthHalyardCon": the folder where previews and
// blank pages are written for the embedded browser. It lies inside a base folder the
// user confirms, by default the user's temporary folder.
#pragma once

#include <string>

namespace corvane {

// The workspace inside tempBase (the system temporary folder when tempBase is empty),
// created with mode 0700 when missing; always ends in '/'. Returns an empty string
// when the folder cannot be used: it is a symbolic link, not a directory, or not
// owned by the current user. Callers treat an empty path as "no workspace".
std::u16string GetTempWorkFolder(const std::u16string& tempBase);

// Deletes everything inside folder, at any depth, leaving folder itself. Symbolic
// links are removed as links, never followed; nothing outside folder is touched.
// Failures are silent.
void DeleteFolderContents(const std::u16string& folder);

// Empties and removes the workspace under tempBase.
void RemoveTempWorkFolder(const std::u16string& tempBase);

// Writes a new empty HTML page (UTF-16LE with byte-order mark) into the workspace
// and returns its path; an empty string when no name could be made. The path of a
// page that could not be written is still returned.
std::u16string CreateBlankPage(const std::u16string& tempBase);

}  // namespace corvane
