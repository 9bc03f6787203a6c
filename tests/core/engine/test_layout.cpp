#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/layout.h"
#include "platform/scripteddialogs.h"

using namespace belt;

namespace {

constexpr double kDeg = 180 / kPi;

struct Pulley {
    double x, y, d;  // mm
    int teeth;
    bool idler;
};

DriveProject Layout(const std::string& family, const std::vector<Pulley>& pulleys) {
    DriveProject p;
    p.beltFamily = family;
    p.pulleyCount = static_cast<int>(pulleys.size());
    for (int k = 1; k <= p.pulleyCount; ++k) {
        const Pulley& q = pulleys[k - 1];
        p.pulleyPosition[0][k] = q.x / 1000;
        p.pulleyPosition[1][k] = q.y / 1000;
        p.pulleyDiameter[k] = q.d / 1000;
        p.pulleyTeeth[k] = q.teeth;
        p.pulleyIsIdler[k] = q.idler ? kTrue : 0;
    }
    return p;
}

DriveProject Omega() {
    DriveProject p =
        Layout("SELKIRA", {{0, 0, 50, 31, false}, {60, 50, 30, 0, true}, {-60, 50, 30, 0, true}});
    p.linearDriveType = 1;
    p.stroke = 1.0;
    return p;
}

}  // namespace

TEST(ArcSin, OutOfRangeGivesHalfPi) {
    EXPECT_NEAR(ArcSin(0.5), kPi / 6, 1e-9);
    EXPECT_NEAR(ArcSin(-0.5), -kPi / 6, 1e-9);
    for (double x : {1.0, 1.5, -1.0, -3.0}) EXPECT_DOUBLE_EQ(ArcSin(x), kPi / 2) << x;
    EXPECT_DOUBLE_EQ(ArcSin(std::nan("")), kPi / 2);
}

// Every feasible path of a layout gives the same length and arcs here.
struct PathCase {
    const char* name;
    DriveProject project;
    int paths;
    double lengthMm;
    std::vector<double> arcsDeg;
    double arcTolDeg;
};

TEST(ComputeBeltPaths, ReferenceLayouts) {
    const double s = std::sqrt(0.5);
    std::vector<PathCase> cases = {
        {"two pulleys on the X axis",
         Layout("ORVANTO", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}}),
         2,
         837.704,
         {170.44, 189.56},
         0.005},
        {"two pulleys on a diagonal",
         Layout("ORVANTO", {{0, 0, 50, 31, false}, {-300 * s, 300 * s, 100, 62, false}}),
         2,
         837.704,
         {170.44, 189.56},
         0.005},
        {"two pulleys on the Y axis",
         Layout("ORVANTO", {{0, 0, 50, 31, false}, {0, -300, 100, 62, false}}),
         2,
         837.704,
         {170.44, 189.56},
         0.005},
        // The tangents of a span are computed without dividing by its dx.
        {"two pulleys a hair off the Y axis, far apart",
         Layout("ORVANTO", {{0, 0, 50, 31, false}, {2.5e-12, 30000, 100, 62, false}}),
         2,
         60235.640,
         {179.90, 180.10},
         0.005},
        {"three pulleys with an idler",
         Layout("ORVANTO", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}, {150, 200, 40, 0, true}}),
         1,
         1006.059,
         {123.24, 138.54, 98.22},
         0.005},
        {"omega drive", Omega(), 4, 1112.758, {141.2, 70.6, 70.6}, 0.05},
    };
    for (PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject& p = c.project;
        ComputeBeltPaths(p);
        ASSERT_EQ(p.beltPathTable[0][0], c.paths);
        for (int path = 1; path <= c.paths; ++path) {
            SCOPED_TRACE(path);
            p.beltPathTable[0][1] = path;
            EXPECT_NEAR(ComputeBeltLength(p) * 1000, c.lengthMm, 0.0005);
            for (std::size_t k = 0; k < c.arcsDeg.size(); ++k)
                EXPECT_NEAR(p.pulleyArcOfContact[k + 1] * kDeg, c.arcsDeg[k], c.arcTolDeg)
                    << "pulley " << k + 1;
        }
    }
}

// The clamp run replaces span 2 whatever its tangent choice, so the omega
// drive's paths share spans 1 and 3 (inner tangents) and differ in span 2 only.
TEST(ComputeBeltPaths, OmegaPathsDifferOnlyInTheReplacedSpan) {
    DriveProject p = Omega();
    ComputeBeltPaths(p);
    ASSERT_EQ(p.beltPathTable[0][0], 4);
    std::vector<int> span2;
    for (int m = 1; m <= 4; ++m) {
        SCOPED_TRACE(m);
        const auto& row = p.beltPathTable[m];
        EXPECT_EQ(row[1], p.beltPathTable[1][1]);
        EXPECT_EQ(row[3], p.beltPathTable[1][3]);
        EXPECT_GE(row[1], 3);  // choices 3 and 4 are the inner tangents
        EXPECT_GE(row[3], 3);
        span2.push_back(row[2]);
    }
    EXPECT_EQ(span2, (std::vector<int>{1, 2, 3, 4}));
}

