#include "web/web_get.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <future>
#include <string>

#include "loopback_server.h"

namespace orva {
namespace {

using test::CannedReply;
using test::LoopbackServer;
using test::RefusingPort;
using namespace std::chrono_literals;

class WebGetTest : public ::testing::Test {
 protected:
  // A proxy from the environment must not sit between the tests and 127.0.0.1.
  void SetUp() override { setenv("no_proxy", "127.0.0.1", 1); }

  WebRequest RequestTo(const std::string& url) const {
    WebRequest request;
    request.base = url;
    request.timeoutSeconds = 5;
    return request;
  }
};

TEST_F(WebGetTest, EscapesEveryValueByteButLettersAndDigitsAndSendsKeysAsTheyAre) {
  LoopbackServer server({{"/q", {200, "done"}}});
  WebRequest request = RequestTo(server.url("/q"));
  request.pairs = {{"k.y", "a b&c.d"}, {"e_2", "-_~\xC3\xA9/=?%Z9"}};
  std::string reply;
  EXPECT_EQ(WebGet(request, reply), 1);
  EXPECT_EQ(reply, "done");
  ASSERT_EQ(server.requestLines().size(), 1u);
  EXPECT_EQ(server.requestLines()[0],
            "GET /q?k.y=a%20b%26c%2Ed&e_2=%2D%5F%7E%C3%A9%2F%3D%3F%25Z9 HTTP/1.1");
}

TEST_F(WebGetTest, WithoutPairsTheBaseIsSentAloneAndEmptyValuesKeepTheirKey) {
  LoopbackServer server({{"/q", {200, "x"}}});
  std::string reply;
  EXPECT_EQ(WebGet(RequestTo(server.url("/q")), reply), 1);
  WebRequest withEmpty = RequestTo(server.url("/q"));
  withEmpty.pairs = {{"a", ""}, {"b", ""}};
  EXPECT_EQ(WebGet(withEmpty, reply), 1);
  ASSERT_EQ(server.requestLines().size(), 2u);
  EXPECT_EQ(server.requestLines()[0], "GET /q HTTP/1.1");
  EXPECT_EQ(server.requestLines()[1], "GET /q?a=&b= HTTP/1.1");
}

TEST_F(WebGetTest, AnAddressLongerThanTheLimitIsNotSentAtAll) {
  LoopbackServer server({{"/q", {200, "sent"}}});
  const std::string base = server.url("/q");
  const std::size_t fitting = kMaxAddressLength - base.size() - std::string("?k=").size();
  WebRequest request = RequestTo(base);

  request.pairs = {{"k", std::string(fitting + 1, 'v')}};
  std::string reply = "untouched";
  EXPECT_EQ(WebGet(request, reply), 0);
  EXPECT_EQ(reply, "untouched");
  EXPECT_EQ(server.connectionCount(), 0);

  request.pairs = {{"k", std::string(fitting, 'v')}};
  EXPECT_EQ(WebGet(request, reply), 1);
  EXPECT_EQ(reply, "sent");
}

TEST_F(WebGetTest, KeepsOnlyTheFirstReplySizeMinusOneBytesOfAHugeBinaryReply) {
  std::string body("ok\0\xFF", 4);
  for (int i = 0; body.size() < 200000; ++i) body += static_cast<char>(i * 7);
  LoopbackServer server({{"/big", {200, body}}});
  WebRequest request = RequestTo(server.url("/big"));
  request.replySize = 1024;
  std::string reply;
  EXPECT_EQ(WebGet(request, reply), 1);
  EXPECT_EQ(reply, body.substr(0, 1023));
}

TEST_F(WebGetTest, AnyHttpStatusCountsAsACompletedTransfer) {
  LoopbackServer server({{"/missing", {404, "not here"}}, {"/broken", {500, ""}}});
  std::string reply;
  EXPECT_EQ(WebGet(RequestTo(server.url("/missing")), reply), 1);
  EXPECT_EQ(reply, "not here");
  EXPECT_EQ(WebGet(RequestTo(server.url("/broken")), reply), 1);
  EXPECT_EQ(reply, "");
}

TEST_F(WebGetTest, FailedTransfersReturnZeroAndLeaveTheReplyUntouched) {
  LoopbackServer silent;  // accepts and never answers
  RefusingPort refusing;
  WebRequest timingOut = RequestTo(silent.url("/v"));
  timingOut.timeoutSeconds = 1;
  std::string reply = "untouched";
  EXPECT_EQ(WebGet(timingOut, reply), 0);
  EXPECT_EQ(WebGet(RequestTo(refusing.url("/v")), reply), 0);
  EXPECT_EQ(WebGet(RequestTo(""), reply), 0);
  EXPECT_EQ(reply, "untouched");
  EXPECT_EQ(silent.connectionCount(), 1);
}

TEST_F(WebGetTest, CancelAbortsAHangingRequestLongBeforeItsTimeOut) {
  LoopbackServer silent;
  std::atomic<bool> cancel{false};
  WebRequest request = RequestTo(silent.url("/v"));
  request.timeoutSeconds = 120;
  request.cancel = &cancel;
  auto result = std::async(std::launch::async, [&] {
    std::string reply = "untouched";
    return WebGet(request, reply) == 0 && reply == "untouched";
  });
  ASSERT_TRUE(silent.waitForConnections(1, 10s));
  cancel.store(true);
  ASSERT_EQ(result.wait_for(20s), std::future_status::ready);
  EXPECT_TRUE(result.get());
}

}  // namespace
}  // namespace orva
