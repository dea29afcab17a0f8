// The header and description phrase tables: their texts against the listed
// lengths, the ellipsis twins, and the order in which they are tried.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "transcript/description_phrases.h"
#include "transcript/header_phrases.h"

namespace yl::transcript {
namespace {

// The lengths listed with the phrases, by code.
constexpr int kHeaderLengths[kHeaderPhraseCount] = {
    54, 47, 46, 40, 41, 41, 41, 41, 39, 39, 39, 39, 35, 35, 35, 35, 34, 29,
    29, 29, 29, 27, 27, 27, 27, 22, 19, 19, 16, 15, 12, 12, 12, 12, 13, 8,
    7,  7,  7,  7,  4,  1,  39, 39, 39, 39, 37, 37, 37, 37, 32, 11};
constexpr int kDescriptionLengths[kFirstTwin] = {
    79, 78, 66, 61, 62, 60, 56, 48, 49, 48, 49, 47, 47, 47, 45, 45, 46, 43, 43, 44, 41, 42, 40,
    40, 42, 40, 40, 39, 41, 38, 36, 38, 38, 37, 37, 36, 33, 33, 33, 35, 33, 32, 34, 32, 33, 31,
    31, 35, 33, 35, 32, 32, 32, 30, 30, 32, 29, 29, 31, 29, 29, 29, 29, 29, 29, 31, 29, 30, 28,
    28, 28, 28, 28, 30, 28, 28, 28, 28, 29, 27, 27, 27, 27, 27, 29, 29, 28, 28, 26, 26, 26, 28,
    28, 28, 28, 28, 28, 27, 25, 25, 25, 25, 25, 25, 27, 27, 27, 26, 26, 28, 24, 24, 28, 23, 23,
    23, 27, 22, 22, 24, 23, 22, 20, 20, 20, 20, 19, 19, 18, 22, 19, 17, 16, 16, 16, 16, 16, 18,
    16, 17, 17, 15, 15, 15, 15, 17, 17, 16, 16, 15, 12, 14, 13, 13, 9,  9,  8,  3,  3,  4};

std::string WithEllipsisByte(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 3) == "...") {
      out += '\xC9';
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Decreasing length, equal lengths by ascending rank, every code once, and
// the length index built over this very order.
template <typename Rank>
void ExpectTrialOrder(std::span<const PhraseEntry> order, int count, const LengthIndex& index,
                      Rank rank) {
  ASSERT_EQ(order.size(), static_cast<std::size_t>(count));
  std::set<int> codes;
  for (std::size_t i = 0; i < order.size(); ++i) {
    codes.insert(order[i].code);
    if (i == 0) continue;
    const PhraseEntry& a = order[i - 1];
    const PhraseEntry& b = order[i];
    EXPECT_TRUE(a.text.size() > b.text.size() ||
                (a.text.size() == b.text.size() && rank(a.code) < rank(b.code)))
        << "code " << a.code << " stands before code " << b.code;
  }
  EXPECT_EQ(codes.size(), static_cast<std::size_t>(count));
  EXPECT_EQ(*codes.begin(), 0);
  EXPECT_EQ(*codes.rbegin(), count - 1);
  for (std::size_t n = 0; n < kLengthIndexSize; ++n) {
    std::optional<std::size_t> expected;
    for (std::size_t p = 0; p < order.size() && !expected; ++p) {
      if (order[p].text.size() <= n) expected = p;
    }
    EXPECT_EQ(index.FirstNotLonger(n), expected) << "length " << n;
  }
}

TEST(HeaderPhrases, LengthsAsListed) {
  for (PhraseCode code = 0; code < kHeaderPhraseCount; ++code) {
    EXPECT_EQ(HeaderPhraseText(code).size(), static_cast<std::size_t>(kHeaderLengths[code]))
        << "code " << int{code};
  }
  EXPECT_TRUE(HeaderPhraseText(kHeaderPhraseCount).empty());
}

TEST(HeaderPhrases, TriedLongestFirstThenByCode) {
  ExpectTrialOrder(HeaderPhrases(), kHeaderPhraseCount, HeaderLengthIndex(),
                   [](int code) { return code; });
}

TEST(HeaderPhrases, EllipsisTwinsMatchTheirPartners) {
  const std::vector<std::pair<PhraseCode, PhraseCode>> twins = {
      {42, 4}, {43, 5}, {44, 6}, {45, 7}, {46, 8}, {47, 9}, {48, 10}, {49, 11}, {50, 16}, {51, 34}};
  for (const auto& [twin, partner] : twins) {
    EXPECT_EQ(std::string(HeaderPhraseText(twin)), WithEllipsisByte(HeaderPhraseText(partner)))
        << "code " << int{twin};
  }
}

TEST(DescriptionPhrases, LengthsAsListed) {
  for (PhraseCode code = 0; code < kFirstTwin; ++code) {
    EXPECT_EQ(DescriptionPhraseText(code).size(),
              static_cast<std::size_t>(kDescriptionLengths[code]))
        << "code " << int{code};
  }
  EXPECT_TRUE(DescriptionPhraseText(kDescriptionPhraseCount).empty());
}

TEST(DescriptionPhrases, EveryTwinIsItsPartnerWithTheEllipsisByte) {
  std::set<int> partners;
  for (PhraseCode twin = kFirstTwin; twin < kDescriptionPhraseCount; ++twin) {
    const PhraseCode partner = PartnerCode(twin);
    ASSERT_LT(partner, kFirstTwin) << "code " << twin;
    const std::string_view partnerText = DescriptionPhraseText(partner);
    EXPECT_NE(partnerText.find("..."), std::string_view::npos) << "code " << partner;
    EXPECT_EQ(std::string(DescriptionPhraseText(twin)), WithEllipsisByte(partnerText))
        << "code " << twin;
    EXPECT_TRUE(partners.insert(partner).second) << "partner " << partner << " twice";
  }
  // Every phrase spelt with "..." has its twin; no other phrase holds the byte.
  for (PhraseCode code = 0; code < kFirstTwin; ++code) {
    const std::string_view text = DescriptionPhraseText(code);
    EXPECT_EQ(text.find("...") != std::string_view::npos, partners.count(code) == 1)
        << "code " << code;
    EXPECT_EQ(text.find('\xC9'), std::string_view::npos) << "code " << code;
    EXPECT_EQ(PartnerCode(code), code);
  }
  EXPECT_EQ(PartnerCode(160), 1);
  EXPECT_EQ(PartnerCode(244), 0);
}

TEST(DescriptionPhrases, TriedLongestFirstThenByCodeWith103Before98) {
  const auto rank = [](int code) { return code == 103 ? 2 * 98 - 1 : 2 * code; };
  ExpectTrialOrder(DescriptionPhrases(), kDescriptionPhraseCount, DescriptionLengthIndex(), rank);
  const std::span<const PhraseEntry> order = DescriptionPhrases();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) {
    if (order[i].code == 103) {
      EXPECT_EQ(order[i + 1].code, 98);
    }
  }
}

}  // namespace
}  // namespace yl::transcript
