#include "web/affiliate.h"

#include <algorithm>
#include <optional>

#include "app/data_files.h"
#include "app/startup_data.h"

namespace orva {

std::string AffiliateFromReferral(const std::string& link) {
  const std::size_t start = link.find("affiliate=");
  if (start == std::string::npos) return {};
  const std::size_t end = link.find('&', start);
  const std::size_t length = (end == std::string::npos ? link.size() : end) - start;
  return link.substr(start, std::min(length, kMaxAffiliateLength));
}

std::string ReadReferralLink(const std::string& programFolder) {
  const std::optional<std::string> content =
      ReadWholeFile(DataFilePath(programFolder, kReferralFile).c_str());
  if (!content) return {};
  // A distributor writes the file with an editor or echo: the line end is
  // not part of the link.
  return content->substr(0, content->find_first_of("\r\n"));
}

}  // namespace orva
