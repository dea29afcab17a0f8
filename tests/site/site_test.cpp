// The league site: text from the games made safe for a page, addresses that
// stay the same from week to week, a site written over last week's as a
// whole, and a season's reports unchanged by writing a site beside them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "run/staged_folder.h"
#include "site/html.h"
#include "support/fake_platform.h"
#include "support/fatal_alert.h"
#include "support/temp_dir.h"

namespace yl::site {
namespace {

TEST(SiteText, EscapesAndConvertsNamesAndMakesAddresses) {
  struct Case {
    std::string_view macRoman;
    std::string_view html;
    std::string_view slug;
  };
  const Case cases[] = {
      {"Bears", "Bears", "bears"},
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;",
       "script-alert-1-script"},
      {"A&B \"Q\" O'Neil", "A&amp;B &quot;Q&quot; O&#39;Neil", "a-b-q-o-neil"},
      {"Wait\xC9", "Wait\xE2\x80\xA6", "wait"},  // Mac OS Roman's ellipsis
      {"Caf\x8E", "Caf\xC3\xA9", "caf"},         // and its e acute
      {"line\x01"
       "feed",
       "line feed", "line-feed"},
      {"\xC9<>", "\xE2\x80\xA6&lt;&gt;", "x"},  // nothing left for an address
      // Several in one run of eight bytes, and across runs.
      {"#4-O'Neil\xC9\xC9 & \"Q\"\t<b>ok</b> end.",
       "#4-O&#39;Neil\xE2\x80\xA6\xE2\x80\xA6 &amp; &quot;Q&quot;\t&lt;b&gt;ok&lt;/b&gt; end.",
       "4-o-neil-q-b-ok-b-end"},
      // Sixteen bytes and more at a time, a control byte among them.
      {"Sixteen bytes\x02 and 'more' of them\x8E",
       "Sixteen bytes  and &#39;more&#39; of them\xC3\xA9", "sixteen-bytes-and-more-of-them"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.macRoman));
    EXPECT_EQ(Escape(c.macRoman), c.html);
    EXPECT_EQ(Slug(c.macRoman), c.slug);
  }
  // A text longer than a name or a label (a play's description, say).
  std::string longText;
  std::string longHtml;
  for (int i = 0; i < 8; ++i) {
    longText += cases[7].macRoman;
    longHtml += cases[7].html;
  }
  EXPECT_EQ(Escape(longText), longHtml);
  // Our own text is UTF-8 already: its high bytes stay as they are.
  EXPECT_EQ(EscapeUtf8("Points \xE2\x80\x94 <all> & 'more' \xC3\xA9t\xC3\xA9"),
            "Points \xE2\x80\x94 &lt;all&gt; &amp; &#39;more&#39; \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(EscapeUtf8("A bell\x07 in sixteen bytes, \xC3\xA9t\xC3\xA9\tand a tab"),
            "A bell  in sixteen bytes, \xC3\xA9t\xC3\xA9\tand a tab");
  // The first to claim a slug keeps it; a clash is numbered, and a number
  // never gives an address another slug has.
  AddressBook book;
  std::vector<std::string> got;
  for (const char* slug : {"bears", "bears", "bears-2", "lions", "bears"})
    got.push_back(book.Claim(slug));
  EXPECT_EQ(got, (std::vector<std::string>{"bears", "bears-2", "bears-2-2", "lions", "bears-3"}));
}

TEST(RowText, KeepsEveryPieceWholeAndInOrder) {
  // Pieces of every short length (each copied its own way), numbers, a
  // piece longer than the row's room, and a row that fills it many times.
  std::string page = "<p>";
  std::string expected = page;
  {
    RowText row(page);
    const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t size = 0; size <= letters.size(); ++size) {
      row.Add(std::string_view(letters).substr(size % 7, size % 40));
      expected += letters.substr(size % 7, size % 40);
      row.Number(-static_cast<std::int64_t>(size) * 1234567);
      expected += std::to_string(-static_cast<std::int64_t>(size) * 1234567);
    }
    const std::string longPiece(5000, 'x');
    row.Add(longPiece);
    expected += longPiece;
    // Text escaped on the way in: from the games (Mac OS Roman) and our own
    // (UTF-8), short and longer than the row's room.
    for (const std::string& text :
         {std::string("O'Neil \xC9 <b> \xC3\xA9"), std::string(400, '\'') + "\xC9\xC3\xA9"}) {
      row.Text(text);
      expected += Escape(text);
      row.OwnText(text);
      expected += EscapeUtf8(text);
    }
    for (int i = 0; i < 200; ++i) {
      row.Add("<td>\"it's\"</td>");
      expected += "<td>\"it's\"</td>";
    }
    row.Flush();
  }
  EXPECT_EQ(page, expected);
}

