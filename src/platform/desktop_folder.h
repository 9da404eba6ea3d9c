// The user's Desktop folder.
#pragma once

#include <string>

namespace corvane {

// XDG_DESKTOP_DIR from the user's user-dirs.dirs ($XDG_CONFIG_HOME, else ~/.config),
// else ~/Desktop; created when missing. Always ends in '/'. Empty when there is no
// home folder.
std::u16string GetDesktopFolder();

}  // namespace corvane
