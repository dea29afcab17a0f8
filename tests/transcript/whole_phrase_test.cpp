// The whole-phrase index against comparing the text with every phrase of a
// table in trial order.
#include "transcript/whole_phrase.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "transcript/description_phrases.h"
#include "transcript/gains_phrases.h"
#include "transcript/header_phrases.h"

namespace yl::transcript {
namespace {

std::optional<PhraseCode> WholeByTrial(std::span<const PhraseEntry> table, std::string_view text) {
  for (const PhraseEntry& entry : table) {
    if (entry.text == text) return entry.code;
  }
  return std::nullopt;
}

TEST(WholePhraseIndex, FindsWhatComparingEveryPhraseFinds) {
  struct Case {
    const char* name;
    std::span<const PhraseEntry> table;
  };
  const Case cases[] = {{"header", HeaderPhrases()},
                        {"gains", std::span<const PhraseEntry>(kGainsPhrases)},
                        {"description", DescriptionPhrases()}};
  for (const Case& c : cases) {
    const WholePhraseIndex index(c.table);
    // Each phrase, then the phrase with one byte changed at every place (the
    // words compared must cover every byte), cut short and grown by one.
    std::vector<std::string> texts = {"", " ", "zzz"};
    for (const PhraseEntry& entry : c.table) {
      const std::string phrase(entry.text);
      texts.push_back(phrase);
      texts.push_back(phrase.substr(1));
      texts.push_back(phrase.substr(0, phrase.size() - 1));
      texts.push_back(phrase + "x");
      for (std::size_t i = 0; i < phrase.size(); ++i) {
        std::string changed = phrase;
        changed[i] = static_cast<char>(changed[i] ^ 0x20);
        texts.push_back(changed);
      }
    }
    for (const std::string& text : texts) {
      const std::optional<PhraseCode> expected = WholeByTrial(c.table, text);
      // The text in a line: alone (nothing readable past it), between
      // numbers, and with a whole phrase's length of text after it.
      const std::string lines[] = {text, "12" + text + "34", text + std::string(40, 'y')};
      const std::size_t starts[] = {0, 2, 0};
      for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(index.Find(lines[k], starts[k], starts[k] + text.size()), expected)
            << c.name << " table, text \"" << text << "\" in line \"" << lines[k] << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace yl::transcript
