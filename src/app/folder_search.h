// Every file below a folder, for the file selection dialog's search.
#pragma once

#include <functional>
#include <string>

namespace corvane {

// Calls onFile with the full path of every entry below folder that is not a folder,
// at any depth, depth first: each folder's entries in the order the file system
// lists them, a sub-folder's files where the sub-folder is met. Hidden entries and
// symbolic links are taken like any other; a link to a folder is entered unless that
// folder was entered already, so a link loop ends. keepRunning is asked before every
// entry; once it answers false the search ends. Folders that cannot be read are
// passed over.
void SearchFolder(const std::u16string& folder, const std::function<bool()>& keepRunning,
                  const std::function<void(const std::u16string&)>& onFile);

}  // namespace corvane
