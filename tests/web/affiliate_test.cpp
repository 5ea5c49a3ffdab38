#include <gtest/gtest.h>

#include <string>

#include "app/data_files.h"
#include "scratch_folder.h"
#include "web/affiliate.h"

namespace orva {
namespace {

using test::ScratchFolder;

TEST(AffiliateTest, TakesTheAffiliatePartUpToTheNextAmpersand) {
  EXPECT_EQ(AffiliateFromReferral("http://shop.invalid/?src=mail"), "");
  EXPECT_EQ(AffiliateFromReferral("x?affiliate=&b"), "affiliate=");
  const std::string longId(100, 'q');
  EXPECT_EQ(AffiliateFromReferral("x?affiliate=" + longId), ("affiliate=" + longId).substr(0, 63));
}

TEST(AffiliateTest, ReferralLinkIsTheFirstLineOfTheReferralFile) {
  ScratchFolder folder;
  EXPECT_EQ(ReadReferralLink(folder.path()), "");
  WriteTextFile(folder.file(kReferralFile).c_str(), "http://shop.invalid/?affiliate=a1\r\nnotes\n");
  EXPECT_EQ(ReadReferralLink(folder.path()), "http://shop.invalid/?affiliate=a1");
}

}  // namespace
}  // namespace orva
