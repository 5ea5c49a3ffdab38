#include "web/web_check.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "app/data_files.h"
#include "loopback_server.h"
#include "scratch_folder.h"
#include "web/web_check_worker.h"

namespace orva {
namespace {

using test::CannedReply;
using test::LoopbackServer;
using test::RefusingPort;
using test::ScratchFolder;
using namespace std::chrono_literals;

constexpr char kVersionPath[] = "/version/checkversion.php";
constexpr char kStatsPath[] = "/vur/stat.php";
constexpr char kVersionQueryLine[] = "GET /version/checkversion.php?soft=20 HTTP/1.1";
// 16 ignored characters, a separator, then the version.
const std::string kReplyHead = "0123456789abcdef|";

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value != nullptr) setenv(name, value, 1); else unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (old_) setenv(name_, old_->c_str(), 1); else unsetenv(name_);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class WebCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("no_proxy", "127.0.0.1", 1); }

  WebCheckInput InputFor(const LoopbackServer& server) const {
    WebCheckInput input;
    input.versionPath = data.file("version");
    input.installMarkerPath = data.file("install");
    input.installTime = "1765283000";
    input.config = {server.url(kVersionPath), server.url(kStatsPath)};
    input.timeoutSeconds = 5;
    return input;
  }

  void Run(const WebCheckInput& input) const {
    std::atomic<bool> cancel{false};
    RunWebCheck(input, cancel);
  }

  std::optional<std::string> VersionFile() const { return ReadWholeFile(data.file("version").c_str()); }
  bool MarkerExists() const { return std::filesystem::exists(data.file("install")); }

  ScratchFolder data;
};

TEST_F(WebCheckTest, FirstRunAsksForTheVersionThenReportsTheInstall) {
  LoopbackServer server({{kVersionPath, {200, kReplyHead + "1.7.30"}}, {kStatsPath, {200, "ok"}}});
  WebCheckInput input = InputFor(server);
  input.referralLink = "http://shop.invalid/get?src=mail&affiliate=zz9&lang=de";
  Run(input);
  const std::vector<std::string> expected = {
      kVersionQueryLine,
      "GET /vur/stat.php?soft=Orva%20Video%20Converter&time=1765283000&affiliate=affiliate%3Dzz9 HTTP/1.1"};
  EXPECT_EQ(server.requestLines(), expected);
  EXPECT_EQ(VersionFile(), "1.7.30");
  EXPECT_TRUE(MarkerExists());
  EXPECT_EQ(ReadWholeFile(data.file("install").c_str()), std::nullopt);  // empty
}

TEST_F(WebCheckTest, ReportSendsEmptyTimesEscapedValuesAndATrailingAffiliatePart) {
  LoopbackServer server({{kVersionPath, {200, ""}}, {kStatsPath, {200, "no"}}});
  WebCheckInput input = InputFor(server);
  input.installTime = "";
  Run(input);
  input.installTime = "17 65&28.3";
  input.referralLink = "http://shop.invalid/get?src=mail&affiliate=shop_7.a";
  Run(input);
  const std::vector<std::string> lines = server.requestLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "GET /vur/stat.php?soft=Orva%20Video%20Converter&time=&affiliate= HTTP/1.1");
  EXPECT_EQ(lines[3],
            "GET /vur/stat.php?soft=Orva%20Video%20Converter&time=17%2065%2628%2E3"
            "&affiliate=affiliate%3Dshop%5F7%2Ea HTTP/1.1");
}

TEST_F(WebCheckTest, OnlyAVersionReplyOf18To30CharactersIsStored) {
  struct Case {
    std::string reply;
    std::optional<std::string> stored;
  };
  const Case cases[] = {
      {kReplyHead + "7", "7"},                                      // 18 characters
      {kReplyHead + "1.7.30.4567890", "1.7.30.4567890"},            // 31: ignored, earlier file kept
      {kReplyHead + "1.7.30.456789", "1.7.30.456789"},              // 30
      {kReplyHead, "1.7.30.456789"},                                // 17: ignored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reply);
    LoopbackServer server({{kVersionPath, {200, c.reply}}, {kStatsPath, {200, "ok"}}});
    if (c.reply.size() == 31) WriteTextFile(data.file("version").c_str(), c.stored.value());
    Run(InputFor(server));
    EXPECT_EQ(VersionFile(), c.stored);
  }
}

TEST_F(WebCheckTest, OnlyExactlyOkCreatesTheInstallMarker) {
  const std::string replies[] = {"OK", "ok\n", " ok", std::string("ok\0", 3), "okay", ""};
  for (const std::string& reply : replies) {
    SCOPED_TRACE(testing::PrintToString(reply));
    LoopbackServer server({{kVersionPath, {200, ""}}, {kStatsPath, {200, reply}}});
    Run(InputFor(server));
    EXPECT_FALSE(MarkerExists());
    EXPECT_EQ(server.connectionCount(), 2);
  }
  LoopbackServer server({{kVersionPath, {200, ""}}, {kStatsPath, {404, "ok"}}});
  Run(InputFor(server));
  EXPECT_TRUE(MarkerExists());
}

