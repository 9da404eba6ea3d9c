// The two tables that map a Content-Transfer-Encoding name to its codec and a header
// field name to its field coder. Both are filled before the first lookup and
// answer every name: an unknown one gets the base object.
#pragma once

#include <memory>
#include <string_view>

#include "mime/field_coder.h"
#include "mime/mime_codec.h"

namespace corvane {

class CMimeRegistry {
 public:
  using CodecFactory = std::unique_ptr<CMimeCodec> (*)();
  using FieldCoderFactory = std::unique_ptr<CFieldCoder> (*)();

  // Removes every entry of that name (ASCII case folded), then, when factory is not
  // null, puts the new entry first. Registration is meant for start-up only.
  static void RegisterCodec(std::string_view name, CodecFactory factory);
  static void RegisterFieldCoder(std::string_view name, FieldCoderFactory factory);

  // The codec for a Content-Transfer-Encoding value, compared as a whole; an empty
  // name means "7bit". Unknown names give the identity codec.
  static std::unique_ptr<CMimeCodec> MakeCodec(std::string_view name);
  // The field coder for a field name; unknown names give CFieldCoder.
  static std::unique_ptr<CFieldCoder> MakeFieldCoder(std::string_view name);
};

}  // namespace corvane
