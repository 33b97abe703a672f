// The web desk's request handling, over HTTP against a desk running in this process: what it
// refuses and how, and two tabs working at once while one of them waits on a message box.

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <thread>

#include "desk/services/RegistryStore.h"
#include "platform/window/Desktop.h"
#include "tests/unit/web/ServedDesk.h"

namespace desk {
namespace {

using nlohmann::json;
using test::ServedDesk;

constexpr int kFaxField = 304;

TEST(WebServer, RefusesWhatItCannotServeWithAClearAnswer) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  struct Case {
    const char* what;
    std::string path;
    std::string body;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {"not JSON", "/api/mask/" + id + "/act", "{do", 400, "not a JSON object"},
      {"JSON but no object", "/api/mask/" + id + "/act", "[1,2]", 400, "not a JSON object"},
      {"no action", "/api/mask/" + id + "/act", R"({"control":304})", 400, "is missing"},
      {"wrong type", "/api/mask/" + id + "/act", R"({"do":"click","control":"304"})", 400,
       "wrong type"},
      {"unknown action", "/api/mask/" + id + "/act", R"({"do":"paint"})", 400, "unknown action"},
      {"unknown control", "/api/mask/" + id + "/act", R"({"do":"click","control":9999})", 404,
       "no control 9999"},
      {"unknown key", "/api/mask/" + id + "/act", R"({"do":"key","key":"F13"})", 400,
       "unknown key"},
      {"number out of range", "/api/mask/" + id + "/act",
       R"({"do":"select","control":304,"start":99999999999,"end":0})", 400, "out of range"},
      {"a word that is no text", "/api/mask/" + id + "/answer", R"({"words":["A",1]})", 400,
       "no text"},
      {"entry out of range", "/api/mask/" + id + "/act",
       R"({"do":"choose","control":304,"index":7})", 400, "no entry"},
      {"finish on no add-passenger control", "/api/mask/" + id + "/act",
       R"({"do":"finish","control":304,"cancelled":true})", 409, "no add-passenger control"},
      {"finish without its list", "/api/mask/" + id + "/act",
       R"({"do":"finish","control":304,"markers":"000000000"})", 400, R"(\"list\" is missing)"},
      {"finish with markers that are no nine digits", "/api/mask/" + id + "/act",
       R"({"do":"finish","control":304,"markers":"0001","list":"A,B,,0,,,,"})", 400, "nine digits"},
      {"finish with ten passengers", "/api/mask/" + id + "/act",
       R"({"do":"finish","control":304,"markers":"000000000","list":"A=B=C=D=E=F=G=H=I=J"})", 400,
       "at most nine"},
      {"unknown instance", "/api/mask/0123456789abcdef/act", R"({"do":"click","control":223})", 404,
       "no open mask"},
      {"no box to answer", "/api/mask/" + id + "/answer", R"({"button":1})", 409, "no such answer"},
      {"unknown language", "/api/desk", R"({"lang":"../EN1"})", 400, "no language"},
      {"unknown demo PNR", "/api/desk", R"({"pnr":"../../etc"})", 400, "no demo PNR"},
  };
  for (const Case& test : cases) {
    auto answer = desk.client().Post(test.path, test.body, "application/json");
    ASSERT_TRUE(answer) << test.what;
    EXPECT_EQ(answer->status, test.status) << test.what;
    EXPECT_NE(answer->body.find(test.says), std::string::npos) << test.what << ": " << answer->body;
  }
  EXPECT_EQ(desk.text(id, kFaxField), "") << "a refused request changes nothing";
}

TEST(WebServer, UnknownClassesAndNamesOfFilesGetNotFoundPages) {
  ServedDesk desk;
  for (const std::string path :
       {"/mask/NoSuchMask", "/mask/%3Cscript%3Ealert(1)%3C%2Fscript%3E", "/mask/DriveSession",
        "/assets/../VLwhiteboard.ini", "/assets/desk.html", "/open/1", "/VLwhiteboard.ini",
        "/open/..%2F..%2Fetc%2Fpasswd"}) {
    auto page = desk.client().Get(path);
    ASSERT_TRUE(page) << path;
    EXPECT_EQ(page->status, 404) << path;
    EXPECT_EQ(page->body.find("<script>"), std::string::npos) << path;
    EXPECT_EQ(page->body.find("SHARKDOLPHIN"), std::string::npos) << path;
  }
  auto page = desk.client().Get("/mask/%3Cb%3EFax");
  EXPECT_NE(page->body.find("&lt;b&gt;Fax"), std::string::npos) << "the class name is text";
  EXPECT_EQ(desk.instances(), 0u);
}

TEST(WebServer, AnswersOnlyItsOwnAddressAndOnlyJsonChanges) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  auto client = desk.client();
  auto foreign = client.Get("/api/desk", {{"Host", "attacker.example:8080"}});
  EXPECT_EQ(foreign->status, 421);
  auto form = client.Post("/api/mask/" + id + "/act", R"({"do":"type","control":304,"text":"5"})",
                          "text/plain");
  EXPECT_EQ(form->status, 415);
  EXPECT_EQ(desk.text(id, kFaxField), "");
  EXPECT_EQ(client.Get("/api/desk", {{"Host", "localhost"}})->status, 200);
}

