// The web desk's server as an attacker or a broken client meets it, through the real server
// on a loopback port: sign-in, the names and origins it answers to, the limits of a request,
// odd methods, paths and ids, the WebSocket's rules, and connections that hold on.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "tests/unit/web/ServedDesk.h"

namespace desk {
namespace {

using nlohmann::json;
using test::DeskClient;
using test::HttpAnswer;
using test::ServedDesk;

void expectSecurityHeaders(const HttpAnswer& answer, const std::string& what) {
  EXPECT_EQ(answer.header("X-Frame-Options"), "DENY") << what;
  EXPECT_EQ(answer.header("X-Content-Type-Options"), "nosniff") << what;
  EXPECT_EQ(answer.header("Referrer-Policy"), "no-referrer") << what;
  const std::string policy = answer.header("Content-Security-Policy");
  EXPECT_NE(policy.find("default-src 'none'"), std::string::npos) << what;
  EXPECT_NE(policy.find("script-src 'self'"), std::string::npos) << what;
  EXPECT_NE(policy.find("frame-ancestors 'none'"), std::string::npos) << what;
}

std::string statusOf(const std::string& rawAnswer) {
  // "HTTP/1.1 NNN ..."
  return rawAnswer.size() >= 12 ? rawAnswer.substr(9, 3) : "(none)";
}

TEST(HostileHttp, EveryRequestIsScreenedAndAnsweredClearly) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  const std::string act = "/api/mask/" + id + "/act";
  const std::string typing = R"({"do":"type","control":304,"text":"5"})";
  const std::string own = desk.origin();
  const std::string cookie =
      "quillet-desk-" + std::to_string(desk.port()) + "=" + ServedDesk::kToken;
  struct Case {
    const char* what;
    std::string token;  // the Bearer token sent, empty for none
    std::string method;
    std::string target;
    std::string body;
    test::Headers headers;
    int status;
    const char* says = "";
  };
  const std::string T = ServedDesk::kToken;
  const Case cases[] = {
      // Sign-in.
      {"no sign-in, the desk page", "", "GET", "/", "", {}, 401, "?token="},
      {"no sign-in, the API", "", "GET", "/api/desk", "", {}, 401, "\"error\""},
      {"no sign-in, a change",
       "",
       "POST",
       act,
       typing,
       {{"Content-Type", "application/json"}},
       401},
      {"a wrong bearer token", "wrong-token-0123456789", "GET", "/api/desk", "", {}, 401},
      {"a token one character short", T.substr(0, T.size() - 1), "GET", "/api/desk", "", {}, 401},
      {"the desk's cookie", "", "GET", "/api/desk", "", {{"Cookie", "a=b; " + cookie}}, 200},
      {"a cookie of another port",
       "",
       "GET",
       "/api/desk",
       "",
       {{"Cookie", "quillet-desk-1=" + T}},
       401},
      {"a wrong token in the address", "", "GET", "/?token=nottheone", "", {}, 401},
      // Names and origins.
      {"a foreign Host", T, "GET", "/api/desk", "", {{"Host", "attacker.example"}}, 421},
      {"a foreign Host on the desk's port",
       T,
       "GET",
       "/api/desk",
       "",
       {{"Host", "attacker.example:" + std::to_string(desk.port())}},
       421},
      {"localhost on another port", T, "GET", "/api/desk", "", {{"Host", "localhost:1"}}, 421},
      {"localhost", T, "GET", "/api/desk", "", {{"Host", "localhost"}}, 200},
      {"a change from another site",
       T,
       "POST",
       act,
       typing,
       {{"Content-Type", "application/json"}, {"Origin", "http://attacker.example"}},
       403},
      {"a change from the desk's own page",
       T,
       "POST",
       act,
       typing,
       {{"Content-Type", "application/json"}, {"Origin", own}},
       200},
      {"a change from a null origin",
       T,
       "POST",
       act,
       typing,
       {{"Content-Type", "application/json"}, {"Origin", "null"}},
       403},
      // Encodings and types.
      {"a gzip body",
       T,
       "POST",
       act,
       std::string(100, 'x'),
       {{"Content-Type", "application/json"}, {"Content-Encoding", "gzip"}},
       415},
      {"even identity",
       T,
       "POST",
       act,
       typing,
       {{"Content-Type", "application/json"}, {"Content-Encoding", "identity"}},
       415},
      {"a form", T, "POST", act, typing, {{"Content-Type", "text/plain"}}, 415},
      {"JSONP", T, "POST", act, typing, {{"Content-Type", "application/jsonp"}}, 415},
      {"no type", T, "POST", act, typing, {}, 415},
      {"JSON with a charset",
       T,
       "POST",
       act,
       typing,
       {{"Content-Type", "Application/JSON ; charset=utf-8"}},
       200},
      {"a body past the limit",
       T,
       "POST",
       act,
       std::string(64 * 1024 + 1, ' '),
       {{"Content-Type", "application/json"}},
       413},
      // Methods, paths, ids.
      {"PUT", T, "PUT", act, typing, {{"Content-Type", "application/json"}}, 405},
      {"DELETE", T, "DELETE", "/api/desk", "", {}, 405},
      {"OPTIONS", T, "OPTIONS", "/", "", {}, 405},
      {"TRACE", T, "TRACE", "/", "", {}, 405},
      {"a made-up method", T, "BREW", "/", "", {}, 405},
      {"GET of a change", T, "GET", act, "", {}, 405},
      {"POST of a page", T, "POST", "/", "{}", {{"Content-Type", "application/json"}}, 405},
      {"HEAD of a mask page opens nothing", T, "HEAD", "/mask/PNRCreationFax", "", {}, 405},
      {"HEAD of the desk page", T, "HEAD", "/", "", {}, 200},
      {"traversal", T, "GET", "/assets/../VLwhiteboard.ini", "", {}, 404},
      {"escaped traversal", T, "GET", "/assets/%2e%2e%2fVLwhiteboard.ini", "", {}, 404},
      {"a path of the file system", T, "GET", "//etc/passwd", "", {}, 404},
      {"a NUL in the class", T, "GET", "/mask/PNRCreationFax%00", "", {}, 404},
      {"an upper-case id", T, "GET", "/api/mask/ABCDEF/state", "", {}, 404},
      {"an id of no hex", T, "GET", "/api/mask/zz/state", "", {}, 404},
      {"an id too long", T, "GET", "/api/mask/" + std::string(200, 'a') + "/state", "", {}, 404},
      {"closing an unknown instance",
       T,
       "POST",
       "/api/mask/0123456789abcdef/close",
       "",
       {{"Content-Type", "application/json"}},
       404},
      {"a verb of no request",
       T,
       "POST",
       "/api/mask/" + id + "/paint",
       "{}",
       {{"Content-Type", "application/json"}},
       404},
      {"the socket's address without an upgrade", T, "GET", "/api/ws", "", {}, 400},
  };
  for (const Case& test : cases) {
    DeskClient client(desk.port(), test.token);
    const auto answer = client.request(test.method, test.target, test.body, test.headers);
    ASSERT_TRUE(answer) << test.what;
    EXPECT_EQ(answer->status, test.status) << test.what << ": " << answer->body;
    EXPECT_NE(answer->body.find(test.says), std::string::npos) << test.what << ": " << answer->body;
    expectSecurityHeaders(*answer, test.what);
  }
  EXPECT_EQ(desk.text(id, 304), "55") << "only the two changes that passed typed";
  EXPECT_EQ(desk.instances(), 1u);
}

TEST(HostileHttp, VisitingTheSignInAddressSetsTheCookieAndLeadsOn) {
  ServedDesk desk;
  DeskClient visitor(desk.port(), "");
  const auto led =
      visitor.Get(std::string("/mask/PNRCreationFax?lang=KEY&token=") + ServedDesk::kToken);
  ASSERT_TRUE(led);
  EXPECT_EQ(led->status, 303);
  EXPECT_EQ(led->header("Location"), "/mask/PNRCreationFax?lang=KEY");
  const std::string cookie = led->header("Set-Cookie");
  for (const char* part : {"HttpOnly", "SameSite=Strict", "Path=/"}) {
    EXPECT_NE(cookie.find(part), std::string::npos) << cookie;
  }
  EXPECT_EQ(desk.instances(), 0u) << "the visit only signs in";
  const std::string value = cookie.substr(0, cookie.find(';'));
  EXPECT_EQ(visitor.Get("/mask/PNRCreationFax", {{"Cookie", value}})->status, 200);
}

TEST(HostileHttp, RequestsPastTheLimitsAreRefusedBeforeTheyAreRead) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  const std::string host = "Host: 127.0.0.1:" + std::to_string(desk.port()) + "\r\n";
  const std::string signedIn = std::string("Authorization: Bearer ") + ServedDesk::kToken + "\r\n";
  const std::string post = "POST /api/mask/" + id + "/act HTTP/1.1\r\n" + host + signedIn +
                           "Content-Type: application/json\r\n";
  std::string manyLines;
  for (int line = 0; line < 20000; ++line)
    manyLines += "X-Line-" + std::to_string(line) + ": 1\r\n";
  std::string chunked = post + "Transfer-Encoding: chunked\r\n\r\n";
  for (int chunk = 0; chunk < 40; ++chunk) chunked += "1000\r\n" + std::string(4096, ' ') + "\r\n";
  struct Case {
    const char* what;
    std::string bytes;
    const char* status;
  };
  const Case cases[] = {
      {"20,000 header lines", "GET / HTTP/1.1\r\n" + host + manyLines + "\r\n", "431"},
      {"one header of 17 KiB",
       "GET / HTTP/1.1\r\n" + host + "X-Big: " + std::string(17 * 1024, 'a') + "\r\n\r\n", "431"},
      {"a chunked body past the limit", chunked, "413"},
      {"a gzip bomb's head",
       post + "Content-Encoding: gzip\r\nContent-Length: 60000\r\n\r\n" + std::string(60000, 'z'),
       "415"},
      {"a Content-Length past the limit", post + "Content-Length: 10000000\r\n\r\n{", "413"},
      {"gzip as a transfer coding",
       post + "Transfer-Encoding: gzip, chunked\r\n\r\n5\r\nabcde\r\n0\r\n\r\n", "415"},
      {"no Host", "GET / HTTP/1.1\r\n" + signedIn + "\r\n", "400"},
      {"not HTTP", "\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", "400"},
  };
  for (const Case& test : cases) {
    const auto exchange = test::rawExchange(desk.port(), test.bytes);
    EXPECT_EQ(statusOf(exchange.answer), test.status) << test.what;
    EXPECT_TRUE(exchange.closedByDesk) << test.what << ": the desk closes the connection";
  }
  EXPECT_EQ(desk.text(id, 304), "");
  EXPECT_EQ(desk.client().Get("/api/desk")->status, 200) << "the desk serves on";
}

