// Small hand-written transcripts for the tests.
#include "support/transcripts.h"

#include <algorithm>
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

std::string Padded(const std::string& name, std::size_t width) {
  return name.size() < width ? name + std::string(width - name.size(), ' ') : name;
}

}  // namespace

std::string TeamBox(std::string_view visiting, std::string_view home, std::string_view eol) {
  const std::string v(visiting);
  const std::string h(home);
  // ReadLine skips empty lines, so every row of the box holds text.
  return Join(
      {"Team statistics", "Rushing", "  Yards 104 121", "  Plays 25 28", "Passing",
       "  Yards 212 187", "  Plays 31 27", "Passes", "  Comp/Atts 18/29 16/24", "Other",
       "  Sacked 2 3", "  Intercepted 1 0", "  Fumbles 1/0 2/1", "  First Downs 17 19",
       "  3rd Down 33.3 41.7", "  Punts 5 4", "  Yards Per Punt 42.1 39.5", "  Net Yards 35 33",
       "  Yards Per PR 8.2 11.0", "  Yards Per KR 21.4 19.8", "  Yards Per TO 0.0 24.0",
       "  Touchdowns 2 3", "  Extra Points 2 3", "  Field Goals 1/2 1/1",
       "  Yards Per FG 38.0 27.0", "  Safeties 0 0", "  Penalties 4/35 6/50", "  Total Plays 58 58",
       "  Total Time 28:75 30:45", "  Total Yards 316 308", "  Points 17 24", "Score by quarter",
       "           1    2    3    4",
       // The figures are read from the twelfth byte on: the name
       // column is 11 wide.
       Padded(v, 11) + "    3    7    0    7", Padded(h, 11) + "    7    3    7    7"},
      eol);
}

std::string SmallGameReport(std::string_view visiting, std::string_view home,
                            std::string_view eol) {
  const std::string v(visiting);
  const std::string h(home);
  const std::size_t width = std::max(v.size(), h.size());
  const std::string rule(32 + width, '-');
  const auto pad = [width](const std::string& name) {
    return name + std::string(width - name.size(), ' ');
  };
  const auto right = [](const std::string& name) {
    return std::string(10 - std::min<std::size_t>(name.size(), 10), ' ') + name;
  };
  return Join({v + " 17 @ " + h + " 24",
               "",
               rule,
               std::string(width, ' ') + "   1st   2nd   3rd   4th   Final",
               pad(v) + "     3     7     0     7      17",
               pad(h) + "     7     3     7     7      24",
               rule,
               "",
               "First Quarter",
               "-------------",
               "No Scoring",
               "",
               "Second Quarter",
               "--------------",
               "No Scoring",
               "",
               "Third Quarter",
               "-------------",
               "No Scoring",
               "",
               "Fourth Quarter",
               "--------------",
               "No Scoring",
               "",
               std::string(24, ' ') + right(v) + "   " + right(h),
               "",
               "Rushing Yards                  104          121",
               "Rushing Plays                   25           28",
               "Yards Per Rush                 4.2          4.3",
               "Passing Yards                  212          187",
               "Passing Plays                   31           27",
               "Yards Per Pass                 6.8          6.9",
               "Passes (Comp/Atts)           18/29        16/24",
               "Completion Percentage         0.62         0.67",
               "Sacked                           2            3",
               "Intercepted                      1            0",
               "Fumbles (No/Lost)              1/0          2/1",
               "First Downs                     17           19",
               "3rd Down Efficiency          33.30        41.70",
               "Punts                            5            4",
               "Yards Per Punt                42.1         39.5",
               "Net Yards                       35           33",
               "",
               "Yards Per Punt Return          8.2         11.0",
               "Yards Per Kick Return         21.4         19.8",
               "Yards Per Turnover             0.0         24.0",
               "Touchdowns                       2            3",
               "Extra Points                     2            3",
               "Field Goals (No/Atts)          1/2          1/1",
               "Yards Per Field Goal          38.0         27.0",
               "Safeties                         0            0",
               "Penalties (No/Yards)          4/35         6/50",
               "Total Plays                     58           58",
               "Total Time                   29:15        30:45",
               "",
               "Total Yards                    316          308",
               "",
               "---Passing Stats----------------------------------------------------------",
               "Player Name           ATT COM YDS  PCT TD IN LG 1ST 1ST% BIG SAC YDL  RATE",
               "--------------------------------------------------------------------------",
               "#7-Harris [QB-?????]    1   0   0 0.00  0  0  0   0 0.00   0   0   0 39.58",
               "",
               "---Rushing Stats------------------------------------------------------",
               "Player Name            ATT YDS  AVG TD LG 1ST 1ST% STF YDL BIG FUM LST",
               "----------------------------------------------------------------------",
               "#33-Carter [RB-?????]    1   4 4.00  0  4   0 0.00   0   0   0   0   0",
               "",
               "---Kick Return Stats------------------------------",
               "Player Name            RET YDS   AVG TD LG FUM LST",
               "--------------------------------------------------",
               "#23-Morgan [DB-?????]    1  62 62.00  0 62   0   0",
               "",
               "---Special Teams Stats-----------",
               "Player Name          TK YDS   AVG",
               "---------------------------------",
               "#55-Hill [OL-?????]   1  62 62.00",
               "",
               "---Defensive Stats-------------------------------------------------------",
               "Player Name            TK YDS  AVG SAC SKYDS STF YDL TOTYL PD PTBLK FGBLK",
               "-------------------------------------------------------------------------",
               "#91-Brooks [DL-?????]   1   4 4.00   0     0   0   0     0  0     0     0",
               ""},
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
