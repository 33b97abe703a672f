// The web desk's instances, driven directly on the test's thread as the UI thread: each runs in
// its own context, so that boxes of different masks wait and are answered in any order, a
// released instance ends its handler before it goes, actions act only in the instance they
// name, and each instance may read a language of its own.

#include "desk/web/WebDesk.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "desk/home/DeskHome.h"
#include "desk/web/PageActions.h"
#include "platform/window/Desktop.h"
#include "tests/unit/desk/TempHome.h"

namespace desk {
namespace {

using nlohmann::json;
using platform::messageBox;

constexpr int kFaxField = 304;
constexpr UINT kOkCancel = 1;

class Desk {
 public:
  Desk() {
    prepareHome(home_.folder() / "home");
    setHome(home_.folder() / "home");
    desk_ = std::make_unique<WebDesk>(module_, ui_, std::chrono::minutes(1));
  }
  WebDesk* operator->() { return desk_.get(); }

  std::string open(const char* className, std::optional<std::string> language = {}) {
    return desk_->openMask(*desk_->findServedClass(className), std::move(language));
  }
  // An action as the page sends it.
  void act(const std::string& id, std::string_view action) {
    desk_->act(id,
               [request = parseActionRequest(action)](WebMask& mask) { runAction(mask, request); });
  }
  // The status an action as the page sends it is refused with, and why; 200 when taken.
  std::pair<int, std::string> refusal(const std::string& id, std::string_view action) {
    try {
      act(id, action);
      return {200, ""};
    } catch (const WebRequestError& error) {
      return {error.status(), error.what()};
    }
  }
  void answer(const std::string& id, std::string_view answer) {
    desk_->answer(id, parseAnswerRequest(answer));
  }
  json state(const std::string& id) { return desk_->mask(id).state(); }
  std::string text(const std::string& id, int control) {
    const json shown = state(id);
    for (const json& each : shown["dialog"]["controls"]) {
      if (each["id"] == control) return each["text"];
    }
    return "(none)";
  }
  std::vector<json> sends(const std::string& id) {
    std::vector<json> found;
    const json shown = state(id);
    for (const json& entry : shown["log"]["entries"]) {
      if (entry["type"] == "event" && entry["name"] == "Send") found.push_back(entry["args"]);
    }
    return found;
  }

 private:
  test::TempHome home_;
  ModuleLoader module_{ModuleLoader::defaultModulePath()};
  UiThread ui_;
  std::unique_ptr<WebDesk> desk_;
};

// How far the thread's own stack has grown (the test runs on the main thread).
std::size_t threadStackKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmStk:")) return std::stoul(line.substr(6));
  }
  return 0;
}

TEST(WebDesk, BoxesOfThreeMasksAreAnsweredInAnyOrder) {
  Desk desk;
  const std::vector<std::array<int, 3>> orders = {{0, 1, 2}, {2, 0, 1}, {1, 2, 0}};
  for (const auto& order : orders) {
    SCOPED_TRACE(json(order).dump());
    std::array<std::string, 3> ids;
    std::array<std::optional<int>, 3> results;
    // The first waits on the fax mask's own box (a Send of a wrong number), the others on
    // boxes of their handlers.
    ids[0] = desk.open("PNRCreationFax");
    desk.act(ids[0], R"({"do":"type","control":304,"text":"55*1"})");
    desk.act(ids[0], R"({"do":"key","key":"Enter","control":304})");
    ASSERT_TRUE(desk->mask(ids[0]).waiting());
    for (int i = 1; i < 3; ++i) {
      ids[i] = desk.open("PNRCreationFax");
      desk->act(ids[i], [&results, i](WebMask& mask) {
        results[i] = messageBox(&mask.dialog(), "Box " + std::to_string(i), "Test", kOkCancel);
      });
    }
    EXPECT_EQ(desk->waitingCount(), 3u);
    std::set<int> answered;
    for (const int index : order) {
      desk.answer(ids[index], R"({"button":)" + std::to_string(10 + index) + "}");
      answered.insert(index);
      EXPECT_FALSE(desk->mask(ids[index]).waiting()) << index << " goes on at once";
      if (index > 0) {
        EXPECT_EQ(results[index], 10 + index);
      }
      for (int other = 0; other < 3; ++other) {
        if (answered.contains(other)) continue;
        EXPECT_TRUE(desk->mask(ids[other]).waiting()) << other;
        if (other > 0) {
          EXPECT_FALSE(results[other]) << other << " is still waiting";
        }
      }
    }
    const json after = desk.state(ids[0]);
    EXPECT_TRUE(after["modal"].is_null());
    EXPECT_EQ(after["dialog"]["focus"], kFaxField) << "the field of the fault has the focus";
    for (const std::string& id : ids) desk->release(id);
  }
  EXPECT_EQ(desk->instanceCount(), 0u);
}

