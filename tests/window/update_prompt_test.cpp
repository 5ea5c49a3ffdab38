// The offer of a newer version once the start's web check has ended.
#include <QTreeWidget>

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

// Files named at the start are measured first: the offer comes once the
// add has ended, with the first new row selected and loaded.
TEST_F(UpdatePromptWindow, OfferWaitsUntilTheAddHasEnded) {
  WriteTextFile(program_.file("version").c_str(), "1.7.30");
  const QString clip = QString::fromStdString(Clip("a.mp4", 1));
  QStringList files;
  for (int i = 0; i < 12; ++i) files << clip;
  int rowsAtQuestion = -1;
  bool selectedAtQuestion = false;
  desktop_->duringQuestion = [&] {
    rowsAtQuestion = Rows();
    selectedAtQuestion = window_->currentJob() != nullptr &&
                         window_->jobListView()->topLevelItem(0)->isSelected();
  };
  OpenWindow().AddDroppedFiles(files);
  ASSERT_TRUE(WaitUntil([this] { return !desktop_->questions.empty(); }, 30000));
  EXPECT_EQ(rowsAtQuestion, 12);
  EXPECT_TRUE(selectedAtQuestion);
}

}  // namespace
}  // namespace orva::test