TEST_F(WebCheckTest, AnExistingInstallMarkerStopsTheReport) {
  data.touch("install");
  LoopbackServer server({{kVersionPath, {200, kReplyHead + "1.7.29"}}, {kStatsPath, {200, "ok"}}});
  Run(InputFor(server));
  EXPECT_EQ(server.requestLines(), std::vector<std::string>{kVersionQueryLine});
  EXPECT_EQ(VersionFile(), "1.7.29");
}

TEST_F(WebCheckTest, UnansweredAndRefusedRequestsLeaveEveryFileAsItWas) {
  WriteTextFile(data.file("version").c_str(), "1.7.30");
  LoopbackServer silent;  // knows no path: holds both requests unanswered
  WebCheckInput input = InputFor(silent);
  input.timeoutSeconds = 1;
  Run(input);
  EXPECT_EQ(silent.connectionCount(), 2);
  RefusingPort refusing;
  input.config = {refusing.url(kVersionPath), refusing.url(kStatsPath)};
  Run(input);
  EXPECT_EQ(VersionFile(), "1.7.30");
  EXPECT_FALSE(MarkerExists());
}

TEST_F(WebCheckTest, TheDefaultConfigurationMakesNoConnectionAtAll) {
  ScopedEnvironment version("ORVA_VERSION_URL", nullptr);
  ScopedEnvironment stats("ORVA_STATS_URL", nullptr);
  if (!CompiledWebConfig().versionUrl.empty() || !CompiledWebConfig().statsUrl.empty()) {
    GTEST_SKIP() << "built with endpoints";
  }
  WebCheckInput input;
  input.versionPath = data.file("version");
  input.installMarkerPath = data.file("install");
  input.config = ResolveWebConfig(CompiledWebConfig());
  EXPECT_EQ(input.config.versionUrl, "");
  EXPECT_EQ(input.config.statsUrl, "");
  Run(input);
  EXPECT_EQ(data.fileCount(), 0);
}

TEST_F(WebCheckTest, EnvironmentVariablesReplaceCompiledAddressesAndEmptyOnesSwitchThemOff) {
  LoopbackServer server({{kVersionPath, {200, kReplyHead + "1.7.30"}}, {kStatsPath, {200, "ok"}}});
  const WebConfig compiled = {server.url(kVersionPath), server.url(kStatsPath)};
  {
    ScopedEnvironment version("ORVA_VERSION_URL", "");
    ScopedEnvironment stats("ORVA_STATS_URL", "");
    WebCheckInput input = InputFor(server);
    input.config = ResolveWebConfig(compiled);
    Run(input);
    EXPECT_EQ(server.connectionCount(), 0);
  }
  ScopedEnvironment version("ORVA_VERSION_URL", server.url(kVersionPath).c_str());
  ScopedEnvironment stats("ORVA_STATS_URL", nullptr);
  WebCheckInput input = InputFor(server);
  input.config = ResolveWebConfig({"", ""});
  Run(input);
  EXPECT_EQ(server.requestLines(), std::vector<std::string>{kVersionQueryLine});
  EXPECT_EQ(ResolveWebConfig(compiled).statsUrl, compiled.statsUrl);
}

TEST_F(WebCheckTest, WorkerRunsTheCheckOnItsOwnThreadAndSaysWhenItHasFinished) {
  LoopbackServer server({{kVersionPath, {200, kReplyHead + "1.7.30"}}, {kStatsPath, {200, "ok"}}});
  WebCheckWorker worker;
  ASSERT_EQ(worker.Start(InputFor(server)), 0);
  EXPECT_EQ(worker.Start(InputFor(server)), 1);
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!worker.Finished() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(10ms);
  ASSERT_TRUE(worker.Finished());
  worker.Join();
  EXPECT_EQ(VersionFile(), "1.7.30");
  EXPECT_TRUE(MarkerExists());
}

TEST_F(WebCheckTest, CancelEndsAHangingCheckWithoutWaitingForTheTimeOut) {
  LoopbackServer silent;
  WebCheckInput input = InputFor(silent);
  input.timeoutSeconds = 120;
  WebCheckWorker worker;
  ASSERT_EQ(worker.Start(input), 0);
  ASSERT_TRUE(silent.waitForConnections(1, 10s));
  worker.Cancel();
  const auto joined = std::async(std::launch::async, [&] { worker.Join(); });
  EXPECT_EQ(joined.wait_for(5s), std::future_status::ready);
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!worker.Finished() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(10ms);
  EXPECT_TRUE(worker.Finished());
  EXPECT_EQ(silent.connectionCount(), 1);  // the install report was never sent
  EXPECT_EQ(data.fileCount(), 0);
}

}  // namespace
}  // namespace orva