// Boxes answered in random order while others wait: with nested loops each would stand on the
// last and the thread's stack would grow by every box; here the stack stays as it is, and no
// more than kMostWaiting instances wait at once.
TEST(WebDesk, ThousandsOfBoxesInTurnKeepTheStackFlatAndTheCapHolds) {
  Desk desk;
  constexpr int kBoxes = 5000;
  const int kWaiting = static_cast<int>(WebDesk::kMostWaiting);
  std::vector<std::string> ids;
  for (int i = 0; i <= kWaiting; ++i) ids.push_back(desk.open("PNRCreationFax"));
  int shown = 0;
  int returned = 0;
  auto ask = [&](const std::string& id) {
    desk->act(id, [&](WebMask& mask) {
      ++shown;
      messageBox(&mask.dialog(), "Wait", "Test", 0);
      ++returned;
    });
  };
  for (int i = 0; i < kWaiting; ++i) ask(ids[i]);
  EXPECT_EQ(desk->waitingCount(), WebDesk::kMostWaiting);
  try {
    ask(ids[kWaiting]);
    ADD_FAILURE() << "one instance more than the desk lets wait";
  } catch (const WebRequestError& error) {
    EXPECT_EQ(error.status(), 503);
    EXPECT_NE(std::string(error.what()).find("answer one of them first"), std::string::npos);
  }
  EXPECT_FALSE(desk->mask(ids[kWaiting]).waiting()) << "its box was cancelled";
  EXPECT_EQ(returned, 1) << "and its handler went on";

  const std::size_t stackBefore = threadStackKiB();
  std::mt19937 random(18);
  while (shown < kBoxes) {
    const std::string& id = ids[random() % kWaiting];
    desk.answer(id, R"({"button":1})");
    ask(id);
  }
  EXPECT_EQ(desk->waitingCount(), WebDesk::kMostWaiting);
  EXPECT_EQ(returned, kBoxes - kWaiting);
  EXPECT_LE(threadStackKiB(), stackBefore + 64) << "the thread's stack did not grow";
  EXPECT_LT(MaskContext::deepestStackUse(), MaskContext::kStackSize / 2);

  desk->releaseAll();
  EXPECT_EQ(returned, kBoxes) << "every waiting handler returned";
  EXPECT_EQ(desk->instanceCount(), 0u);
}

TEST(WebDesk, AReleasedInstanceThatWaitsEndsItsHandlerBeforeItGoes) {
  Desk desk;
  const std::string released = desk.open("PNRCreationFax");
  const std::string kept = desk.open("PNRCreationFax");
  std::vector<int> buttons;
  std::optional<std::vector<std::string>> picked = std::vector<std::string>{"unset"};
  bool returned = false;
  desk->act(released, [&](WebMask& mask) {
    buttons.push_back(messageBox(&mask.dialog(), "Send it?", "Test", kOkCancel));
    // Later boxes of the released instance are answered at once, with their cancel button.
    buttons.push_back(messageBox(&mask.dialog(), "Sent", "Test", 0));
    picked = platform::modalDialog("calendar", &mask.dialog());
    returned = true;
  });
  bool keptReturned = false;
  desk->act(kept, [&](WebMask& mask) {
    platform::modalDialog("calendar", &mask.dialog());
    keptReturned = true;
  });
  ASSERT_EQ(desk->waitingCount(), 2u);

  desk->release(released);
  EXPECT_TRUE(returned);
  EXPECT_EQ(buttons, (std::vector<int>{platform::IDCANCEL, platform::IDOK}));
  EXPECT_EQ(picked, std::nullopt);
  EXPECT_EQ(desk->instanceCount(), 1u);
  EXPECT_THROW(desk->mask(released), WebRequestError);
  EXPECT_TRUE(desk->mask(kept).waiting()) << "the other instance still waits";

  desk->releaseAll();
  EXPECT_TRUE(keptReturned);
  EXPECT_EQ(desk->instanceCount(), 0u);
}

// The agent types in one tab and presses Enter in another: the key acts in the tab it was
// pressed in, with the focus that tab had, and never fires the other tab's Send.
TEST(WebDesk, AKeyActsOnlyInTheInstanceItNames) {
  Desk desk;
  const std::string first = desk.open("PNRCreationFax");
  const json initialFocus = desk.state(first)["dialog"]["focus"];
  const std::string second = desk.open("PNRCreationFax");
  desk.act(first, R"({"do":"key","key":"Tab"})");
  desk.act(second, R"({"do":"type","control":304,"text":"5551234"})");
  desk.act(first, R"({"do":"type","control":304,"text":"5559999"})");

  desk.act(second, R"({"do":"key","key":"Enter"})");
  EXPECT_EQ(desk.sends(second), std::vector<json>{json::array({"9 5551234-F"})});
  EXPECT_TRUE(desk.sends(first).empty()) << "the focus was still in the first instance";
  EXPECT_EQ(desk.state(first)["dialog"]["focus"], kFaxField) << "the first keeps its focus";

  desk.act(first, R"({"do":"key","key":"Enter"})");
  EXPECT_EQ(desk.sends(first), std::vector<json>{json::array({"9 5559999-F"})});
  EXPECT_EQ(desk.sends(second).size(), 1u);

  // A fresh instance has the focus its dialog gave at initialisation, whichever control of
  // another instance had it; its keys go to its own dialog.
  const std::string third = desk.open("PNRCreationFax");
  desk.act(first, R"({"do":"type","control":304,"text":"1"})");
  EXPECT_EQ(desk.state(third)["dialog"]["focus"], initialFocus);
  desk.act(third, R"({"do":"key","key":"Enter"})");
  EXPECT_EQ(desk.sends(first).size(), 1u);
  EXPECT_EQ(desk.text(first, kFaxField), "55599991");
}