TEST(WebServer, RefusesBodiesLargerThanAMaskCanUse) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  const std::string text(WebServer::kLargestBody, '5');
  auto answer = desk.act(id, {{"do", "type"}, {"control", kFaxField}, {"text", text}});
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 413);
  EXPECT_EQ(desk.text(id, kFaxField), "");
  // The desk goes on serving.
  EXPECT_EQ(desk.act(id, {{"do", "type"}, {"control", kFaxField}, {"text", "55"}})->status, 200);
  EXPECT_EQ(desk.text(id, kFaxField), "55");
}

TEST(WebServer, TwoTabsTypeAtOnceAndStayApart) {
  ServedDesk desk;
  const std::string first = desk.open("PNRCreationFax");
  const std::string second = desk.open("PNRCreationFax");
  auto typeInto = [&desk](const std::string& id, char digit) {
    for (int count = 0; count < 30; ++count) {
      auto answer =
          desk.act(id, {{"do", "type"}, {"control", kFaxField}, {"text", std::string(1, digit)}});
      ASSERT_TRUE(answer);
      ASSERT_EQ(answer->status, 200) << answer->body;
    }
  };
  std::thread one(typeInto, first, '1');
  std::thread two(typeInto, second, '2');
  one.join();
  two.join();
  EXPECT_EQ(desk.text(first, kFaxField), std::string(30, '1'));
  EXPECT_EQ(desk.text(second, kFaxField), std::string(30, '2'));
}

TEST(WebServer, AMessageBoxWaitsForItsTabWhileTheOtherTabWorks) {
  ServedDesk desk;
  const std::string faulty = desk.open("PNRCreationFax");
  const std::string other = desk.open("PNRCreationFax");
  desk.act(faulty, {{"do", "type"}, {"control", kFaxField}, {"text", "55*1"}});
  auto send = desk.act(faulty, {{"do", "key"}, {"key", "Enter"}, {"control", kFaxField}});
  ASSERT_EQ(send->status, 202) << "the action answers as soon as the mask waits";
  const json box = desk.state(faulty)["modal"];
  EXPECT_EQ(box["kind"], "msgbox");
  EXPECT_EQ(box["caption"], "PNR Creation Information");
  EXPECT_EQ(box["style"], 0x10);

  // The waiting mask takes nothing else; the other one works on.
  EXPECT_EQ(desk.act(faulty, {{"do", "type"}, {"control", kFaxField}, {"text", "9"}})->status, 409);
  EXPECT_EQ(desk.act(other, {{"do", "type"}, {"control", kFaxField}, {"text", "5551234"}})->status,
            200);
  EXPECT_EQ(desk.act(other, {{"do", "key"}, {"key", "Enter"}})->status, 200);
  EXPECT_EQ(desk.state(other)["log"]["entries"][0]["args"][0], "9 5551234-F");

  auto answered =
      desk.client().Post("/api/mask/" + faulty + "/answer", R"({"button":1})", "application/json");
  EXPECT_EQ(answered->status, 200);
  const json after = desk.state(faulty);
  EXPECT_TRUE(after["modal"].is_null());
  EXPECT_EQ(after["dialog"]["focus"], kFaxField);
  EXPECT_EQ(after["dialog"]["selection"], json::array({2, 3}));
}

