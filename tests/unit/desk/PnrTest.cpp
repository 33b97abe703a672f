// The open PNR as the masks read it: the request for its passengers goes to the container,
// and a retrieval copies passengers, e-mail elements and the group name, each text cut to
// what a caller buffer of 1024 bytes holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desk/state/DeskObserver.h"
#include "desk/state/OpenPnr.h"
#include "framework/services/CPnr.h"

namespace {

class RequestObserver : public desk::DeskObserver {
 public:
  RequestObserver() { desk::setObserver(this); }
  ~RequestObserver() override { desk::setObserver(nullptr); }
  void onLog(std::string_view, std::string_view, std::string_view) override {}
  void onRequest(std::string_view name) override { requests.emplace_back(name); }
  std::vector<std::string> requests;
};

class PnrTest : public testing::Test {
 protected:
  void TearDown() override { desk::openPnr() = {}; }
};

TEST_F(PnrTest, AskingForThePassengersIsARequestToTheContainer) {
  RequestObserver observer;
  CPnr pnr;
  pnr.askForPAX();
  EXPECT_EQ(observer.requests, std::vector<std::string>{"askForPAX"});
}

TEST_F(PnrTest, RetrievalCopiesTheOpenPnrInOrder) {
  desk::openPnr() = {
      "SKI CLUB",
      {{"1.1", "SMITH", "JOHN MR", false}, {"2.1", "LEE", "ANN", true, "ANN@LEE.TEST"}},
      {{"A@B.COM", "1.1", "SMITH/JOHN", "WORK"}}};
  CPNRMaster master;
  CPnr().retrievePAX(master);
  ASSERT_EQ(master.passengers().size(), 2u);
  EXPECT_EQ(master.passengers()[1].getNameNo(), "2.1");
  EXPECT_EQ(master.passengers()[1].getsurname(), "LEE");
  EXPECT_EQ(master.passengers()[1].getInfant(), "Y");
  EXPECT_EQ(master.passengers()[0].getInfant(), "N");
  EXPECT_EQ(master.passengers()[1].getEmail(), "ANN@LEE.TEST");
  EXPECT_EQ(master.passengers()[0].getEmail(), "");
  ASSERT_EQ(master.emails().size(), 1u);
  EXPECT_EQ(master.emails()[0].getRemark(), "WORK");
  EXPECT_EQ(master.header().getGITName(), "SKI CLUB");

  desk::openPnr() = {};
  CPnr().retrievePAX(master);
  EXPECT_TRUE(master.passengers().empty());
  EXPECT_EQ(master.header().getGITName(), "");
}

TEST_F(PnrTest, LongTextsAreCutToTheCallerBuffer) {
  desk::openPnr().passengers.push_back({"1.1", std::string(5000, 'S'), "", false});
  CPNRMaster master;
  CPnr().retrievePAX(master);
  EXPECT_EQ(master.passengers()[0].getsurname().size(), 1023u);
}

}  // namespace