TEST(ComputeBeltPaths, TeethInMeshRemoveADrivenPulleyButNotAnIdler) {
    // The small pulley wraps 98 degrees: 3 teeth leave none fully in mesh.
    struct Case {
        bool idler;
        const char* family;
        int paths;
    };
    for (const Case& c : {Case{true, "ORVANTO", 1}, Case{false, "ORVANTO", 0}, Case{false, "FENDARO", 1}}) {
        DriveProject p =
            Layout(c.family, {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}, {150, 200, 40, 3, c.idler}});
        ComputeBeltPaths(p);
        EXPECT_EQ(p.beltPathTable[0][0], c.paths) << c.idler << c.family;
    }
}

TEST(ComputeBeltPaths, NonsenseGeometryHasNoPathAndNoLength) {
    struct Case {
        const char* name;
        std::vector<Pulley> pulleys;
        int paths;
    };
    const std::vector<Case> cases = {
        {"overlapping neighbours", {{0, 0, 50, 31, false}, {70, 0, 100, 62, false}}, 0},
        {"coincident pulleys", {{0, 0, 50, 31, false}, {0, 0, 50, 31, false}}, 0},
        {"zero diameter", {{0, 0, 50, 31, false}, {300, 0, 0, 0, false}}, 0},
        {"zero diameter idler", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}, {150, 200, 0, 0, true}}, 0},
        {"single pulley", {{0, 0, 50, 31, false}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Layout("ORVANTO", c.pulleys);
        p.beltPathTable[0][1] = 1;
        ComputeBeltPaths(p);
        EXPECT_EQ(p.beltPathTable[0][0], c.paths);
        const double length = ComputeBeltLength(p);
        if (c.paths == 0) {
            EXPECT_EQ(length, -1);
        } else {
            EXPECT_TRUE(std::isfinite(length));
            EXPECT_GT(length, 0);
        }
        for (int k = 1; k <= 4; ++k) EXPECT_TRUE(std::isfinite(p.pulleyArcOfContact[k]));
    }
}

TEST(ComputeBeltLength, NoCurrentPathGivesMinusOne) {
    DriveProject p = Layout("ORVANTO", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}});
    ComputeBeltPaths(p);
    for (int current : {0, 3, 256}) {
        p.beltPathTable[0][1] = current;
        EXPECT_EQ(ComputeBeltLength(p), -1) << current;
    }
}

TEST(CheckPulleyInterference, OverlapOrTouchRefusesAndNamesOnlyPlacedPulleys) {
    struct Case {
        const char* name;
        std::vector<Pulley> pulleys;
        int state;
        bool message;
    };
    const std::vector<Case> cases = {
        {"apart", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}}, 0, false},
        {"touching", {{0, 0, 50, 31, false}, {75, 0, 100, 62, false}}, 1, true},
        {"overlapping idler",
         {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}, {280, 40, 40, 0, true}},
         1,
         true},
        {"pulley 3 not placed yet",
         {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}, {0, 0, 40, 0, true}},
         1,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Layout("ORVANTO", c.pulleys);
        ScriptedDialogs d;
        CheckPulleyInterference(p, d);
        EXPECT_EQ(p.calcState, c.state);
        ASSERT_EQ(d.seen.size(), c.message ? 1U : 0U);
        if (c.message) {
            EXPECT_EQ(d.seen[0].text, "Pulley interference. Check the data !!!");
            EXPECT_EQ(d.seen[0].title, "I can't proceed");
            EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
        }
    }
}

