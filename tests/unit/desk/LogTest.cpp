#include "framework/services/CTorvanLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/unit/desk/TempHome.h"

namespace {

using desk::test::RecordingObserver;
using desk::test::TempHome;

TEST(LogTest, LinesReachTheFileAndTheObserver) {
  TempHome home;
  RecordingObserver observer;
  CTorvanLog log;
  const std::string longText(5000, 'x');
  log.diagnostic("PNRCreationFax", "OnSend", 0, 100, 321, "Host Command %s", longText.c_str());
  log.error("PNRCreationFIT", "OnInitDialog", 501, "Not able to load %s\nsecond line", "DATA_X");

  ASSERT_EQ(observer.lines.size(), 2u);
  EXPECT_EQ(observer.lines[0].module, "PNRCreationFax");
  EXPECT_EQ(observer.lines[0].operation, "OnSend");
  EXPECT_EQ(observer.lines[0].text, "Host Command " + longText);
  EXPECT_EQ(observer.lines[1].text, "Not able to load DATA_X\nsecond line");

  // One line a call, whatever the text holds.
  const std::string file = home.read("quillet.log");
  ASSERT_EQ(std::ranges::count(file, '\n'), 2);
  const std::string first = file.substr(0, file.find('\n'));
  const std::string second = file.substr(first.size() + 1);
  for (std::string_view part : {"DIAG", "PNRCreationFax", "OnSend", "321", "100"}) {
    EXPECT_NE(first.find(part), std::string::npos) << part;
  }
  EXPECT_NE(first.find("Host Command " + longText), std::string::npos);
  for (std::string_view part : {"ERROR", "OnInitDialog", "501", "DATA_X second line"}) {
    EXPECT_NE(second.find(part), std::string::npos) << part;
  }
}

}  // namespace
