#include "engine/layouteditor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/beltpaths.h"
#include "engine/checks.h"
#include "engine/geometry.h"
#include "engine/layout.h"
#include "units/units.h"

namespace belt {

namespace {

int PulleyCountOf(const DriveProject& p) {
    return std::clamp(p.pulleyCount, 0, 4);
}

bool ValidAxis(int axis) {
    return axis == kAxisX || axis == kAxisY;
}

// How close a fitted layout's length must come to the standard length, as
// a share of it: far below a tooth or a millimetre.
constexpr double kFitTolerance = 1e-6;

void SayNoNewPosition(Dialogs& d) {
    d.message("I can't find the new position !!!\rChange the pulley layout.", "Warning", MsgIcon::Warning);
}

// Ticks along one edge: from 0 towards the far edge `hi` and from -s towards
// the near edge `lo`; every fifth is big and labelled, on the run towards
// `hi` only while below 0.9 of it, so the last label does not run off the
// picture.
std::vector<LayoutTick> Ticks(double lo, double hi, double s, double f, const std::string& format) {
    std::vector<LayoutTick> out;
    if (!(s > 0) || !(hi > lo)) return out;
    auto add = [&](double at, long i, bool labelled) {
        LayoutTick t;
        t.at = at;
        t.big = i % 5 == 0;
        if (t.big && labelled) t.label = Format(at / f, format);
        out.push_back(t);
    };
    for (long i = 0; static_cast<double>(i) * s < hi; ++i) {
        const double at = static_cast<double>(i) * s;
        add(at, i, at < 0.9 * hi);
    }
    for (long i = 1; - static_cast<double>(i) * s > lo; ++i) add(-static_cast<double>(i) * s, i, true);
    return out;
}

}  // namespace

void MarkLayoutDrawn(DriveProject& p) {
    p.screen.layoutDrawn = p.beltPathTable[0][0] > 0;
}

std::optional<double> BLCalc(DriveProject& p, double u, int axis) {
    const int k = p.layoutNeedsAdjust;
    if (k < 2 || k > PulleyCountOf(p) || !ValidAxis(axis)) return std::nullopt;
    p.pulleyPosition[axis][k] = u;
    p.lastStandardLength = MeasureCurrentPath(p);
    if (p.lastStandardLength == -1) return std::nullopt;
    return u + p.beltLength - p.lastStandardLength;
}

bool AdjustPulley(DriveProject& p, Dialogs& d, int k, int axis) {
    if (k < 2 || k > PulleyCountOf(p) || !ValidAxis(axis)) return false;
    // The drawing's width before the move bounds how far the pulley may go.
    const double scaleWidth = 2 * ComputeLayoutExtent(p).half;
    const double u0 = p.pulleyPosition[axis][k];
    p.layoutNeedsAdjust = k;
    auto& table = p.beltPathTable;
    // The iteration measures the path shown; where the pulley ends up, the
    // layout may have more or fewer paths before it, and its number changes.
    const Arr<int, 5>* current = CurrentPathRow(p);
    const Arr<int, 5> shown = current ? *current : Arr<int, 5>{};

    AitkenResult res;
    {
        BusyPointer busy(d);
        res = SolveFixedPointAitken(u0, [&](double& x) { return BLCalc(p, x, axis); });
    }
    bool found = !res.failed && res.converged && p.lastStandardLength != -1 && std::isfinite(res.x) &&
                 !(4 * std::abs(res.x - u0) > scaleWidth);
    if (found) {
        p.pulleyPosition[axis][k] = res.x;
        // A coordinate that stops changing is not yet a fit: where moving
        // the pulley no longer changes the length (or the path shown cannot
        // be laid there), it settles off the standard length.
        const double measured = MeasureCurrentPath(p);
        found = measured != -1 && std::abs(measured - p.beltLength) <= kFitTolerance * p.beltLength;
        if (found) p.lastStandardLength = measured;
    }
    if (found) {
        ComputeBeltPaths(p);
        found = false;
        for (int m = 1; m <= table[0][0] && !found; ++m) {
            if (table[static_cast<std::size_t>(m)] != shown) continue;
            table[0][1] = m;
            found = true;
        }
    }
    if (!found) {
        p.pulleyPosition[axis][k] = u0;
        ComputeBeltPaths(p);
    }
    p.layoutNeedsAdjust = 0;
    if (!found) SayNoNewPosition(d);
    MarkLayoutDrawn(p);
    return found;
}

bool OnLayoutMouseMove(DriveProject& p, double x, double y) {
    if (p.layoutNeedsAdjust == 0 || IsOmegaDrive(p)) return false;
    const int n = PulleyCountOf(p);
    for (int k = 2; k <= n; ++k) {
        const double dx = p.pulleyPosition[0][k] - x;
        const double dy = p.pulleyPosition[1][k] - y;
        if (dx * dx + dy * dy <= p.pulleyDiameter[k] * p.pulleyDiameter[k] / 4) {
            p.layoutNeedsAdjust = k;
            return true;
        }
    }
    p.layoutNeedsAdjust = n + 1;
    return false;
}

LayoutMouseUpResult OnLayoutMouseUp(DriveProject& p, Dialogs& d, bool leftButton) {
    LayoutMouseUpResult r;
    if (IsOmegaDrive(p) && leftButton) {
        // Only a pending adjustment has a chosen length to take up; without
        // one lastStandardLength may still mean "none" (99999).
        if (p.layoutNeedsAdjust == 0) return r;
        const double stroke = p.stroke + p.beltLength - p.lastStandardLength;
        if (!std::isfinite(stroke) || !(stroke > 0)) {
            SayNoNewPosition(d);
            return r;
        }
        p.stroke = stroke;
        r.hint = "Stroke has been changed to " + Format(ToDisplay(p, kLength, p.stroke), "###0.00") + " " +
                 CurrentLabel(p, kLength);
        p.lastStandardLength = p.beltLength;
        p.layoutNeedsAdjust = 0;
        return r;
    }
    const int k = p.layoutNeedsAdjust;
    if (k > 1 && k <= PulleyCountOf(p)) {
        AdjustPulley(p, d, k, leftButton ? kAxisY : kAxisX);
        r.redraw = true;
        r.hideHint = true;
    }
    return r;
}

CoordinateResponse OnCoordinateEnter(DriveProject& p, Dialogs& d, int k, int axis, std::string_view text) {
    CoordinateResponse r;
    const int n = PulleyCountOf(p);
    if (k < 2 || k > 4 || !ValidAxis(axis)) return r;
    if (axis == kAxisX) {
        r.focusAxis = kAxisY;
        r.focusPulley = k;
    } else {
        r.focusAxis = kAxisX;
        r.focusPulley = k < n ? k + 1 : 2;
    }
    double& target = p.pulleyPosition[axis][k];
    // Enter on the coordinate as the program wrote it (the position an
    // adjustment found for the standard length, say) changes nothing: read
    // back from its rounded text it would lose the standard length.
    if (text == Format(ToDisplay(p, kLength, target), "###0.00")) {
        r.enteredText = std::string(text);
        return r;
    }
    const NumericEntry e = AcceptNumericInput(p, d, text, target, kLength, "###0.00", true);
    r.enteredText = e.text;
    // Refused, the pulley stays where it was and so does everything else.
    if (e.kept) {
        r.focusAxis = axis;
        r.focusPulley = k;
        return r;
    }
    p.layoutNeedsAdjust = 0;
    p.lastStandardLength = kNoStandardLength;
    CheckPulleyInterference(p, d);
    if (p.calcState == 0) ComputeBeltPaths(p);
    p.screen.layoutDrawn = false;
    return r;
}

bool OnDrawClick(DriveProject& p, Dialogs& d) {
    NextBeltPath(p, d);
    if (p.calcState == 1) return false;
    if (p.beltPathTable[0][1] > p.beltPathTable[0][0]) p.beltPathTable[0][1] = 1;
    MarkLayoutDrawn(p);
    return true;
}

LayoutLabels ShowLayoutLabels(const DriveProject& p) {
    LayoutLabels l;
    auto len = [&](double v) { return Format(ToDisplay(p, kLength, v), "###0.00"); };
    l.zT[0] = "Unit: " + CurrentLabel(p, kLength);
    l.zT[1] = "Driver pulley: d = " + len(p.pulleyDiameter[1]);
    for (int k = 2; k <= PulleyCountOf(p); ++k) {
        l.px[k] = len(p.pulleyPosition[0][k]);
        l.py[k] = len(p.pulleyPosition[1][k]);
        l.zT[k] = GetPulleyLabel(p, k) + ": d = " + len(p.pulleyDiameter[k]);
    }
    return l;
}

std::string LayoutInstruction(const DriveProject& p) {
    if (IsOmegaDrive(p)) return "Change stroke: click left";
    return "Vert. displac.: click left\rHoriz. displac.: click right";
}

double TickSpacing(double bigTick) {
    if (!std::isfinite(bigTick) || !(bigTick > 0)) return 0;
    // The leading digit and the exponent of the big tick written as "#e+".
    const std::string t = Format(bigTick, "#e+");
    const auto e = t.find_first_of("eE");
    if (t.empty() || e == std::string::npos || t[0] < '0' || t[0] > '9') return 0;
    const int exponent = std::atoi(t.c_str() + e + 1);
    return (t[0] - '0') * std::pow(10.0, exponent);
}

double RoundStep(double x) {
    if (!std::isfinite(x) || !(x > 0)) return 0;
    const double decade = std::pow(10.0, std::floor(std::log10(x)));
    if (!(decade > 0)) return 0;
    // The nearest of 1, 2, 5 and 10 on a logarithmic scale.
    const double m = x / decade;
    if (m < std::sqrt(2.0)) return decade;
    if (m < std::sqrt(10.0)) return 2 * decade;
    if (m < std::sqrt(50.0)) return 5 * decade;
    return 10 * decade;
}

LayoutScale ComputeLayoutScale(const DriveProject& p) {
    const LayoutExtent ext = ComputeLayoutExtent(p);
    LayoutScale s;
    s.left = ext.cx - ext.half;
    s.right = ext.cx + ext.half;
    s.top = ext.cy + ext.half;
    s.bottom = ext.cy - ext.half;
    s.scaleWidth = s.right - s.left;
    s.bigTick = s.scaleWidth / 50;
    s.smallTick = s.bigTick / 2;
    s.crossHalf = s.scaleWidth / 200;
    const double f = CurrentFactor(p, kLength);
    if (CurrentUnit(p, kLength) == 1) {
        s.spacing = TickSpacing(s.bigTick);
        const double shown = s.spacing / f;
        s.labelFormat = shown < 0.1 ? "###0.00" : (shown < 1 ? "###0.0" : "####0");
    } else {
        // Millimetre steps read in inches or feet are odd numbers (1.97 in):
        // the labels step by a round number of the unit shown, and the
        // format shows as many decimals as that step needs.
        const double step = RoundStep(5 * s.bigTick / f);
        s.spacing = step / 5 * f;
        s.labelFormat = step < 0.1 ? "###0.00" : (step < 1 ? "###0.0" : "####0");
    }
    s.xTicks = Ticks(s.left, s.right, s.spacing, f, s.labelFormat);
    s.yTicks = Ticks(s.bottom, s.top, s.spacing, f, s.labelFormat);
    return s;
}

}  // namespace belt
