#include "presentation/shell_file_info.h"

#include <utility>

#include "mime/mime_char_classes.h"
#include "platform/text.h"

namespace corvane {

int CShellFileInfo::GetFileIconIndex(const std::u16string& name, int /*smallIcon*/) {
  const std::size_t dot = name.rfind(u'.');
  if (dot == std::u16string::npos) return kGenericFile;
  const std::string extension = WideToUtf8(name.substr(dot + 1));
  static const std::pair<const char*, Icon> kTable[] = {
      {"doc", kDocument},      {"docx", kDocument}, {"odt", kDocument},     {"rtf", kDocument},
      {"xls", kSpreadsheet},   {"xlsx", kSpreadsheet}, {"ods", kSpreadsheet}, {"csv", kSpreadsheet},
      {"ppt", kPresentation},  {"pptx", kPresentation}, {"odp", kPresentation}, {"pdf", kPdf},
      {"zip", kArchive},       {"gz", kArchive},    {"7z", kArchive},       {"rar", kArchive},
      {"tar", kArchive},       {"png", kImage},     {"jpg", kImage},        {"jpeg", kImage},
      {"gif", kImage},         {"bmp", kImage},     {"svg", kImage},        {"mp3", kAudio},
      {"wav", kAudio},         {"ogg", kAudio},     {"mp4", kVideo},        {"avi", kVideo},
      {"mkv", kVideo},         {"txt", kText},      {"log", kText},
  };
  for (const auto& [ext, icon] : kTable) {
    if (EqualsNoCase(extension, ext)) return icon;
  }
  return kGenericFile;
}

}  // namespace corvane