// Pulleys that touch meet in one point, where their inner "tangents" would
// make spans and wraps of no length: only the open belt around them remains,
// and the interference check refuses them. The chord test that drops such
// wraps does not apply to open-end belts, nor to idlers' tooth count: those
// layouts must not get a crossed belt of no length either.
TEST(ComputeBeltPaths, TouchingPulleysKeepOnlyTheOpenBelt) {
    struct Case {
        const char* name;
        DriveProject project;
        int paths;
        bool interferes = true;
    };
    auto selkira = [](std::vector<Pulley> pulleys) {
        DriveProject p = Layout("SELKIRA", std::move(pulleys));
        p.linearDriveType = 0;
        return p;
    };
    // An omega drive chosen on the SELKIRA tab before the QUINDEL tab.
    auto leftOverOmega = [](std::vector<Pulley> pulleys) {
        DriveProject p = Layout("QUINDEL", std::move(pulleys));
        p.linearDriveType = 1;
        return p;
    };
    // Binary-exact sizes, so that the centre distance is exactly r1 + r2.
    std::vector<Case> cases = {
        {"timing belt", Layout("ORVANTO", {{0, 0, 500, 31, false}, {750, 0, 1000, 62, false}}), 2},
        {"open-end belt", selkira({{0, 0, 500, 31, false}, {750, 0, 1000, 62, false}}), 2},
        {"open-end belt on an idler", selkira({{0, 0, 500, 31, false}, {750, 0, 1000, 0, true}}), 2},
        {"multi-rib belt with a left-over omega drive", leftOverOmega({{0, 0, 307.2, 0, false}, {-256, 0, 204.8, 0, false}}),
         2},
        // Within a billionth of the centre distance they touch too, though
        // no interference is reported for them.
        {"a gap of 1e-13 m", selkira({{0, 0, 500, 31, false}, {750 + 1e-10, 0, 1000, 62, false}}), 2, false},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject& p = c.project;
        ComputeBeltPaths(p);
        ASSERT_EQ(p.beltPathTable[0][0], c.paths);
        for (int m = 1; m <= c.paths; ++m) {
            p.beltPathTable[0][1] = m;
            EXPECT_LE(p.beltPathTable[m][1], 2) << "an inner tangent on path " << m;
            EXPECT_LE(p.beltPathTable[m][2], 2) << "an inner tangent on path " << m;
            EXPECT_GT(ComputeBeltLength(p), 0);
        }
        if (!c.interferes) continue;
        ScriptedDialogs d;
        CheckPulleyInterference(p, d);
        EXPECT_EQ(p.calcState, 1);
        EXPECT_EQ(d.messageTexts(), std::vector<std::string>{"Pulley interference. Check the data !!!"});
    }
    // A multi-rib belt with a left-over omega drive type keeps the chord test
    // with its pulleys apart too: no path leaves a pulley unwrapped.
    DriveProject apart = Layout("QUINDEL", {{0, 0, 307.2, 0, false}, {-300, 0, 204.8, 0, false}});
    apart.linearDriveType = 1;
    ComputeBeltPaths(apart);
    EXPECT_EQ(apart.beltPathTable[0][0], 2);
}

TEST(ComputeLayoutExtent, SquareAroundTheCentresWithMargin) {
    struct Case {
        const char* name;
        DriveProject project;
        double half, cx, cy;  // mm
    };
    std::vector<Case> cases = {
        // Centres spread over 600 mm: a third of that is the margin.
        {"symmetric spread",
         Layout("ORVANTO", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}, {-300, 0, 100, 62, false}}), 500,
         0, 0},
        // Short layouts are framed by the largest pulley.
        {"short layout", Layout("ORVANTO", {{0, 0, 50, 31, false}, {90, 60, 100, 62, false}}), 120, 45, 30},
        {"omega drive", Omega(), 60 + 75, 0, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LayoutExtent e = ComputeLayoutExtent(c.project);
        EXPECT_NEAR(e.half * 1000, c.half, 1e-9);
        EXPECT_NEAR(e.cx * 1000, c.cx, 1e-9);
        EXPECT_NEAR(e.cy * 1000, c.cy, 1e-9);
    }
}

