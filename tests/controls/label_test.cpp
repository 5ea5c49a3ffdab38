#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "controls/wx_static.h"
#include "controls_test_support.h"

namespace orva {
namespace {

using test::kPanel;

class LabelTest : public ::testing::Test {
 protected:
  LabelTest() : label(new CwxStatic(1044, &panel)) { label->setGeometry(10, 10, 120, 30); }

  // Leftmost and rightmost columns where the text left ink on the panel.
  std::pair<int, int> InkColumns() {
    const QImage image = panel.grab(label->geometry()).toImage();
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
      for (int y = 0; y < image.height(); ++y) {
        if ((image.pixel(x, y) | 0xFF000000) == kPanel) continue;
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
    return {first, last};
  }

  test::Panel panel;
  CwxStatic* label;
};

TEST_F(LabelTest, RightButtonReportsRightClickAndLeftButtonClicks) {
  QSignalSpy right(label, &CwxStatic::rightClicked);
  QSignalSpy left(label, &CwxStatic::clicked);
  QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
  ASSERT_EQ(right.count(), 1);
  EXPECT_EQ(right.at(0).at(0).toInt(), 1044);
  EXPECT_EQ(left.count(), 0);

  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(left.count(), 1);
  EXPECT_EQ(left.at(0).at(0).toInt(), 1044);
  EXPECT_EQ(right.count(), 1);

  // Pressed on the label but released elsewhere: no click.
  QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(500, 5));
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(label->contextMenuPolicy(), Qt::PreventContextMenu);
}

TEST_F(LabelTest, HoverAndLeaveCarryTheControlId) {
  QSignalSpy hovered(label, &CwxStatic::hovered);
  QSignalSpy leftSpy(label, &CwxStatic::left);
  QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
  QApplication::sendEvent(label, &enter);
  ASSERT_EQ(hovered.count(), 1);
  EXPECT_EQ(hovered.at(0).at(0).toInt(), 1044);
  EXPECT_EQ(leftSpy.count(), 0);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(label, &leave);
  ASSERT_EQ(leftSpy.count(), 1);
  EXPECT_EQ(leftSpy.at(0).at(0).toInt(), 1044);
}

TEST_F(LabelTest, OnlyALinkShowsTheHandCursor) {
  EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
  label->SetLink(true);
  EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
  label->SetLink(false);
  EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(LabelTest, TextIsDrawnTransparentlyWhereTheFormatPutsIt) {
  EXPECT_EQ(InkColumns().first, -1);  // no text, only the panel
  label->SetTextColor(Qt::white);
  label->setText("00:00");
  EXPECT_EQ(label->text(), "00:00");
  const auto [leftStart, leftEnd] = InkColumns();
  ASSERT_GE(leftStart, 0);
  EXPECT_LT(leftStart, 5);
  EXPECT_LT(leftEnd, 60);

  label->SetTextFormat(kTextRightVCenter);
  const auto [rightStart, rightEnd] = InkColumns();
  EXPECT_GT(rightStart, 60);
  EXPECT_GT(rightEnd, 114);

}

}  // namespace
}  // namespace orva
