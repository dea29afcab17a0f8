// The phrase trie against trying every phrase of a table in turn.
#include "transcript/phrase_trie.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "transcript/description_phrases.h"
#include "transcript/gains_phrases.h"

namespace yl::transcript {
namespace {

// What trying every phrase in trial order finds.
std::optional<std::size_t> FirstPrefixByTrial(std::span<const PhraseEntry> table,
                                              std::string_view text, std::size_t start) {
  for (std::size_t p = start; p < table.size(); ++p) {
    if (text.starts_with(table[p].text)) return p;
  }
  return std::nullopt;
}

std::vector<std::pair<int, int>> SuffixesByTrial(std::span<const PhraseEntry> table,
                                                 std::string_view text) {
  std::vector<std::pair<int, int>> found;
  for (std::size_t p = 0; p < table.size(); ++p) {
    const std::string_view phrase = table[p].text;
    if (text.ends_with(phrase)) found.emplace_back(p, 0);
    if (phrase.ends_with("  ") && text.ends_with(phrase.substr(0, phrase.size() - 2)))
      found.emplace_back(p, 1);
  }
  return found;
}

// Texts around every phrase of a table: the phrase alone, cut short, with a
// token before it, with text after it, and without its last blanks.
std::vector<std::string> TextsAround(std::span<const PhraseEntry> table) {
  std::vector<std::string> texts = {"", " ", "#", "zzz"};
  for (const PhraseEntry& entry : table) {
    const std::string phrase(entry.text);
    texts.push_back(phrase);
    texts.push_back("#12-Smith" + phrase);
    texts.push_back(phrase + "12 yards");
    texts.push_back(phrase.substr(0, phrase.size() / 2));
    texts.push_back(phrase.substr(1));
    if (phrase.size() > 2) texts.push_back("#7-Lee" + phrase.substr(0, phrase.size() - 2));
  }
  return texts;
}

TEST(PhraseTrie, FindsWhatTryingEveryPhraseFinds) {
  struct Case {
    const char* name;
    std::span<const PhraseEntry> table;
  };
  const Case cases[] = {{"description", DescriptionPhrases()},
                        {"gains", std::span<const PhraseEntry>(kGainsPhrases)}};
  for (const Case& c : cases) {
    const PhraseTrie prefixes(c.table, PhraseTrie::Direction::kPrefix);
    const PhraseTrie suffixes(c.table, PhraseTrie::Direction::kSuffix, 2);
    int checked = 0;
    for (const std::string& text : TextsAround(c.table)) {
      for (std::size_t start : {std::size_t{0}, c.table.size() / 3, c.table.size() - 1}) {
        ASSERT_EQ(prefixes.FirstPrefix(text, start), FirstPrefixByTrial(c.table, text, start))
            << c.name << " prefix of \"" << text << "\" from " << start;
      }
      PhraseTrie::Matches matches;
      const std::size_t count = suffixes.Suffixes(text, matches);
      std::vector<std::pair<int, int>> found;
      for (std::size_t m = 0; m < count; ++m)
        found.emplace_back(matches[m].position, matches[m].cut);
      ASSERT_EQ(found, SuffixesByTrial(c.table, text))
          << c.name << " suffixes of \"" << text << "\"";
      checked += static_cast<int>(count);
    }
    EXPECT_GT(checked, static_cast<int>(c.table.size())) << c.name;  // the texts did end in phrases
  }
}

// A memo kept across texts (as a thread keeps one across lines) changes no
// answer: texts that share endings with different names before them, twice
// over so that kept walks are met again and pushed out, with two tries
// taking turns at one memo.
TEST(PhraseTrie, AMemoChangesNoSuffixes) {
  const PhraseTrie description(DescriptionPhrases(), PhraseTrie::Direction::kSuffix, 2);
  const std::span<const PhraseEntry> gainsTable(kGainsPhrases);
  const PhraseTrie gains(gainsTable, PhraseTrie::Direction::kSuffix, 2);
  std::vector<std::string> texts = TextsAround(DescriptionPhrases());
  for (const PhraseEntry& entry : DescriptionPhrases()) {
    for (const char* name : {"#4-Denlin", "#81-Stoham", "#9-Ray", "#22-O'Neal"})
      texts.push_back(name + std::string(entry.text));
  }
  const auto found = [](const PhraseTrie& trie, const std::string& text,
                        PhraseTrie::SuffixMemo* memo) {
    PhraseTrie::Matches matches;
    const std::size_t count = trie.Suffixes(text, matches, memo);
    std::vector<std::pair<int, int>> list;
    for (std::size_t m = 0; m < count; ++m)
      list.emplace_back(matches[m].position, matches[m].cut);
    return list;
  };
  PhraseTrie::SuffixMemo memo;
  for (int round = 0; round < 2; ++round) {
    for (std::size_t t = 0; t < texts.size(); ++t) {
      const bool useGains = t % 7 == 0;
      const PhraseTrie& trie = useGains ? gains : description;
      ASSERT_EQ(found(trie, texts[t], &memo), found(trie, texts[t], nullptr))
          << (useGains ? "gains" : "description") << " suffixes of \"" << texts[t] << "\"";
    }
  }
}

TEST(PhraseTrie, RefusesATableThatNestsTooManyPhrases) {
  std::vector<std::string> texts;
  for (std::size_t n = 1; n <= PhraseTrie::kMaxMatches + 1; ++n)
    texts.push_back(std::string(n, 'a'));
  std::vector<PhraseEntry> table;
  for (const std::string& text : texts)
    table.push_back({text, static_cast<PhraseCode>(table.size())});
  EXPECT_THROW(PhraseTrie(table, PhraseTrie::Direction::kSuffix), std::logic_error);
  table.pop_back();
  EXPECT_NO_THROW(PhraseTrie(table, PhraseTrie::Direction::kSuffix));
}

}  // namespace
}  // namespace yl::transcript