std::set<std::string> Files(const std::string& folder) {
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    files.insert(entry.path().lexically_relative(folder).string());
  return files;
}

struct SiteRun {
  int status = 0;
  std::string report;
};

// A league run of the season's first `games` games, its site into `site`
// ("" for none).
SiteRun RunSeason(test::TempDir& dir, std::size_t games, const std::string& site,
                  const std::string& prefix) {
  const std::string season = std::string(YL_GOLDEN_DIR) + "/season/";
  std::vector<run::TransRecord> transcripts;
  for (const char* name : {"1-Owls-at-Bears.txt", "2-Thunderbirds-at-Owls.txt",
                           "3-Rams-at-Thunderbirds.txt", "4-Owls-at-Rams.txt"}) {
    if (transcripts.size() < games) transcripts.push_back(run::MakeInputFileRecord(season + name));
  }
  std::vector<run::TeamFileRecord> teams;
  for (const char* name : {"Bears.fbt", "Owls.fbt", "Rams.fbt", "Thunderbirds.fbt"})
    teams.push_back(run::MakeInputFileRecord(season + name));
  test::FakePlatform platform;
  options::OutputOptions options;
  options.mode = options::ReportMode::kLeague;
  options.leadersCount = -1;
  compile::CompileRun run(platform, options);
  run.siteFolder = site;
  const auto message = test::FatalMessage([&] {
    compile::CompileStats(run, transcripts, teams, run::MakePrefixReply(dir.File(prefix)));
  });
  EXPECT_FALSE(message.has_value()) << *message;
  return {message ? 1 : 0, test::ReadFileBytes(dir.File(prefix + ".LL"))};
}

TEST(SiteRun, KeepsTheReportsAddressesAndReplacesOnlyItsOwnSite) {
  test::TempDir dir;
  const SiteRun plain = RunSeason(dir, 4, "", "plain");
  const SiteRun withSite = RunSeason(dir, 4, dir.File("site"), "with");
  // The site's crediting of each game's longest plays leaves the season's as they were.
  EXPECT_EQ(withSite.report, plain.report);
  const std::set<std::string> full = Files(dir.File("site"));
  EXPECT_TRUE(full.contains("games/4-owls-at-rams.html"));
  EXPECT_TRUE(full.contains(".yardledger-site"));

  // Last week's site (three games) is replaced whole; every address it had is
  // still there.
  std::filesystem::remove_all(dir.File("site"));
  RunSeason(dir, 3, dir.File("site"), "week3");
  const std::set<std::string> week3 = Files(dir.File("site"));
  dir.Write("site/stale.html", "a page of last week's no longer made");
  RunSeason(dir, 4, dir.File("site"), "week4");
  const std::set<std::string> week4 = Files(dir.File("site"));
  EXPECT_EQ(week4, full);
  for (const std::string& file : week3)
    EXPECT_TRUE(week4.contains(file)) << file;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    EXPECT_EQ(entry.path().filename().string().find(".yl-"), std::string::npos) << entry.path();

  // A folder of the user's is no site to replace.
  EXPECT_EQ(run::FolderProblem(dir.File("site")), "");
  EXPECT_EQ(run::FolderProblem(dir.File("nothing-here")), "");
  ::mkdir(dir.File("mine").c_str(), 0755);
  EXPECT_EQ(run::FolderProblem(dir.File("mine")), "");  // empty
  dir.Write("mine/notes.txt", "mine");
  EXPECT_NE(run::FolderProblem(dir.File("mine")).find("did not write"), std::string::npos);
  EXPECT_NE(run::FolderProblem(dir.File("mine/notes.txt")).find("not a folder"), std::string::npos);
}

}  // namespace
}  // namespace yl::site