TEST(WebServer, APickerWaitsForThePagesAnswer) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  struct Case {
    const char* kind;
    const char* answer;
    std::optional<std::vector<std::string>> result;
  };
  const Case cases[] = {
      {"calendar", R"({"words":["5","3","2027"]})", std::vector<std::string>{"5", "3", "2027"}},
      {"coder", R"x({"words":["SG","Singapore (SGP)"]})x",
       std::vector<std::string>{"SG", "Singapore (SGP)"}},
      {"calendar", R"({"cancel":true})", std::nullopt},
  };
  for (const Case& test : cases) {
    std::optional<std::vector<std::string>> result;
    std::thread handler([&] {
      desk.runAs(id,
                 [&](WebMask& mask) { result = platform::modalDialog(test.kind, &mask.dialog()); });
    });
    json modal;
    for (int tries = 0; tries < 500 && modal.is_null(); ++tries) {
      modal = desk.state(id)["modal"];
      if (modal.is_null()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(modal["kind"], test.kind);
    EXPECT_EQ(desk.client()
                  .Post("/api/mask/" + id + "/answer", R"({"button":1})", "application/json")
                  ->status,
              409)
        << "a picker is answered with words or a cancel";
    EXPECT_EQ(
        desk.client().Post("/api/mask/" + id + "/answer", test.answer, "application/json")->status,
        200);
    handler.join();
    EXPECT_EQ(result, test.result) << test.kind << " " << test.answer;
    const json log = desk.state(id)["log"]["entries"];
    EXPECT_EQ(log[log.size() - 2]["kind"], test.kind) << "the log shows the picker and its answer";
  }
}

TEST(WebServer, ADialogTakesOnlyWordsThatFitItsKind) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  struct Case {
    const char* kind;
    std::vector<json> refused;  // each answered 400
    json taken;
  };
  const Case cases[] = {
      {"calendar",
       {json::array({"31", "2", "2027"}), json::array({"1", "2"})},
       json::array({"29", "2", "2028"})},
      {"addpax",
       {json::array({"12", "SMITH,JOHN"}), json::array({"000000000"}),
        json::array({"000000000", "A=B=C=D=E=F=G=H=I=J"})},
       json::array({"100000000", "SMITH,JOHN,MR,0,,,,C1=LEE,ANN,MS,1,,05,001,"})},
      {"policy", {json::array({"P1"})}, json::array({"P1", ""})},
      {"doss", {json::array({"SMITH", "JOHN", "MR"})}, json::array({"SMITH", "JOHN"})},
      {"ffp", {json::array({"first"}), json::array({"0", "1"})}, json::array({"1"})},
  };
  for (const Case& test : cases) {
    std::optional<std::vector<std::string>> result;
    std::thread handler([&] {
      desk.runAs(id,
                 [&](WebMask& mask) { result = platform::modalDialog(test.kind, &mask.dialog()); });
    });
    for (int tries = 0; tries < 500 && desk.state(id)["modal"].is_null(); ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (const json& words : test.refused) {
      auto refused = desk.client().Post("/api/mask/" + id + "/answer",
                                        json{{"words", words}}.dump(), "application/json");
      EXPECT_EQ(refused->status, 400) << test.kind << " " << words.dump();
    }
    EXPECT_EQ(desk.client()
                  .Post("/api/mask/" + id + "/answer", json{{"words", test.taken}}.dump(),
                        "application/json")
                  ->status,
              200)
        << test.kind;
    handler.join();
    EXPECT_EQ(result, test.taken.get<std::vector<std::string>>()) << test.kind;
  }
}

TEST(WebServer, ADialogOnAWindowOfItsOwnShowsItsLinesAndEntries) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  using namespace platform;
  Window choice(WindowClass::Dialog, 855, "Frequent flyer", WS_VISIBLE, Rect{0, 0, 200, 100});
  choice.addChild(std::make_unique<Window>(WindowClass::Static, 1, "Choose a card", WS_VISIBLE,
                                           Rect{0, 0, 100, 10}));
  Window& cards = choice.addChild(
      std::make_unique<Window>(WindowClass::ComboBox, 2, "", WS_VISIBLE, Rect{0, 20, 100, 30}));
  cards.addEntry("LH 992000111", 0);
  cards.addEntry("UA 12345", 1);
  std::optional<std::vector<std::string>> result;
  std::thread handler(
      [&] { desk.runAs(id, [&](WebMask&) { result = modalDialog("ffp", &choice); }); });
  json modal;
  for (int tries = 0; tries < 500 && modal.is_null(); ++tries) {
    modal = desk.state(id)["modal"];
    if (modal.is_null()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(modal["caption"], "Frequent flyer");
  EXPECT_EQ(modal["lines"], json::array({"Choose a card"}));
  EXPECT_EQ(modal["cards"], json::array({"LH 992000111", "UA 12345"}));
  desk.client().Post("/api/mask/" + id + "/answer", R"({"words":["1"]})", "application/json");
  handler.join();
  EXPECT_EQ(result, std::vector<std::string>{"1"});
}

TEST(WebServer, ThePreviewFollowsABurstOfActionsAtMostOnceATick) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  const auto start = std::chrono::steady_clock::now();
  for (const char* digit : {"5", "5", "5", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
    ASSERT_EQ(desk.act(id, {{"do", "type"}, {"control", kFaxField}, {"text", digit}})->status, 200);
  }
  const auto burst = std::chrono::steady_clock::now() - start;
  std::this_thread::sleep_for(3 * WebDesk::kPreviewInterval);
  const json shown = desk.state(id);
  EXPECT_EQ(shown["preview"], json({{"command", "9 555123456789-F"}}));
  EXPECT_TRUE(shown["log"]["entries"].empty()) << "the preview's Send reaches no page";
  // The opening's preview, at most one a tick during the burst, and the last one after it.
  const auto ticks = burst / WebDesk::kPreviewInterval;
  EXPECT_LE(desk.previewsComputed(id), ticks + 3);

  EXPECT_EQ(desk.client().Post("/api/desk", R"({"preview":false})", "application/json")->status,
            200);
  desk.act(id, {{"do", "type"}, {"control", kFaxField}, {"text", "0"}});
  std::this_thread::sleep_for(2 * WebDesk::kPreviewInterval);
  EXPECT_TRUE(desk.state(id)["preview"].is_null());
}

TEST(WebServer, ClosingAnInstanceReleasesIt) {
  ServedDesk desk;
  const std::string waiting = desk.open("PNRCreationFax");
  const std::string plain = desk.open("PNRModificationFax");
  desk.act(waiting, {{"do", "type"}, {"control", kFaxField}, {"text", "*"}});
  ASSERT_EQ(desk.act(waiting, {{"do", "key"}, {"key", "Enter"}})->status, 202);
  EXPECT_EQ(desk.instances(), 2u);
  for (const std::string& id : {plain, waiting}) {
    EXPECT_EQ(desk.client().Post("/api/mask/" + id + "/close", "", "application/json")->status,
              200);
    EXPECT_EQ(desk.client().Get("/api/mask/" + id + "/state")->status, 404);
  }
  EXPECT_EQ(desk.instances(), 0u) << "a mask that waited on a box is released too";
}

// Every class the module serves opens in every language of the desk, its dialog drawn from
// that language's texts, and closes again. A page's ?lang= never changes the desk's language.
TEST(WebServer, EveryClassOpensInEveryLanguage) {
  ServedDesk desk;
  const json shown = json::parse(desk.client().Get("/api/desk")->body);
  ASSERT_EQ(shown["masks"].size(), typelib::classes().size()) << "the desk serves every class";
  const std::vector<std::string> languages = shown["languages"];
  ASSERT_GE(languages.size(), 2u);
  const std::string deskLanguage = shown["language"];
  ASSERT_EQ(desk.client().Get("/mask/PNRCreationFax?lang=" + languages.back())->status, 200);
  EXPECT_EQ(json::parse(desk.client().Get("/api/desk")->body)["language"], deskLanguage)
      << "a GET changes nothing of the desk";
  std::map<std::string, std::set<std::vector<std::string>>> drawn;
  for (const std::string& language : languages) {
    ASSERT_EQ(desk.client()
                  .Post("/api/desk", json{{"lang", language}}.dump(), "application/json")
                  ->status,
              200);
    for (const typelib::ClassDescription& c : typelib::classes()) {
      const std::string name(c.name);
      SCOPED_TRACE(name + " in " + language);
      auto page = desk.client().Get("/mask/" + name);
      ASSERT_TRUE(page);
      ASSERT_EQ(page->status, 200) << page->body;
      const std::string id = ServedDesk::instanceOf(page->body);
      const json state = desk.state(id);
      EXPECT_EQ(state["className"], name);
      ASSERT_FALSE(state["dialog"]["controls"].empty());
      std::vector<std::string> texts;
      for (const json& control : state["dialog"]["controls"]) texts.push_back(control["text"]);
      drawn[name].insert(texts);
      EXPECT_EQ(desk.client().Post("/api/mask/" + id + "/close", "", "application/json")->status,
                200);
    }
  }
  for (const auto& [name, texts] : drawn) {
    if (name != "CreateAddPax") {  // its dialog is the hosted control's, without texts
      EXPECT_EQ(texts.size(), languages.size()) << name << ": each language draws its own texts";
    }
  }
  EXPECT_EQ(desk.instances(), 1u) << "only the instance opened with ?lang= is left";
}

// The status line shows the mask window's text while there is one, as the desktop's does.
TEST(WebServer, TheStatusLineShowsOnlyWhileTheMaskHasAText) {
  ServedDesk desk;
  const std::string id = desk.open("PNRDeleteEmail");
  auto statusLine = [&desk, &id] {
    const json shown = desk.state(id);
    for (const json& control : shown["dialog"]["controls"]) {
      if (control["id"] == 501) return control;
    }
    return json();
  };
  ASSERT_TRUE(statusLine().is_object());
  EXPECT_EQ(statusLine()["visible"], false);
  desk.runAs(id, [](WebMask& mask) { mask.dialog().setText("Waiting for the host"); });
  EXPECT_EQ(statusLine()["visible"], true);
  EXPECT_EQ(statusLine()["text"], "Waiting for the host");
  desk.runAs(id, [](WebMask& mask) { mask.dialog().setNullText(); });
  EXPECT_EQ(statusLine()["visible"], false);
}

// A page that goes away without closing its mask (the connection lost, the browser ended)
// releases the instance once no socket has watched it for the grace period; an instance a
// socket watches lives on.
TEST(WebServer, AnInstanceNoPageWatchesIsReleasedAfterTheGracePeriod) {
  constexpr auto kGrace = std::chrono::milliseconds(300);
  ServedDesk desk(kGrace);
  const std::string unread = desk.open("PNRCreationFax");
  const std::string read = desk.open("PNRModificationFax");
  auto page =
      std::make_unique<test::DeskSocketClient>(desk.port(), ServedDesk::kToken, desk.origin());
  page->send(json{{"type", "watch"}, {"id", read}}.dump());
  const auto first = page->receive();
  ASSERT_TRUE(first);
  EXPECT_EQ(json::parse(*first)["type"], "state");
  auto waitFor = [](const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
  };
  EXPECT_TRUE(waitFor([&] { return desk.instances() == 1; }));
  EXPECT_EQ(desk.client().Get("/api/mask/" + unread + "/state")->status, 404);
  std::this_thread::sleep_for(2 * kGrace);
  EXPECT_EQ(desk.client().Get("/api/mask/" + read + "/state")->status, 200) << "still watched";

  page.reset();  // the page goes without a word
  EXPECT_TRUE(waitFor([&] { return desk.instances() == 0; }));
}

TEST(WebServer, MasksAreCreatedFromTheModuleTheRegistryNames) {
  ServedDesk desk;
  ASSERT_EQ(desk.module().registerServer()(), S_OK);
  EXPECT_EQ(desk.client().Get("/mask/PNRCreationFax")->status, 200) << "registered";

  const typelib::ClassDescription* fax = typelib::findClass("PNRCreationFax");
  updateRegistry([fax](RegistryTree& registry) {
    RegistryKey* server = registry.root().subkey("HKEY_CLASSES_ROOT")->subkey("CLSID");
    server = server->subkey(guidToString(fax->clsid))->subkey("InprocServer32");
    server->setValue("", {RegistryValue::Type::String, "/nowhere/libquillet.so"});
    return true;
  });
  auto moved = desk.client().Get("/mask/PNRCreationFax");
  EXPECT_EQ(moved->status, 500);
  EXPECT_NE(moved->body.find("cannot load the module /nowhere/libquillet.so"), std::string::npos)
      << moved->body;
  EXPECT_EQ(desk.client().Get("/mask/PNRModificationFax")->status, 200)
      << "the other classes still name the module";

  ASSERT_EQ(desk.module().unregisterServer()(), S_OK);
  EXPECT_EQ(desk.client().Get("/mask/PNRCreationFax")->status, 200)
      << "unregistered: the module beside the program";
}

}  // namespace
}  // namespace desk
