// File-type icons for attachment names. The desktop program asks the desktop's icon
// theme; this base answers by the name's extension alone, which is all the core and
// its tests need.
#pragma once

#include <string>

namespace corvane {

class CShellFileInfo {
 public:
  enum Icon { kGenericFile = 0, kDocument, kSpreadsheet, kPresentation, kPdf, kArchive, kImage, kAudio, kVideo, kText };

  virtual ~CShellFileInfo() = default;
  // The icon index for a file of that name; the file need not exist.
  virtual int GetFileIconIndex(const std::u16string& name, int smallIcon);
  // The image list the indexes refer to; null in the core.
  virtual void* GetSystemImageList() { return nullptr; }
};

}  // namespace corvane
