// Who may use the desk, decided from a request's head alone: the names the desk answers to
// wherever it listens, the sign-in, and the parts of an address the sign-in leads on to.

#include <gtest/gtest.h>

#include "desk/web/DeskAccess.h"
#include "desk/web/WebAddress.h"

namespace desk {
namespace {

constexpr const char* kToken = "0123456789abcdef0123";

TEST(DeskAccess, AnswersOnlyToItsOwnNames) {
  struct Case {
    const char* bound;
    std::vector<std::string> allowed;
    const char* host;
    bool own;
  };
  const Case cases[] = {
      {"127.0.0.1", {}, "127.0.0.1:8080", true},
      {"127.0.0.1", {}, "LOCALHOST:8080", true},
      {"127.0.0.1", {}, "[::1]:8080", true},
      {"127.0.0.1", {}, "localhost", true},
      {"127.0.0.1", {}, "localhost:8081", false},
      {"127.0.0.1", {}, "rebound.example:8080", false},
      {"127.0.0.1", {}, "127.0.0.1:80x", false},
      {"127.0.0.1", {}, "", false},
      {"::1", {}, "[::1]:8080", true},
      {"0.0.0.0", {}, "0.0.0.0:8080", true},
      {"0.0.0.0", {}, "desk.example:8080", false},
      {"0.0.0.0", {}, "localhost:8080", false},
      {"0.0.0.0", {"desk.example", "Other.Example"}, "desk.example", true},
      {"0.0.0.0", {"desk.example", "Other.Example"}, "other.example:443", true},
      {"0.0.0.0", {"desk.example"}, "desk.example.attacker.example", false},
      {"0.0.0.0", {"desk.example"}, "desk.example:", false},
      {"192.0.2.7", {}, "192.0.2.7:8080", true},
      {"2001:db8::1", {}, "[2001:db8::1]:8080", true},
      {"2001:db8::1", {}, "2001:db8::1", false},
  };
  for (const Case& test : cases) {
    const DeskAccess access(kToken, test.bound, 8080, test.allowed);
    EXPECT_EQ(access.isOwnHost(test.host), test.own) << test.bound << " asked as " << test.host;
  }
}

TEST(DeskAccess, SignsInByTheTokenOnly) {
  const DeskAccess access(kToken, "127.0.0.1", 8080);
  EXPECT_TRUE(access.signedIn("", std::string("Bearer ") + kToken));
  EXPECT_TRUE(access.signedIn("", std::string("bearer  ") + kToken));
  EXPECT_FALSE(access.signedIn("", std::string("Basic ") + kToken));
  EXPECT_FALSE(access.signedIn("", "Bearer 0123456789abcdef012"));
  EXPECT_FALSE(access.signedIn("", "Bearer 0123456789abcdef01234"));
  EXPECT_TRUE(access.signedIn(std::string("x=1; quillet-desk-8080=") + kToken, ""));
  EXPECT_FALSE(access.signedIn(std::string("quillet-desk-8081=") + kToken, ""));
  EXPECT_FALSE(access.signedIn("quillet-desk-8080=", ""));
  EXPECT_EQ(access.signInAddress(), std::string("http://127.0.0.1:8080/?token=") + kToken);
  EXPECT_EQ(DeskAccess(kToken, "::1", 8080).signInAddress(),
            std::string("http://[::1]:8080/?token=") + kToken);
  for (const char* unfit : {"", "short", "has space in it!!", "sixteen-chars-but/"}) {
    EXPECT_FALSE(DeskAccess::fitToken(unfit)) << unfit;
  }
  EXPECT_TRUE(DeskAccess::fitToken("A-fixed_token.of~20"));
}

TEST(WebAddress, ReadsEscapesAndLeadsOnWithoutTheToken) {
  EXPECT_EQ(percentDecoded("%3Cb%3E+x"), "<b>+x");
  EXPECT_EQ(percentDecoded("a+b", true), "a b");
  for (const char* malformed : {"%", "%4", "%zz", "a%00b"}) {
    EXPECT_EQ(percentDecoded(malformed), std::nullopt) << malformed;
  }
  EXPECT_EQ(queryValue("lang=KEY&token=a%2Bb", "token"), "a+b");
  EXPECT_EQ(queryValue("tokens=1", "token"), std::nullopt);
  EXPECT_EQ(withoutQueryParameter("/mask/X?lang=KEY&token=T&token=U", "token"), "/mask/X?lang=KEY");
  EXPECT_EQ(withoutQueryParameter("/?token=T", "token"), "/");
  EXPECT_EQ(withoutQueryParameter("/a?%74oken=T&b", "token"), "/a?b");
}

}  // namespace
}  // namespace desk
