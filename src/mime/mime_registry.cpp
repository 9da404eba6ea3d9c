#include "mime/mime_registry.h"

#include <mutex>
#include <string>
#include <vector>

#include "mime/base64_codec.h"
#include "mime/mime_char_classes.h"
#include "mime/quoted_printable_codec.h"

namespace corvane {
namespace {

template <class Factory>
struct Table {
  struct Entry {
    std::string name;
    Factory factory;
  };
  std::vector<Entry> entries;  // searched from the front

  void Register(std::string_view name, Factory factory) {
    std::erase_if(entries, [&](const Entry& e) { return EqualsNoCase(e.name, name); });
    if (factory) entries.insert(entries.begin(), Entry{std::string(name), factory});
  }
  Factory Find(std::string_view name) const {
    for (const Entry& e : entries) {
      if (EqualsNoCase(e.name, name)) return e.factory;
    }
    return nullptr;
  }
};

template <class T>
std::unique_ptr<CFieldCoder> MakeCoder() {
  return std::make_unique<T>();
}

struct Tables {
  Table<CMimeRegistry::CodecFactory> codecs;
  Table<CMimeRegistry::FieldCoderFactory> coders;
  std::mutex mutex;

  Tables() {
    codecs.Register("quoted-printable", [] { return std::unique_ptr<CMimeCodec>(new CQuotedPrintableCodec(false)); });
    codecs.Register("base64", [] { return std::unique_ptr<CMimeCodec>(new CBase64Codec(true)); });
    for (const char* name : {"Subject", "Comments", "Content-Description"}) {
      coders.Register(name, &MakeCoder<CTextFieldCoder>);
    }
    for (const char* name : {"From", "To", "Resent-To", "Cc", "Resent-Cc", "Bcc", "Resent-Bcc", "Reply-To",
                             "Resent-Reply-To"}) {
      coders.Register(name, &MakeCoder<CAddressFieldCoder>);
    }
    for (const char* name : {"Content-Type", "Content-Disposition"}) {
      coders.Register(name, &MakeCoder<CParameterFieldCoder>);
    }
  }
};

// The process-wide tables, filled on first use (before the first parse); the lock
// only guards against a registration racing a lookup.
Tables& TheTables() {
  static Tables tables;
  return tables;
}

}  // namespace

void CMimeRegistry::RegisterCodec(std::string_view name, CodecFactory factory) {
  Tables& t = TheTables();
  std::lock_guard<std::mutex> lock(t.mutex);
  t.codecs.Register(name, factory);
}

void CMimeRegistry::RegisterFieldCoder(std::string_view name, FieldCoderFactory factory) {
  Tables& t = TheTables();
  std::lock_guard<std::mutex> lock(t.mutex);
  t.coders.Register(name, factory);
}

std::unique_ptr<CMimeCodec> CMimeRegistry::MakeCodec(std::string_view name) {
  if (name.empty()) name = "7bit";
  Tables& t = TheTables();
  CodecFactory factory;
  {
    std::lock_guard<std::mutex> lock(t.mutex);
    factory = t.codecs.Find(name);
  }
  return factory ? factory() : std::make_unique<CMimeCodec>();
}

std::unique_ptr<CFieldCoder> CMimeRegistry::MakeFieldCoder(std::string_view name) {
  Tables& t = TheTables();
  FieldCoderFactory factory;
  {
    std::lock_guard<std::mutex> lock(t.mutex);
    factory = t.coders.Find(name);
  }
  return factory ? factory() : std::make_unique<CFieldCoder>();
}

}  // namespace corvane