TEST(HostileHttp, HeadersThatTrickleInAreCutOff) {
  ServedDesk desk;
  const auto start = std::chrono::steady_clock::now();
  test::IdleConnection slow(desk.port(), "GET / HTTP/1.1\r\n");
  bool closed = false;
  for (int second = 0; second < 14 && !closed; ++second) {
    slow.write("X-Slow-" + std::to_string(second) + ": 1\r\n");
    closed = slow.closedByDesk(std::chrono::seconds(1));
  }
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(closed) << "a request's headers come within 10 s";
  EXPECT_LT(took, std::chrono::seconds(13));
  EXPECT_GE(took, std::chrono::seconds(9));
  EXPECT_EQ(desk.client().Get("/api/desk")->status, 200);
}

TEST(HostileHttp, ConnectionsPastTheLimitGetAClearBusyAnswer) {
  ServedDesk desk;
  std::vector<std::unique_ptr<test::IdleConnection>> held;
  for (int count = 0; count < 64; ++count) {
    held.push_back(std::make_unique<test::IdleConnection>(desk.port(), "GET / HTTP/1.1\r\n"));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto refused = test::rawExchange(desk.port(), "GET / HTTP/1.1\r\n\r\n");
  EXPECT_EQ(statusOf(refused.answer), "503") << "a 65th connection of the same address";
  EXPECT_NE(refused.answer.find("too many connections"), std::string::npos);
  // Another address is still served, and so is this one once a place is free.
  test::IdleConnection other(
      desk.port(),
      "GET /api/desk HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(desk.port()) +
          "\r\nAuthorization: Bearer " + ServedDesk::kToken + "\r\nConnection: close\r\n\r\n",
      "127.0.0.2");
  EXPECT_TRUE(other.closedByDesk(std::chrono::seconds(5)));
  EXPECT_EQ(statusOf(other.received()), "200");
  held.pop_back();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(desk.client().Get("/api/desk")->status, 200);
}

// The page's socket: the Origin rule of its handshake, the bounds of its messages, and what
// it carries.
TEST(HostileHttp, TheSocketTakesOnlyTheDesksOwnPages) {
  ServedDesk desk;
  const std::string host = "127.0.0.1:" + std::to_string(desk.port());
  const std::string bearer = std::string("Bearer ") + ServedDesk::kToken;
  struct Case {
    const char* what;
    test::Headers headers;
    int status;  // 0: taken
  };
  const Case cases[] = {
      {"no Origin", {{"Authorization", bearer}}, 403},
      {"another site", {{"Authorization", bearer}, {"Origin", "http://attacker.example"}}, 403},
      {"not signed in", {{"Origin", desk.origin()}}, 401},
      {"a foreign Host",
       {{"Authorization", bearer}, {"Origin", desk.origin()}, {"Host", "a.b"}},
       421},
      {"the desk's own page", {{"Authorization", bearer}, {"Origin", desk.origin()}}, 0},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(test::socketHandshakeStatus(desk.port(), test.headers), test.status) << test.what;
  }
}

TEST(HostileHttp, TheSocketRefusesBadMessagesAndGoesOn) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  test::DeskSocketClient page(desk.port(), ServedDesk::kToken, desk.origin());
  struct Case {
    const char* what;
    std::string message;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {"not JSON", "{type", 400, "not a JSON object"},
      {"no type", R"({"id":"ab"})", 400, "\"type\" is missing"},
      {"an unknown type", json{{"type", "paint"}, {"id", id}}.dump(), 400, "unknown message"},
      {"an id of no hex", R"({"type":"watch","id":"../x"})", 404, "no open mask"},
      {"an act without seq",
       json{{"type", "act"}, {"id", id}, {"action", {{"do", "click"}}}}.dump(), 400,
       "\"seq\" is missing"},
      {"an act of an unknown instance",
       R"({"type":"act","id":"0123456789abcdef","seq":7,"action":{"do":"click","control":223}})",
       404, "no open mask"},
      {"an action that is wrong",
       json{{"type", "act"}, {"id", id}, {"seq", 8}, {"action", 5}}.dump(), 400,
       "not a JSON object"},
  };
  for (const Case& test : cases) {
    page.send(test.message);
    const auto answer = page.receive();
    ASSERT_TRUE(answer) << test.what;
    const json reply = json::parse(*answer);
    EXPECT_EQ(reply["status"], test.status) << test.what << ": " << *answer;
    EXPECT_NE(reply["error"].get<std::string>().find(test.says), std::string::npos)
        << test.what << ": " << *answer;
  }
  page.send(std::string(64 * 1024 + 1, ' '));
  EXPECT_FALSE(page.receive(std::chrono::seconds(5))) << "a message past 64 KiB ends the socket";
  EXPECT_TRUE(page.closed());
  EXPECT_EQ(desk.text(id, 304), "");
}

