// Makes the window's own controls readable by screen readers: sliders,
// progress bar and labels get interfaces of their own, combo boxes are named
// after their captions; the image buttons are buttons already and take their
// names from their tooltips.
#pragma once

namespace orva {

// Safe to call more than once.
void InstallControlAccessibility();

}  // namespace orva
