#include "platform/desktop_folder.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "platform/text.h"

namespace corvane {
namespace {

// The value of XDG_DESKTOP_DIR in a user-dirs.dirs file: "$HOME/Desktop" or an
// absolute path, in double quotes.
std::string ReadUserDirs(const std::string& file, const std::string& home) {
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    const std::string key = "XDG_DESKTOP_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    if (!value.empty() && value.front() == '/') return value;
  }
  return {};
}

}  // namespace

std::u16string GetDesktopFolder() {
  const char* homeEnv = std::getenv("HOME");
  if (!homeEnv || !*homeEnv) return {};
  const std::string home = homeEnv;
  const char* configEnv = std::getenv("XDG_CONFIG_HOME");
  const std::string config = configEnv && *configEnv ? configEnv : home + "/.config";
  std::string desktop = ReadUserDirs(config + "/user-dirs.dirs", home);
  if (desktop.empty()) desktop = home + "/Desktop";
  ::mkdir(desktop.c_str(), 0755);
  if (desktop.back() != '/') desktop.push_back('/');
  return Utf8ToWide(desktop);
}

}  // namespace corvane
