// The desk page's own requests over HTTP: opening a mask as a panel, and the entries the agent
// types into the host pane, answered by the simulated host and kept in the journal.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "desk/web/WorkspaceRequests.h"
#include "tests/unit/web/ServedDesk.h"

namespace desk {
namespace {

using nlohmann::json;
using test::ServedDesk;

struct Refused {
  const char* what;
  std::string body;
  int status;
  const char* says;
};

void expectRefused(ServedDesk& desk, const std::string& path, const Refused& test) {
  auto answer = desk.client().Post(path, test.body, "application/json");
  ASSERT_TRUE(answer) << test.what;
  EXPECT_EQ(answer->status, test.status) << test.what << ": " << answer->body;
  EXPECT_NE(answer->body.find(test.says), std::string::npos) << test.what << ": " << answer->body;
}

TEST(WorkspaceRoutes, OpeningAPanelRefusesWhatNamesNoMaskAndOpensNothing) {
  ServedDesk desk;
  const Refused cases[] = {
      {"not JSON", "{mask", 400, "not a JSON object"},
      {"no mask", R"({"lang":"EN1"})", 400, R"(\"mask\" is missing)"},
      {"a mask that is no text", R"({"mask":17})", 400, "wrong type"},
      {"an unknown class", R"({"mask":"PNRCreationTelex"})", 404, "serves no mask"},
      {"a path for a class", R"({"mask":"../PNRCreationFax"})", 404, "serves no mask"},
      {"an unknown language", R"({"mask":"PNRCreationFax","lang":"../EN1"})", 400, "no language"},
      {"a language that is no text", R"({"mask":"PNRCreationFax","lang":1})", 400, "wrong type"},
  };
  for (const Refused& test : cases) expectRefused(desk, "/api/open", test);
  EXPECT_EQ(desk.instances(), 0u);
  EXPECT_EQ(desk.client().Get("/api/open")->status, 405);
}

TEST(WorkspaceRoutes, EachOpenIsAnInstanceOfItsOwn) {
  ServedDesk desk;
  const auto open = [&] {
    auto answer =
        desk.client().Post("/api/open", R"({"mask":"PNRCreationFax"})", "application/json");
    EXPECT_EQ(answer->status, 200) << answer->body;
    return json::parse(answer->body);
  };
  const json first = open();
  const json second = open();
  EXPECT_EQ(first["title"], "PNR Creation Fax");
  EXPECT_EQ(first["mask"], "PNRCreationFax");
  EXPECT_NE(first["id"], second["id"]);
  EXPECT_EQ(desk.instances(), 2u);
  ASSERT_EQ(desk.act(first["id"], {{"do", "type"}, {"control", 304}, {"text", "5"}})->status, 200);
  EXPECT_EQ(desk.text(first["id"], 304), "5");
  EXPECT_EQ(desk.text(second["id"], 304), "");
}

TEST(WorkspaceRoutes, AHostEntryRefusesWhatATerminalLineCannotHold) {
  ServedDesk desk;
  const Refused cases[] = {
      {"not JSON", "entry", 400, "not a JSON object"},
      {"no entry", "{}", 400, R"(\"entry\" is missing)"},
      {"an entry that is no text", R"({"entry":["RT"]})", 400, "wrong type"},
      {"an empty entry", R"({"entry":""})", 400, "empty"},
      {"a blank entry", R"({"entry":"   "})", 400, "empty"},
      {"a line feed", R"({"entry":"RT\nIG"})", 400, "control character"},
      {"a tab", R"({"entry":"RT\tX"})", 400, "control character"},
      {"an escape", R"({"entry":"\u001b[2J"})", 400, "control character"},
      {"a delete", R"({"entry":"RT\u007f"})", 400, "control character"},
      {"a C1 control", R"({"entry":"RT\u0085"})", 400, "control character"},
      {"a NUL", R"({"entry":"RT\u0000"})", 400, "control character"},
      {"too long", json{{"entry", std::string(kLongestHostEntry + 1, 'A')}}.dump(), 400,
       "longer than 1024"},
  };
  for (const Refused& test : cases) expectRefused(desk, "/api/host", test);
  const json journal = json::parse(desk.client().Get("/api/journal")->body);
  EXPECT_TRUE(journal["entries"].empty()) << "a refused entry leaves no trace: " << journal;
}

TEST(WorkspaceRoutes, AHostEntryIsAnsweredAsTheHostFileSaysAndJournalled) {
  ServedDesk desk;
  struct Case {
    std::string entry;
    std::string answer;
  };
  const Case cases[] = {
      {"  IG ", "IGNORED"},  // the host pane's own answers, trimmed
      {"%%JX CTP",
       "<CTP><RECORD><NAME>CORP1</NAME><LEVEL>GOLD</LEVEL></RECORD></CTP>"},  // a mask's
      {"AN20JANSINLHR", "OK"},                      // none: a plain acknowledgement
      {"9 555\\u00A5X", "OK"},                      // escape texts are text
      {std::string(kLongestHostEntry, 'A'), "OK"},  // as long as it may be
  };
  for (const Case& test : cases) {
    auto answer =
        desk.client().Post("/api/host", json{{"entry", test.entry}}.dump(), "application/json");
    ASSERT_EQ(answer->status, 200) << answer->body;
    const json body = json::parse(answer->body);
    EXPECT_EQ(body["answer"], test.answer) << test.entry;
    EXPECT_TRUE(body["id"].is_number_integer()) << body;
  }
  const json journal = json::parse(desk.client().Get("/api/journal?limit=10")->body);
  ASSERT_EQ(journal["entries"].size(), std::size(cases));
  const json& newest = journal["entries"][0];
  EXPECT_EQ(newest["mask"], "Host");
  EXPECT_EQ(newest["answer"], "OK");
  EXPECT_EQ(journal["entries"][4]["command"], "IG");
  EXPECT_EQ(journal["entries"][4]["answer"], "IGNORED");
}

}  // namespace
}  // namespace desk
