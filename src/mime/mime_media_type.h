// The classification of a Content-Type value by its leading letters.
#pragma once

#include <string_view>

namespace corvane {

enum class MimeMediaType { Text = 0, Image, Audio, Video, Application, Multipart, Message, Other };

// The first of text, image, audio, video, application, multipart, message that the
// value begins with (letter case ignored), else Other.
MimeMediaType ClassifyMediaType(std::string_view value);

}  // namespace corvane
