// The width a combo box gives the text of its chosen item, as its style
// (the skin's style sheet included) lays the box out: the box less its
// frame, padding and drop-down button.
#pragma once

class QComboBox;
class QString;

namespace orva {

int ComboTextRoom(const QComboBox& combo);

// Whether `text` shows whole in `combo` with the font it draws with.
bool TextFitsCombo(const QComboBox& combo, const QString& text);

}  // namespace orva
