// The length index of phrase tables.
#include "transcript/phrase_table.h"

#include <gtest/gtest.h>

namespace yl::transcript {
namespace {

TEST(BuildLengthIndex, FirstPhraseNotLongerThanEachLength) {
  // Stored by decreasing length, as every phrase table is.
  constexpr PhraseEntry kTable[] = {{"abcde", 0}, {"abcd", 1}, {"xyzw", 2}, {"ab", 3}};
  constexpr LengthIndex index = BuildLengthIndex(kTable);
  EXPECT_EQ(index[0], -1);
  EXPECT_EQ(index[1], -1);
  EXPECT_EQ(index[2], 3);
  EXPECT_EQ(index[3], 3);
  EXPECT_EQ(index[4], 1);  // the first of the two four-letter phrases
  EXPECT_EQ(index[5], 0);
  EXPECT_EQ(index[199], 0);
}

}  // namespace
}  // namespace yl::transcript