TEST(LayoutBeltLines, SpansOfTheCurrentPathAndTheLinearDriveExtras) {
    // Two pulleys 300 mm apart on the X axis: span 1 on the outer tangent
    // below or above, span 2 back along the other side.
    DriveProject open = Layout("SELKIRA", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}});
    ComputeBeltPaths(open);
    ASSERT_EQ(open.beltPathTable[0][0], 2);
    open.beltPathTable[0][1] = 2;
    const std::vector<BeltLine> lines = LayoutBeltLines(open);
    ASSERT_EQ(lines.size(), std::size_t(3));
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const BeltLine& l = lines[static_cast<std::size_t>(k - 1)];
        const int t = open.beltPathTable[2][k];
        EXPECT_EQ(l.kind, BeltLine::Kind::Span);
        EXPECT_EQ(l.span, k);
        EXPECT_EQ(l.x0, open.tangentPoint[0][t][k][0]);
        EXPECT_EQ(l.y0, open.tangentPoint[1][t][k][0]);
        EXPECT_EQ(l.x1, open.tangentPoint[0][t][k][1]);
        EXPECT_EQ(l.y1, open.tangentPoint[1][t][k][1]);
    }
    // The carriage: the middle quarter of span 2.
    const BeltLine& span2 = lines[1];
    const BeltLine& carriage = lines[2];
    EXPECT_EQ(carriage.kind, BeltLine::Kind::Carriage);
    EXPECT_NEAR(carriage.x0, span2.x1 + 0.375 * (span2.x0 - span2.x1), 1e-12);
    EXPECT_NEAR(carriage.y0, span2.y1 + 0.375 * (span2.y0 - span2.y1), 1e-12);
    EXPECT_NEAR(carriage.x1, span2.x1 + 0.625 * (span2.x0 - span2.x1), 1e-12);
    EXPECT_NEAR(std::hypot(carriage.x1 - carriage.x0, carriage.y1 - carriage.y0),
                std::hypot(span2.x1 - span2.x0, span2.y1 - span2.y0) / 4, 1e-12);

    // An endless belt or a joined one has no carriage on the drawing.
    for (auto [family, type] : {std::pair{"ORVANTO", 0}, std::pair{"SELKIRA", 2}}) {
        DriveProject p = open;
        p.beltFamily = family;
        p.linearDriveType = type;
        EXPECT_EQ(LayoutBeltLines(p).size(), std::size_t(2)) << family << type;
    }

    // Omega drive: pulley 3 at (-60, 50) runs from its top to the clamp at
    // X = -stroke/2.
    DriveProject omega = Omega();
    ComputeBeltPaths(omega);
    omega.beltPathTable[0][1] = 1;
    const std::vector<BeltLine> o = LayoutBeltLines(omega);
    ASSERT_EQ(o.size(), std::size_t(4));
    EXPECT_EQ(o[3].kind, BeltLine::Kind::ClampRun);
    EXPECT_NEAR(o[3].x0, -0.060, 1e-12);
    EXPECT_NEAR(o[3].y0, 0.065, 1e-12);
    EXPECT_NEAR(o[3].x1, -0.5, 1e-12);
    EXPECT_NEAR(o[3].y1, 0.065, 1e-12);
    // Span 2 is the other clamp run, from the top of pulley 2.
    EXPECT_NEAR(o[1].x1, 0.5, 1e-12);

    // No path, or a current path out of the table: nothing to draw.
    DriveProject none = omega;
    none.beltPathTable[0][0] = 0;
    EXPECT_TRUE(LayoutBeltLines(none).empty());
    none = omega;
    none.beltPathTable[0][1] = 5;
    EXPECT_TRUE(LayoutBeltLines(none).empty());
}

// The route every drawing takes the belt from: its pieces join end to end,
// and each wrap is as long as the pulley's arc of contact.
TEST(LayoutBeltRoute, PiecesJoinAndWrapsAreTheArcsOfContact) {
    struct Case {
        const char* name;
        DriveProject project;
        int path;
    };
    std::vector<Case> cases = {
        {"two pulleys", Layout("ORVANTO", {{0, 0, 50, 31, false}, {300, 0, 100, 62, false}}), 1},
        {"four pulleys with a wrap on the back",
         Layout("ORVANTO", {{0, 0, 73.2, 23, false}, {200, 600, 60, 0, true}, {380, 350, 127.3, 40, false},
                            {450, -100, 194.2, 61, false}}),
         2},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject& p = c.project;
        ComputeBeltPaths(p);
        ASSERT_GE(p.beltPathTable[0][0], c.path);
        p.beltPathTable[0][1] = c.path;
        ASSERT_GT(ComputeBeltLength(p), 0);
        const std::vector<BeltPiece> route = LayoutBeltRoute(p);
        ASSERT_EQ(route.size(), static_cast<std::size_t>(2 * p.pulleyCount));
        for (std::size_t i = 0; i < route.size(); ++i) {
            const BeltPiece& next = route[(i + 1) % route.size()];
            EXPECT_NEAR(route[i].x1, next.x0, 1e-12);
            EXPECT_NEAR(route[i].y1, next.y0, 1e-12);
            if (route[i].wrap) EXPECT_NEAR(route[i].sweep, p.pulleyArcOfContact[route[i].pulley], 1e-6);
        }
    }
    DriveProject omega = Omega();
    ComputeBeltPaths(omega);
    omega.beltPathTable[0][1] = 1;
    const std::vector<BeltPiece> o = LayoutBeltRoute(omega);
    ASSERT_EQ(o.size(), std::size_t(7));
    // From the clamp beyond pulley 3 to the clamp beyond pulley 2.
    EXPECT_NEAR(o.front().x0, -0.5, 1e-12);
    EXPECT_NEAR(o.back().x1, 0.5, 1e-12);
}
