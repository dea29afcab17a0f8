// The gains phrases: every fragment a gains line is cut into. A phrase's code
// is its position; the positions run by decreasing length, the order of trial.
#pragma once

#include <array>

#include "transcript/phrase_table.h"

namespace yl::transcript {

constexpr int kGainsPhraseCount = 31;

constexpr std::array<PhraseEntry, kGainsPhraseCount> kGainsPhrases = {{
    {"Short gain on the play.  The ball is on the goal line.  ", 0},
    {"No gain on the play.  The ball is on the goal line.  ", 1},
    {" yards on the play.  The ball is on the goal line.  ", 2},
    {" yard on the play.  The ball is on the goal line.  ", 3},
    {"Short gain on the return.  The ball is on the ", 4},
    {"Short gain on the play.  The ball is on the ", 5},
    {"No gain on the return.  The ball is on the ", 6},
    {" yards on the return.  The ball is on the ", 7},
    {"No gain on the play.  The ball is on the ", 8},
    {" yard on the return.  The ball is on the ", 9},
    {" yards on the play.  The ball is on the ", 10},
    {"The ball was turned over and is on the ", 11},
    {" yard on the play.  The ball is on the ", 12},
    {" yards and is on the goal line.  ", 13},
    {"The ball will be placed on the ", 14},
    {" yards on the return.  ", 15},
    {"The ball was returned ", 16},
    {"No gain on the play.  ", 17},
    {" yards and is on the ", 18},
    {" yards on the play.  ", 19},
    {" yard on the play.  ", 20},
    {"The ball is on the ", 21},
    {" yard attempt.", 22},
    {" yard attempt", 23},
    {" yard line.  ", 24},
    {" yard kick.", 25},
    {"That was a ", 26},
    {" yard kick", 27},
    {"Gain of ", 28},
    {"Loss of ", 29},
    {" yards ", 30},
}};

}  // namespace yl::transcript
