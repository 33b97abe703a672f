// The journal of sent entries: kept across openings, newest first, searched, bounded, pruned
// by its retention, private to its owner, and refusing what is not a journal.

#include "desk/web/Journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "desk/web/WebRequests.h"
#include "tests/unit/desk/TempHome.h"

namespace desk {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::system_clock;

// 2026-12-11T14:03:19.250Z
const Clock::time_point kNoon = Clock::time_point(std::chrono::milliseconds(1796997799250));

std::vector<std::string> commands(const std::vector<JournalEntry>& entries) {
  std::vector<std::string> texts;
  for (const JournalEntry& entry : entries) texts.push_back(entry.command);
  return texts;
}

TEST(Journal, KeepsEntriesAcrossOpeningsNewestFirstWithTheirAnswers) {
  test::TempHome home;
  const auto file = home.folder() / "journal.db";
  {
    Journal journal(file, Journal::kDefaultRetention, kNoon);
    journal.add("Send", "PNRCreationFax", "a1", "9 5551234-F", kNoon);
    const auto asked = journal.add("SendCommand", "PNRCreationFIT", "b2", "%%JX AIT", kNoon + 1s);
    journal.setAnswer(asked, "N_AIRAALSAD0PNR0");
    journal.add("Send", "PNRCreationEmail", "c3", "PE\\u00A5JOHN==SMITH@HOST.TEST\\u00A5",
                kNoon + 2s);
  }
  Journal reopened(file, Journal::kDefaultRetention, kNoon + 3s);
  const auto entries = reopened.newest("", 10);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(commands(entries), (std::vector<std::string>{"PE\\u00A5JOHN==SMITH@HOST.TEST\\u00A5",
                                                         "%%JX AIT", "9 5551234-F"}));
  EXPECT_EQ(entries[1].event, "SendCommand");
  EXPECT_EQ(entries[1].maskClass, "PNRCreationFIT");
  EXPECT_EQ(entries[1].instance, "b2");
  EXPECT_EQ(entries[1].answer, "N_AIRAALSAD0PNR0");
  EXPECT_EQ(entries[2].answer, std::nullopt);
  EXPECT_EQ(entries[2].time, "2026-12-11T14:03:19.250Z");
}

TEST(Journal, SearchesCommandsMasksAndAnswersIgnoringCaseAndWildcards) {
  test::TempHome home;
  Journal journal(home.folder() / "journal.db", Journal::kDefaultRetention, kNoon);
  journal.add("Send", "PNRCreationFax", "a", "9 5551234-F", kNoon);
  journal.add("Send", "PNRModificationFax", "b", "9 100%_OFF-F", kNoon + 1s);
  const auto asked = journal.add("SendCommand", "PNRCreationFIT", "c", "%%JX AIT", kNoon + 2s);
  journal.setAnswer(asked, "AGENT SMITH");
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
      {"fax", {"9 100%_OFF-F", "9 5551234-F"}},  // both fax masks, by class
      {"5551234", {"9 5551234-F"}},
      {"%_", {"9 100%_OFF-F"}},  // wildcards are plain characters
      {"smith", {"%%JX AIT"}},   // the host's answer
      {"nothing like it", {}},
  };
  for (const auto& [search, expected] : cases) {
    EXPECT_EQ(commands(journal.newest(search, 10)), expected) << search;
  }
}

TEST(Journal, ListingIsBoundedAndRetentionPrunesAtOpening) {
  test::TempHome home;
  const auto file = home.folder() / "journal.db";
  {
    Journal journal(file, std::chrono::days(90), kNoon);
    journal.add("Send", "PNRCreationFax", "a", "old", kNoon - std::chrono::days(91));
    journal.add("Send", "PNRCreationFax", "a", "recent", kNoon - std::chrono::days(89));
    for (int n = 0; n < 1100; ++n)
      journal.add("Send", "PNRCreationFax", "a", "9 " + std::to_string(n) + "-F", kNoon);
    EXPECT_EQ(journal.newest("", 5).size(), 5u);
    EXPECT_EQ(journal.newest("", 100000).size(), Journal::kLongestListing);
  }
  Journal reopened(file, std::chrono::days(90), kNoon);
  EXPECT_TRUE(reopened.newest("old", 10).empty()) << "older than the retention";
  EXPECT_EQ(commands(reopened.newest("recent", 10)), std::vector<std::string>{"recent"});
}

TEST(Journal, IsPrivateToItsOwnerAndRefusesWhatIsNoJournal) {
  test::TempHome home;
  const auto file = home.folder() / "journal.db";
  { Journal journal(file); }
  struct stat status {};
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);

  const auto text = home.folder() / "notes.db";
  std::ofstream(text) << "not a database, and it stays as it was\n";
  EXPECT_THROW(Journal{text}, JournalError);
  std::ifstream kept(text);
  std::string line;
  std::getline(kept, line);
  EXPECT_EQ(line, "not a database, and it stays as it was");

  std::filesystem::create_symlink(file, home.folder() / "link.db");
  EXPECT_THROW(Journal{home.folder() / "link.db"}, JournalError);
  std::filesystem::create_directory(home.folder() / "folder.db");
  EXPECT_THROW(Journal{home.folder() / "folder.db"}, JournalError);
}

TEST(Journal, SettingsAndTheListingsLimitAreChecked) {
  EXPECT_EQ(journalRetention("30"), std::chrono::days(30));
  for (const char* bad : {"", "0", "-5", "7d", "36501", "3.5"}) {
    EXPECT_THROW(journalRetention(bad), JournalError) << bad;
  }
  test::TempHome home;
  Journal journal(home.folder() / "journal.db");
  journal.add("Send", "PNRCreationFax", "a", "9 5551234-F");
  const auto listing = journalJson(journal, "", "");
  ASSERT_EQ(listing["entries"].size(), 1u);
  EXPECT_EQ(listing["entries"][0]["command"], "9 5551234-F");
  EXPECT_TRUE(listing["entries"][0]["answer"].is_null());
  for (const char* bad : {"0", "1001", "ten", "-1"}) {
    EXPECT_THROW(journalJson(journal, "", bad), WebRequestError) << bad;
  }
}

}  // namespace
}  // namespace desk