TEST(HostileHttp, OneSocketCarriesSeveralMasks) {
  ServedDesk desk;
  const std::string first = desk.open("PNRCreationFax");
  const std::string second = desk.open("PNRCreationFax");
  test::DeskSocketClient page(desk.port(), ServedDesk::kToken, desk.origin());
  std::map<std::string, json> states;
  std::map<long long, json> outcomes;
  const auto readUntil = [&](const std::function<bool()>& done) {
    while (!done()) {
      const auto message = page.receive();
      if (!message) return false;
      const json parsed = json::parse(*message);
      if (parsed["type"] == "state") states[parsed["id"]] = parsed["state"];
      if (parsed["type"] == "outcome") outcomes[parsed["seq"]] = parsed;
    }
    return true;
  };
  const auto fieldOf = [](const json& state) {
    for (const json& control : state["dialog"]["controls"]) {
      if (control["id"] == 304) return control["text"].get<std::string>();
    }
    return std::string("(none)");
  };
  for (const std::string& id : {first, second})
    page.send(json{{"type", "watch"}, {"id", id}}.dump());
  ASSERT_TRUE(readUntil([&] { return states.size() == 2; }));
  long long seq = 1;
  for (const char* text : {"1", "2", "3"}) {
    for (const std::string& id : {first, second}) {
      page.send(
          json{{"type", "act"},
               {"id", id},
               {"seq", seq++},
               {"action", {{"do", "type"}, {"control", 304}, {"text", id == first ? text : "9"}}}}
              .dump());
    }
  }
  ASSERT_TRUE(readUntil([&] {
    return outcomes.size() == 6 && fieldOf(states[first]) == "123" &&
           fieldOf(states[second]) == "999";
  }));
  for (const auto& [number, outcome] : outcomes) EXPECT_EQ(outcome["status"], 200) << number;

  page.send(json{{"type", "close"}, {"id", first}, {"seq", 100}}.dump());
  ASSERT_TRUE(readUntil([&] { return outcomes.contains(100); }));
  EXPECT_EQ(outcomes[100]["status"], 200);
  EXPECT_EQ(desk.client().Get("/api/mask/" + first + "/state")->status, 404)
      << "an explicit close releases at once";
  EXPECT_EQ(desk.instances(), 1u);
}

// Slow and idle connections of other clients do not keep the desk from a normal one.
TEST(HostileHttp, SlowAndIdleClientsStarveNoOne) {
  ServedDesk desk;
  const std::string id = desk.open("PNRCreationFax");
  std::vector<std::unique_ptr<test::IdleConnection>> slow;
  std::vector<std::unique_ptr<test::DeskSocketClient>> idle;
  for (int count = 0; count < 64; ++count) {
    slow.push_back(std::make_unique<test::IdleConnection>(desk.port(),
                                                          "GET / HTTP/1.1\r\nX-a: ", "127.0.0.2"));
    idle.push_back(std::make_unique<test::DeskSocketClient>(desk.port(), ServedDesk::kToken,
                                                            desk.origin(), "127.0.0.3"));
  }
  for (int count = 0; count < 20; ++count) {
    const auto answer = desk.act(id, {{"do", "type"}, {"control", 304}, {"text", "5"}});
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);
  }
  EXPECT_EQ(desk.text(id, 304), std::string(20, '5'));
}

}  // namespace
}  // namespace desk
