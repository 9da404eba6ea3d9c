// Field coders apply encoded words to a whole header value: decoding turns every
// encoded word into its bytes; encoding splits the value into words by the syntax of
// the field's kind and encodes the words that hold bytes of 0x80 or more.
#pragma once

#include <string>

#include "mime/encoded_word_codec.h"
#include "mime/mime_codec.h"

namespace corvane {

class CFieldCoder : public CMimeCodec {
 public:
  std::int64_t EncodedSize() const override;
  std::int64_t EncodeInto(char* output, std::int64_t capacity) override;
  std::int64_t DecodeInto(char* output, std::int64_t capacity) override;

  // Whether serialisation folds the line after this delimiter.
  virtual bool FoldsAfter(unsigned char /*delimiter*/) const { return false; }
  // The word-splitting state a value starts in: 0 splits at delimiters, 255 never.
  virtual unsigned char InitialCloser() const { return 0; }

  // Length of the next word of text; adds its bytes of 0x80 or more to *high. The
  // closer state carries from word to word of one value.
  static std::int64_t NextWord(const unsigned char* text, std::int64_t size, unsigned char* closer,
                               std::int64_t* high);

  std::string m_strCharset;

 private:
  // The encoded-word codec bound to one word, with this field's charset and the letter
  // the word's share of high bytes calls for.
  CEncodedWordCodec WordCodec(const unsigned char* word, std::int64_t length, std::int64_t high) const;
  // The encoded form of one word (encoded words when it holds high bytes).
  std::string EncodeWord(const unsigned char* word, std::int64_t length, std::int64_t high) const;
  std::int64_t EncodedWordSize(const unsigned char* word, std::int64_t length, std::int64_t high) const;
};

// Unstructured text (Subject, Comments, Content-Description): the value is one word.
class CTextFieldCoder : public CFieldCoder {
 public:
  unsigned char InitialCloser() const override { return 255; }
};

// Address lists (From, To, Cc, ...): folded after ',' and ':'.
class CAddressFieldCoder : public CFieldCoder {
 public:
  bool FoldsAfter(unsigned char delimiter) const override { return delimiter == ',' || delimiter == ':'; }
};

// Parameterised fields (Content-Type, Content-Disposition): folded after ';'.
class CParameterFieldCoder : public CFieldCoder {
 public:
  bool FoldsAfter(unsigned char delimiter) const override { return delimiter == ';'; }
};

}  // namespace corvane
