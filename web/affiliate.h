// The affiliate text of the install report, taken from the referral link an
// installation may supply.
#pragma once

#include <cstddef>
#include <string>

namespace orva {

inline constexpr std::size_t kMaxAffiliateLength = 63;

// The file a distributor places beside the executable; its first line is the
// referral link.
inline constexpr char kReferralFile[] = "referral";

// Empty unless the link contains "affiliate="; otherwise the part of the link
// from "affiliate=" itself up to, not including, the next "&" (or the end),
// cut to kMaxAffiliateLength characters.
std::string AffiliateFromReferral(const std::string& link);

// The first line of the referral file in `programFolder`; empty when there
// is none.
std::string ReadReferralLink(const std::string& programFolder);

}  // namespace orva
