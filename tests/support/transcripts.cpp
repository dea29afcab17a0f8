// Small hand-written transcripts for the tests.
#include "support/transcripts.h"

#include <vector>

namespace yl::test {

namespace {

std::string Join(const std::vector<std::string>& lines, std::string_view eol) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += eol;
  }
  return text;
}

}  // namespace

std::string TeamBox(std::string_view visiting, std::string_view home, std::string_view eol) {
  const std::string v(visiting);
  const std::string h(home);
  // ReadLine skips empty lines, so every row of the box holds text.
  return Join({"Team statistics",
               "Rushing",
               "  Yards 104 121",
               "  Plays 25 28",
               "Passing",
               "  Yards 212 187",
               "  Plays 31 27",
               "Passes",
               "  Comp/Atts 18/29 16/24",
               "Other",
               "  Sacked 2 3",
               "  Intercepted 1 0",
               "  Fumbles 1/0 2/1",
               "  First Downs 17 19",
               "  3rd Down 33.3 41.7",
               "  Punts 5 4",
               "  Yards Per Punt 42.1 39.5",
               "  Net Yards 35 33",
               "  Yards Per PR 8.2 11.0",
               "  Yards Per KR 21.4 19.8",
               "  Yards Per TO 0.0 24.0",
               "  Touchdowns 2 3",
               "  Extra Points 2 3",
               "  Field Goals 1/2 1/1",
               "  Yards Per FG 38.0 27.0",
               "  Safeties 0 0",
               "  Penalties 4/35 6/50",
               "  Total Plays 58 58",
               "  Total Time 28:75 30:45",
               "  Total Yards 316 308",
               "  Points 17 24",
               "Score by quarter",
               "           1    2    3    4",
               v + "     3    7    0    7",
               h + "     7    3    7    7"},
              eol);
}

std::string SmallGame(std::string_view visiting, std::string_view home, std::string_view eol) {
  const std::string v(visiting);
  const std::string h(home);
  return Join({v + " (3-2) vs " + h + " (4-1)",
               "With the score 0 to 0 in the 1st quarter, 15:00 on the clock, and kicking-off "
               "from their own 35 yard line...",
               "The kickoff was taken by #23-Morgan... #55-Hill took him down.  ",
               "That was a 62 yard kick.",
               "With the score 0 to 0 in the 1st quarter, 14:52 on the clock, and 1st-and-10 to "
               "go from their own 25 yard line...",
               "#33-Carter took the hand-off... #91-Brooks took him down.  ",
               "Gain of 4 yards on the play.  The ball is on the 29 yard line.  ",
               "The first quarter is over.",
               "With the score 0 to 0 in the 2nd quarter, 15:00 on the clock, and 2nd-and-6 to go "
               "from their own 29 yard line...",
               "#7-Harris's pass was incomplete.  ", "", "The game is over."},
              eol) +
         TeamBox(visiting, home, eol);
}

}  // namespace yl::test
