// Tab columns counted in average character widths, as the old printers and
// picture boxes counted them.
#pragma once

class QFontMetricsF;

namespace belt {

// The average character width of the font: the advance widths of the lower
// case letters and the blank weighted by their frequency in English text
// (the classic definition of a font's average width). Computed from the
// widths themselves, it is the same for Arial and its metric twin Liberation
// Sans, whose stored averages differ.
double AverageCharWidth(const QFontMetricsF& metrics);

}  // namespace belt
