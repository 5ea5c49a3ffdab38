#include <gtest/gtest.h>

#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "controls/est_progress_ctrl.h"
#include "controls/preview_static.h"
#include "controls/read_only_combo_box.h"
#include "controls_test_support.h"

namespace orva {
namespace {

TEST(EstProgressCtrl, TextAppearsWithTheFirstProgressAndOutlivesAZeroPosition) {
  CEstProgressCtrl bar;
  bar.setRange(0, 10000);
  bar.setValue(0);
  EXPECT_TRUE(bar.text().isEmpty());

  bar.setValue(2500);
  EXPECT_TRUE(bar.text().startsWith("25.00% complete. Estimated completion: ")) << bar.text().toStdString();

  bar.setValue(0);  // the next job starts; the last estimate stays on show
  EXPECT_TRUE(bar.text().startsWith("0.00% complete. Estimated completion: "));

  bar.ResetEstimate();
  EXPECT_TRUE(bar.text().isEmpty());
}

TEST(EstProgressCtrl, PositionStaysInTheRangeAndFillsTheBar) {
  CEstProgressCtrl bar;
  bar.resize(200, 20);
  bar.setRange(0, 10000);
  bar.setValue(20000);
  EXPECT_EQ(bar.value(), 10000);
  EXPECT_TRUE(bar.text().startsWith("100.00% complete."));
  bar.setValue(-1);
  EXPECT_EQ(bar.value(), 0);

  bar.setValue(5000);
  const QImage image = bar.grab().toImage();
  EXPECT_EQ(image.pixel(1, 1) | 0xFF000000, 0xFF2BB3A3);
  EXPECT_EQ(image.pixel(198, 1) | 0xFF000000, 0xFF1E222A);
}

TEST(EstProgressCtrl, RangeWithoutUpperBoundShowsNoProgress) {
  CEstProgressCtrl bar;
  bar.setRange(0, 0);
  bar.setValue(0);
  EXPECT_TRUE(bar.text().isEmpty());
}

TEST(CPreviewStatic, IsAPlainBlackAreaThatReportsEachPaint) {
  test::Panel panel;
  auto* preview = new CPreviewStatic(&panel);
  preview->setGeometry(10, 10, 100, 80);
  QSignalSpy painted(preview, &CPreviewStatic::painted);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  EXPECT_FALSE(preview->testAttribute(Qt::WA_NativeWindow)) << "a child window would cover what is painted";
  EXPECT_EQ(panel.PixelOf(*preview, 50, 40), 0xFF000000);
  EXPECT_EQ(preview->devicePixelSize(), QSize(100, 80) * preview->devicePixelRatio());

  const int before = static_cast<int>(painted.count());
  preview->repaint();
  EXPECT_EQ(painted.count(), before + 1);
}

// Lines of the player's picture may be longer than the picture is wide.
TEST(CPreviewStatic, PaintsThePlayersPictureOverTheWholeAreaUntilItIsCleared) {
  test::Panel panel;
  auto* preview = new CPreviewStatic(&panel);
  preview->setGeometry(10, 10, 100, 80);
  panel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  const QSize size = preview->devicePixelSize();
  const int stride = size.width() * 4 + 64;  // lines longer than the picture
  std::vector<uchar> pixels(static_cast<std::size_t>(stride) * size.height());
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      uchar* p = &pixels[static_cast<std::size_t>(y) * stride + x * 4];
      p[0] = 0x80, p[1] = 0x20, p[2] = 0xE0, p[3] = 0xFF;
    }
  }
  preview->ShowPicture(pixels.data(), size.width(), size.height(), stride);
  preview->repaint();
  EXPECT_TRUE(preview->hasPicture());
  EXPECT_EQ(panel.PixelOf(*preview, 1, 1), 0xFFE02080);
  EXPECT_EQ(panel.PixelOf(*preview, 98, 78), 0xFFE02080);

  preview->ClearPicture();
  preview->repaint();
  EXPECT_FALSE(preview->hasPicture());
  EXPECT_EQ(panel.PixelOf(*preview, 50, 40), 0xFF000000);
}

class ComboTest : public ::testing::Test {
 protected:
  ComboTest() {
    combo.addItems({"first", "second"});
    combo.resize(200, 24);
    combo.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&combo));
  }
  ~ComboTest() override { combo.hidePopup(); }

  bool ListOpen() const { return combo.view()->isVisible(); }

  void Wheel() {
    QWheelEvent wheel(QPointF(5, 5), combo.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&combo, &wheel);
  }

  CReadOnlyComboBox combo;
};

TEST_F(ComboTest, WithoutAHandlerTheListNeverOpensAndNothingChanges) {
  QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseDClick(&combo, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::keyClick(&combo, Qt::Key_F4);
  QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
  QTest::keyClick(&combo, Qt::Key_Space);
  EXPECT_FALSE(ListOpen());

  QTest::keyClick(&combo, Qt::Key_Down);
  QTest::keyClick(&combo, Qt::Key_End);
  QTest::keyClick(&combo, Qt::Key_S);
  Wheel();
  EXPECT_EQ(combo.currentIndex(), 0);
}

TEST_F(ComboTest, HandlerIsAskedOnClicksAndKeysAndZeroKeepsTheListShut) {
  int asked = 0;
  combo.setClickHandler([&asked] { ++asked; return 0; });
  QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(asked, 1);
  QTest::mouseClick(&combo, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(asked, 1);
  QTest::keyClick(&combo, Qt::Key_F4);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(ListOpen());
}

TEST_F(ComboTest, NonZeroAnswerOpensTheList) {
  combo.setClickHandler([] { return 1; });
  QTest::mouseClick(&combo, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(ListOpen());
}

}  // namespace
}  // namespace orva
