// The few colours the controls paint with themselves; the pictures bring
// the rest of the skin.
#pragma once

#include <QRgb>

namespace orva {

constexpr QRgb kAccentColour = 0xFF2BB3A3;     // focus ring, progress fill
constexpr QRgb kBorderColour = 0xFF323846;     // panel borders, progress frame
constexpr QRgb kBodyColour = 0xFF1E222A;       // progress track, text over the accent fill
constexpr QRgb kTextColour = 0xFFE6E9EF;       // text over panels
constexpr QRgb kSecondaryTextColour = 0xFF9AA3B2;  // notes over panels

}  // namespace orva
