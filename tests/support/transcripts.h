// Small hand-written transcripts for the tests of the run and the reader.
#pragma once

#include <string>
#include <string_view>

namespace yl::test {

// A whole game between the two teams: first line, three play blocks (one
// without a gains line), "The game is over." and a team box, with the given
// line ending.
std::string SmallGame(std::string_view visiting, std::string_view home,
                      std::string_view eol = "\n");

// The team box that follows "The game is over.".
std::string TeamBox(std::string_view visiting, std::string_view home, std::string_view eol);

// The game-mode report of SmallGame: the score table and comparison of its
// team box (no scoring play), then the sections of its four credited players,
// whose teams stay unknown without team files. Names of at most 10 characters.
std::string SmallGameReport(std::string_view visiting, std::string_view home,
                            std::string_view eol = "\n");

}  // namespace yl::test
