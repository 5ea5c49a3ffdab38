#include "web/web_check.h"

#include <filesystem>
#include <system_error>

#include "app/data_files.h"
#include "app/string_table.h"
#include "web/affiliate.h"
#include "web/web_get.h"

namespace orva {

namespace {

constexpr std::size_t kReplySize = 1024;
constexpr std::size_t kShortestVersionReply = 18;
constexpr std::size_t kLongestVersionReply = 30;
constexpr std::size_t kVersionOffset = 17;  // 16 ignored characters and a separator

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

WebRequest MakeRequest(const WebCheckInput& input, const std::string& base,
                       const std::atomic<bool>& cancel) {
  WebRequest request;
  request.base = base;
  request.timeoutSeconds = input.timeoutSeconds;
  request.replySize = kReplySize;
  request.cancel = &cancel;
  return request;
}

void QueryVersion(const WebCheckInput& input, const std::atomic<bool>& cancel) {
  WebRequest request = MakeRequest(input, input.config.versionUrl, cancel);
  request.pairs = {{"soft", LoadString(kStrVersionQuerySoft)}};
  std::string reply;
  if (WebGet(request, reply) != 1) return;
  const std::optional<std::string> version = VersionFromReply(reply);
  if (!version || cancel.load()) return;
  WriteTextFile(input.versionPath.c_str(), *version);
}

void ReportInstall(const WebCheckInput& input, const std::atomic<bool>& cancel) {
  WebRequest request = MakeRequest(input, input.config.statsUrl, cancel);
  request.pairs = {{"soft", LoadString(kStrTitle)},
                   {"time", input.installTime},
                   {"affiliate", AffiliateFromReferral(input.referralLink)}};
  std::string reply;
  if (WebGet(request, reply) != 1 || reply != "ok" || cancel.load()) return;
  WriteTextFile(input.installMarkerPath.c_str(), "");
}

}  // namespace

std::optional<std::string> VersionFromReply(const std::string& reply) {
  if (reply.size() < kShortestVersionReply || reply.size() > kLongestVersionReply) return std::nullopt;
  return reply.substr(kVersionOffset);
}

void RunWebCheck(const WebCheckInput& input, const std::atomic<bool>& cancel) {
  QueryVersion(input, cancel);
  if (cancel.load() || FileExists(input.installMarkerPath)) return;
  ReportInstall(input, cancel);
}

}  // namespace orva
