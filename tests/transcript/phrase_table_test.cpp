// The length index of phrase tables.
#include "transcript/phrase_table.h"

#include <gtest/gtest.h>

namespace yl::transcript {
namespace {

TEST(LengthIndex, FirstPhraseNotLongerThanEachLength) {
  // Stored by decreasing length, as every phrase table is.
  constexpr PhraseEntry kTable[] = {{"abcde", 0}, {"abcd", 1}, {"xyzw", 2}, {"ab", 3}};
  constexpr LengthIndex index{kTable};
  EXPECT_EQ(index.FirstNotLonger(0), std::nullopt);
  EXPECT_EQ(index.FirstNotLonger(1), std::nullopt);
  EXPECT_EQ(index.FirstNotLonger(2), 3u);
  EXPECT_EQ(index.FirstNotLonger(3), 3u);
  EXPECT_EQ(index.FirstNotLonger(4), 1u);  // the first of the two four-letter phrases
  EXPECT_EQ(index.FirstNotLonger(5), 0u);
  EXPECT_EQ(index.FirstNotLonger(kLengthIndexSize - 1), 0u);
  EXPECT_EQ(index.FirstNotLonger(kLengthIndexSize), std::nullopt);
}

}  // namespace
}  // namespace yl::transcript
