#include "app/gui/skin_style.h"

#include <QApplication>
#include <QPalette>

namespace orva {

QString SkinWindowStyleSheet() {
  return QStringLiteral(R"(
QTreeWidget {
  background: #262B35; alternate-background-color: #2A303B; color: #E6E9EF;
  border: 1px solid #323846; font-size: 11px; outline: 0;
  selection-background-color: #2BB3A3; selection-color: #0F1216;
}
QTreeWidget::item { height: 22px; }
QTreeWidget::item:selected { background: #2BB3A3; color: #0F1216; }
QHeaderView::section {
  background: #1E222A; color: #9AA3B2; border: 0; border-bottom: 1px solid #323846;
  padding: 3px 6px; font-size: 11px;
}
QComboBox {
  background: #262B35; color: #E6E9EF; border: 1px solid #323846; border-radius: 4px;
  padding: 1px 6px; font-size: 11px;
}
QComboBox:focus { border-color: #2BB3A3; }
QComboBox:disabled { color: #9AA3B2; }
QComboBox::drop-down { border: 0; width: 18px; }
QComboBox::down-arrow { image: url(:/icons/combo-arrow.svg); width: 10px; height: 6px; }
QComboBox::down-arrow:disabled { image: url(:/icons/combo-arrow-disabled.svg); }
QComboBox QAbstractItemView {
  background: #262B35; color: #E6E9EF; border: 1px solid #323846;
  selection-background-color: #2BB3A3; selection-color: #0F1216;
}
QScrollBar:vertical { background: #262B35; width: 10px; margin: 0; }
QScrollBar::handle:vertical { background: #3A4150; border-radius: 4px; min-height: 24px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
QScrollBar:horizontal { background: #262B35; height: 10px; margin: 0; }
QScrollBar::handle:horizontal { background: #3A4150; border-radius: 4px; min-width: 24px; }
QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }
QMenu { background: #262B35; color: #E6E9EF; border: 1px solid #323846; }
QMenu::item { padding: 4px 22px 4px 14px; }
QMenu::item:selected { background: #2BB3A3; color: #0F1216; }
QMenu::separator { height: 1px; background: #323846; margin: 3px 6px; }
QToolTip { background: #262B35; color: #E6E9EF; border: 1px solid #323846; }
)");
}

QString SkinDialogStyleSheet() {
  return QStringLiteral(R"(
QDialog { background: #1E222A; color: #E6E9EF; border: 1px solid #323846; font-size: 11px; }
QLabel { color: #E6E9EF; font-size: 11px; }
QGroupBox { color: #9AA3B2; border: 1px solid #323846; border-radius: 4px; margin-top: 8px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QComboBox {
  background: #262B35; color: #E6E9EF; border: 1px solid #323846; border-radius: 3px; padding: 1px 3px;
  font-size: 11px;
}
QComboBox::drop-down { border: 0; width: 14px; }
QComboBox::down-arrow { image: url(:/icons/combo-arrow.svg); width: 8px; height: 5px; }
QComboBox::down-arrow:disabled { image: url(:/icons/combo-arrow-disabled.svg); }
QComboBox:disabled { color: #5C6475; background: #22262F; }
QComboBox QAbstractItemView {
  background: #262B35; color: #E6E9EF; selection-background-color: #2BB3A3; selection-color: #0F1216;
}
/* The focus ring takes the place of a transparent border: a focused
   button keeps the room its caption was measured with. */
QPushButton {
  background: #2BB3A3; color: #0F1216; border: 1px solid transparent; border-radius: 4px; padding: 2px 13px;
  font-weight: 600;
}
QPushButton:focus { border-color: #E6E9EF; }
)");
}

QPalette SkinPalette() {
  const QColor body(0x1E, 0x22, 0x2A);
  const QColor panel(0x26, 0x2B, 0x35);
  const QColor border(0x32, 0x38, 0x46);
  const QColor text(0xE6, 0xE9, 0xEF);
  const QColor secondary(0x9A, 0xA3, 0xB2);
  const QColor greyed(0x5C, 0x64, 0x75);
  const QColor accent(0x2B, 0xB3, 0xA3);
  const QColor onAccent(0x0F, 0x12, 0x16);
  QPalette palette(text, panel, QColor(0x3A, 0x41, 0x50), onAccent, border, text, text, panel, body);
  palette.setColor(QPalette::Midlight, border);
  palette.setColor(QPalette::AlternateBase, QColor(0x2A, 0x30, 0x3B));
  palette.setColor(QPalette::Highlight, accent);
  palette.setColor(QPalette::HighlightedText, onAccent);
  palette.setColor(QPalette::Link, accent);
  palette.setColor(QPalette::LinkVisited, accent);
  palette.setColor(QPalette::ToolTipBase, panel);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, secondary);
  palette.setColor(QPalette::BrightText, QColor(0xE0, 0x5A, 0x5A));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, greyed);
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, body);
  palette.setColor(QPalette::Disabled, QPalette::Highlight, border);
  return palette;
}

void UseSkinPaletteForAllWindows() {
  const QPalette skin = SkinPalette();
  if (QApplication::palette() != skin) QApplication::setPalette(skin);
}

}  // namespace orva
