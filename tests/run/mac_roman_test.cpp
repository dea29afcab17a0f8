// Mac OS Roman against the C library's own converter.
#include "run/mac_roman.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace yl::run {
namespace {

// The byte through iconv's MACINTOSH table, in UTF-8.
std::string ThroughIconv(unsigned char byte) {
  iconv_t convert = iconv_open("UTF-8", "MACINTOSH");
  if (convert == reinterpret_cast<iconv_t>(-1)) return "(no converter)";
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* from = in;
  char* to = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  const std::size_t done = iconv(convert, &from, &inLeft, &to, &outLeft);
  iconv_close(convert);
  if (done == static_cast<std::size_t>(-1)) return "(not converted)";
  return std::string(out, sizeof out - outLeft);
}

TEST(MacRoman, EveryByteIsTheCharacterTheSystemConverterGives) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<unsigned char>(byte);
    std::string expected = ThroughIconv(b);
    // Where the C library keeps the older table: the Apple logo (a private
    // character) and INCREMENT, which the encoding now maps to U+2206.
    if (byte == 0xF0) expected = "\xEF\xA3\xBF";
    if (byte == 0xC6) expected = "\xE2\x88\x86";
    EXPECT_EQ(MacRomanToUtf8(std::string(1, static_cast<char>(b))), expected) << "byte " << byte;
  }
  EXPECT_EQ(MacRomanToUtf8("Bears\xC9 at Lions"), "Bears\xE2\x80\xA6 at Lions");
}

}  // namespace
}  // namespace yl::run
