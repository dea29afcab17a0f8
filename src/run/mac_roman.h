// Mac OS Roman, the encoding of the transcripts and team files: each byte
// above 0x7F as its Unicode character, and text converted to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace yl::run {

// The Unicode code point of a Mac OS Roman byte (bytes below 0x80 are ASCII).
char32_t MacRomanToUnicode(unsigned char byte);

// The bytes, read as Mac OS Roman, in UTF-8.
std::string MacRomanToUtf8(std::string_view bytes);

}  // namespace yl::run
