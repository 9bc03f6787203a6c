#include "drawing/textcolumns.h"

#include <QFontMetricsF>
#include <QString>

namespace belt {

double AverageCharWidth(const QFontMetricsF& metrics) {
    // Weights per thousand characters, a to z, then the blank.
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    for (int i = 0; i < 27; ++i) {
        const QChar c = i < 26 ? QChar(u'a' + i) : QChar(u' ');
        sum += kWeights[i] * metrics.horizontalAdvance(c);
    }
    return sum / 1000.0;
}

}  // namespace belt
