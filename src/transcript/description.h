// The play description: phrase codes and the player tokens between them.
#pragma once

#include <cstddef>
#include <string_view>

#include "transcript/current_play.h"
#include "transcript/phrase_trie.h"
#include "transcript/reader.h"

namespace yl::transcript {

// A description is cut at every "#" into at most nine segments: nine tokens
// when it begins with one, else a leading phrase and eight tokens.
constexpr std::size_t kMaxDescriptionSegments = 9;
// The longest player token handed to the league model.
constexpr std::size_t kMaxTokenLength = 35;
// Bytes between a description and the first quote of its trailing annotation.
constexpr std::size_t kAnnotationGap = 9;

// What one thread's reading of descriptions keeps from line to line: it
// saves work and changes no result.
using DescriptionMemo = PhraseTrie::SuffixMemo;

// Cuts a description line into phrase codes and player tokens (noted in the
// parse context), filling the play's description text. A line that cannot be
// read is noted (as a description not understood, or as a player token
// without "#") and false is returned.
bool ParseDescription(ParseContext& parse, std::string_view line, CurrentPlay& play,
                      DescriptionMemo* memo = nullptr);

// The players of the description's tokens, once they have been looked up.
void NameDescriptionPlayers(DescriptionText& description, const CarriedParse& carried);

// One line on its own: parsed, its players found or created in the league,
// what could not be read logged.
bool ParseDescription(ReadContext& context, std::string_view line, CurrentPlay& play);

}  // namespace yl::transcript
