// The shaft load arrows on the layout: one per loaded pulley, from its
// centre along its load, scaled to the largest, and with their values
// inside the layout's square on targets of every shape.
#include <QTest>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/calculationtables.h"
#include "catalogue/flatbelts.h"
#include "drawing/layoutdrawing.h"
#include "drawing/shaftloadarrows.h"
#include "engine/designsequence.h"
#include "engine/shaftloads.h"
#include "guitestsupport.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "units/units.h"

using namespace belt;

namespace {

DriveProject Example() {
    DriveProject p;
    InitUnitTables(p);
    if (!ProjectFile::open(std::string(BELT_ASSETS_DIR) + "/examples/demo.dat", p).ok) return p;
    LoadCalculationTables(p);
    return p;
}

DriveProject Designed(const char* file, std::deque<MsgAnswer> answers, std::deque<std::string> inputs = {}) {
    DriveProject p;
    InitUnitTables(p);
    if (!ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/" + file, p).ok) return p;
    LoadCalculationTables(p);
    ScriptedDialogs d;
    d.answers = std::move(answers);
    d.inputs = std::move(inputs);
    d.acceptInputDefaults = true;
    GoOnFromStep3(p, d);
    return p;
}

bool Inside(const QRectF& square, const QPointF& at) {
    constexpr double kHair = 1e-6;
    return at.x() >= square.left() - kHair && at.x() <= square.right() + kHair && at.y() >= square.top() - kHair &&
           at.y() <= square.bottom() + kHair;
}

}  // namespace

class TestShaftLoadArrows : public QObject {
    Q_OBJECT
private slots:
    void arrowsAndValuesStayInsideTheDrawing();
    void arrowsPointAlongTheLoadsScaledToTheLargest();
    void noArrowsWithoutAnInstallationTension();
};

void TestShaftLoadArrows::arrowsAndValuesStayInsideTheDrawing() {
    struct Case {
        const char* name;
        std::function<DriveProject()> make;
        int arrows;
    };
    const Case cases[] = {
        {"four pulleys", Example, 4},
        {"two pulleys", [] { return Designed("two-pulley-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes}); }, 2},
        {"three pulleys with an idler",
         [] {
             DriveProject p = test::TriangleLayout();
             p.beltFamily = "ORVANTO";
             p.beltType = "ORVANTO T";
             p.peripheralForce = 400;
             ComputeBeltLength(p);
             return p;
         },
         3},
        {"flat belt in kgf",
         [] {
             DriveProject p = Designed("fendaro-fxa3.dat", {MsgAnswer::No}, {"40"});
             ChooseUnit(p, kForce, 2);
             return p;
         },
         2},
    };
    // A wide page, a tall screen, a small picture and a sliver.
    const QRectF targets[] = {QRectF(0, 0, 900, 400), QRectF(10, 20, 300, 700), QRectF(0, 0, 120, 120),
                              QRectF(0, 0, 60, 400)};
    const LayoutDrawingStyle style = LayoutDrawingStyle::Paper(12);
    for (const Case& c : cases) {
        const DriveProject p = c.make();
        for (const QRectF& target : targets) {
            const LayoutFrame f(p, target);
            QVERIFY2(f.valid(), c.name);
            const std::vector<ShaftLoadArrow> arrows = ShaftLoadArrows(p, f, style);
            QVERIFY2(static_cast<int>(arrows.size()) == c.arrows, c.name);
            const QRectF& sq = f.square();
            for (const ShaftLoadArrow& a : arrows) {
                const QString where = QStringLiteral("%1, pulley %2, target %3x%4")
                                          .arg(QLatin1String(c.name))
                                          .arg(a.pulley)
                                          .arg(target.width())
                                          .arg(target.height());
                QVERIFY2(Inside(sq, a.shaft.p1()) && Inside(sq, a.shaft.p2()), qPrintable(where));
                for (const QLineF& b : a.barbs) QVERIFY2(Inside(sq, b.p2()), qPrintable(where));
                QVERIFY2(sq.contains(a.label), qPrintable(where + QStringLiteral(": label")));
                QVERIFY2(!a.text.isEmpty(), qPrintable(where));
            }
            // Where there is room, no value covers another (the example's
            // arrows of pulleys 1 and 4 meet tip to tip).
            if (sq.width() >= 300)
                for (std::size_t i = 0; i < arrows.size(); ++i)
                    for (std::size_t j = i + 1; j < arrows.size(); ++j)
                        QVERIFY2(!arrows[i].label.intersects(arrows[j].label),
                                 qPrintable(QStringLiteral("%1: values of pulleys %2 and %3")
                                                .arg(QLatin1String(c.name))
                                                .arg(arrows[i].pulley)
                                                .arg(arrows[j].pulley)));
        }
    }
}

void TestShaftLoadArrows::arrowsPointAlongTheLoadsScaledToTheLargest() {
    // The idler of the triangle carries less than the two pulleys: its arrow
    // is shorter in that proportion, and every arrow points the way of its
    // load (Y up in the layout, down on the target).
    DriveProject p = test::TriangleLayout();
    p.peripheralForce = 400;
    ComputeBeltLength(p);
    const ShaftLoads loads = ComputeShaftLoads(p);
    const LayoutFrame f(p, QRectF(0, 0, 800, 800));
    const std::vector<ShaftLoadArrow> arrows = ShaftLoadArrows(p, f, LayoutDrawingStyle::Screen(96));
    QCOMPARE(arrows.size(), std::size_t{3});
    double largest = 0;
    for (const StaticShaftLoad& s : loads.statics) largest = std::max(largest, s.magnitude);
    const double longest = std::max({arrows[0].shaft.length(), arrows[1].shaft.length(), arrows[2].shaft.length()});
    for (const ShaftLoadArrow& a : arrows) {
        const StaticShaftLoad& s = loads.statics[static_cast<std::size_t>(a.pulley - 1)];
        QVERIFY(std::abs(a.shaft.length() / longest - s.magnitude / largest) < 1e-9);
        const QPointF d = a.shaft.p2() - a.shaft.p1();
        QVERIFY(std::abs(std::atan2(-d.y(), d.x()) - std::atan2(s.y, s.x)) < 1e-9);
        QCOMPARE(a.text, QString::fromStdString(Format(s.magnitude, "###0.0") + " N"));
    }
}

void TestShaftLoadArrows::noArrowsWithoutAnInstallationTension() {
    DriveProject p = Designed("fendaro-fxa3.dat", {MsgAnswer::No}, {"40"});
    p.flatBeltIndex = 12;  // ELASTIC: no tension per cm
    p.beltPitchCode = "FXA12";
    QVERIFY(ShaftLoadArrows(p, LayoutFrame(p, QRectF(0, 0, 400, 400)), LayoutDrawingStyle::Paper(12)).empty());
}

QTEST_MAIN(TestShaftLoadArrows)
#include "test_shaftloadarrows.moc"
