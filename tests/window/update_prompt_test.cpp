// The offer of a newer version once the start's web check has ended.
#include "app/data_files.h"
#include "window_fixture.h"

namespace orva::test {
namespace {

class UpdatePromptWindow : public WindowTest {
 protected:
  UpdatePromptWindow() { qputenv("ORVA_PRODUCT_URL", "https://product.example/"); }
  ~UpdatePromptWindow() override { qunsetenv("ORVA_PRODUCT_URL"); }

  // The questions asked within a second of a start with `stored` as the
  // version file.
  std::vector<QString> QuestionsWith(const std::string& stored) {
    WriteTextFile(program_.file("version").c_str(), stored);
    desktop_->questions.clear();
    OpenWindow();
    WaitUntil([this] { return !desktop_->questions.empty(); }, 1000);
    return desktop_->questions;
  }
};

TEST_F(UpdatePromptWindow, OffersOnlyANewerVersionOfTheSameLength) {
  desktop_->yesNoAnswers = {true};
  const std::vector<QString> asked = QuestionsWith("1.7.30");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "New Version|Find new version,update or not? : 1.7.30");
  ASSERT_EQ(desktop_->openedUrls.size(), 1u);
  EXPECT_EQ(desktop_->openedUrls[0].toString(), "https://product.example/");

  EXPECT_TRUE(QuestionsWith("1.7.29").empty());
  EXPECT_TRUE(QuestionsWith("1.8").empty());
  EXPECT_TRUE(QuestionsWith("1.7.28").empty());
  EXPECT_TRUE(QuestionsWith("0.9.99").empty());
}

TEST_F(UpdatePromptWindow, NoProductPageNoOffer) {
  qputenv("ORVA_PRODUCT_URL", "");
  EXPECT_TRUE(QuestionsWith("1.7.30").empty());
}

}  // namespace
}  // namespace orva::test