TEST(WebDesk, AnActionOnAControlThatTakesNoInputIsRefusedWithItsReason) {
  Desk desk;
  using platform::Window;
  struct Case {
    const char* what;
    std::function<void(WebMask&)> prepare;
    const char* reason;
  };
  const Case cases[] = {
      {"disabled", [](WebMask& mask) { mask.dialog().child(kFaxField)->enable(false); },
       "control 304 is disabled"},
      {"hidden", [](WebMask& mask) { mask.dialog().child(kFaxField)->show(platform::SW_HIDE); },
       "control 304 is hidden"},
      {"in a disabled dialog", [](WebMask& mask) { mask.dialog().enable(false); },
       "control 304 is in a disabled dialog"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    const std::string other = desk.open("PNRCreationFax");
    desk.act(other, R"({"do":"type","control":304,"text":"5551234"})");
    const std::string id = desk.open("PNRCreationFax");
    desk->act(id, test.prepare);
    for (const char* action :
         {R"({"do":"type","control":304,"text":"5"})", R"({"do":"click","control":304})",
          R"({"do":"key","key":"Enter","control":304})", R"({"do":"focus","control":304})",
          R"({"do":"edit","control":304,"start":0,"end":0,"text":"5"})"}) {
      EXPECT_EQ(desk.refusal(id, action), (std::pair<int, std::string>{409, test.reason}))
          << action;
    }
    EXPECT_EQ(desk.text(id, kFaxField), "");
    EXPECT_TRUE(desk.sends(id).empty() && desk.sends(other).empty()) << "no key went elsewhere";
    EXPECT_EQ(desk.text(other, kFaxField), "5551234");
    desk->releaseAll();
  }
}

// An instance opened in a language of its own draws and speaks in it, also after an instance
// in another language loaded its table, and leaves the desk's language as it was.
TEST(WebDesk, AnInstanceReadsItsOwnLanguageAndLeavesTheDesksAlone) {
  Desk desk;
  const std::string deskLanguage = desk->language();
  const std::string keys = desk.open("PNRCreationFax", "KEY");
  const std::string plain = desk.open("PNRCreationFax");
  EXPECT_EQ(desk->language(), deskLanguage);
  auto captions = [&desk](const std::string& id) {
    std::string all;
    const json shown = desk.state(id);
    for (const json& control : shown["dialog"]["controls"]) {
      all += control["text"].get<std::string>() + "|";
    }
    return all;
  };
  EXPECT_NE(captions(keys), captions(plain));
  EXPECT_NE(captions(keys).find("CAPTION_BUTTON_SEND"), std::string::npos);

  for (const std::string& id : {keys, plain}) {
    desk.act(id, R"({"do":"type","control":304,"text":"55*1"})");
    desk.act(id, R"({"do":"key","key":"Enter","control":304})");
  }
  const std::string keyText = desk.state(keys)["modal"]["text"];
  const std::string plainText = desk.state(plain)["modal"]["text"];
  EXPECT_TRUE(std::regex_match(keyText, std::regex("[A-Z0-9_]+"))) << keyText;
  EXPECT_FALSE(std::regex_match(plainText, std::regex("[A-Z0-9_]+"))) << plainText;

  try {
    desk.open("PNRCreationFax", "../EN1");
    ADD_FAILURE() << "a language the desk does not ship";
  } catch (const WebRequestError& error) {
    EXPECT_EQ(error.status(), 400);
  }
  desk->releaseAll();
  EXPECT_EQ(desk->language(), deskLanguage);
}

TEST(WebDesk, InstanceIdsAndDocumentTokensAreLongAndRandom) {
  Desk desk;
  const std::regex hex128("[0-9a-f]{32}");
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    const std::string id = desk.open("PNRDeleteEmail");
    EXPECT_TRUE(std::regex_match(id, hex128)) << id;
    names.insert(id);
    const auto address = desk->publishDocument(desk->mask(id), "https://example.org/");
    ASSERT_TRUE(address);
    const std::string token = address->substr(std::string("/open/").size());
    EXPECT_TRUE(std::regex_match(token, hex128)) << *address;
    names.insert(token);
  }
  EXPECT_EQ(names.size(), 40u);
}

}  // namespace
}  // namespace desk
