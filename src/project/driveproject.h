// The one drive project: every value the screens, the calculations and the
// project file share. Members keep the names the whole program uses for them;
// array sizes are the upper bound + 1, so index 0 exists and pulleys are 1..4.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace belt {

template <typename T, std::size_t N>
using Arr = std::array<T, N>;
template <typename T, std::size_t N, std::size_t M>
using Arr2 = std::array<std::array<T, M>, N>;

// A grid of texts indexed like Arr2<std::string, N, M> whose copies share
// the cells until one of them writes: the grids of texts are filled once
// and then read, while a project is copied for every drive the proposals
// design (element by element, the texts cost more than all the numbers).
// A row reference taken for writing belongs to this copy only until the
// project is copied again.
template <std::size_t N, std::size_t M>
class SharedTexts {
public:
    using Row = std::array<std::string, M>;
    const Row& operator[](std::size_t i) const { return cells()[i]; }
    Row& operator[](std::size_t i) { return own()[i]; }
    static constexpr std::size_t size() { return N; }

private:
    using Cells = std::array<Row, N>;
    // The cells of a grid never written: one empty grid for all.
    static const Cells& empty() {
        static const std::shared_ptr<const Cells> kEmpty = std::make_shared<const Cells>();
        return *kEmpty;
    }
    const Cells& cells() const { return cells_ ? *cells_ : empty(); }
    Cells& own() {
        if (!cells_)
            cells_ = std::make_shared<Cells>();
        else if (cells_.use_count() > 1)
            cells_ = std::make_shared<Cells>(*cells_);
        return *cells_;
    }
    std::shared_ptr<Cells> cells_;
};

// Control values that belong to the project rather than to a widget: the
// project file saves them and the screens restore themselves from them.
struct ScreenState {
    int beltTypeTab = 0;                 // STEP1.BeltType.Tab: a Step1Tab (project/step1tab.h)
    Arr<bool, 3> optionDriver{};         // STEP1.OptionDriver(0..2)
    Arr<bool, 4> optionInput{};          // STEP1.OptionInput(0..3)
    // STEP1.Tabella(7..11) colours as r + 256 g + 65536 b; indices 7..11 used.
    Arr<std::int32_t, 12> tabellaBackColor{};
    Arr<std::int32_t, 12> tabellaForeColor{};
    int proprietaListIndex = -1;         // STEP1.Proprieta.ListIndex
    Arr<int, 5> checkIdler{};            // STEP3.checkidler(2..4).Value
    std::string remarks;                 // STEP5.Remarks.Text
    // Which step 3 idler diameter boxes hold a typed value (pulleys 2..4);
    // the calculation reads this where it would otherwise read the boxes.
    Arr<bool, 5> idlerDiameterTyped{};
    bool layoutDrawn = false;            // STEP4.Belt(0) visible: DRAW was pressed
};

// How a value of the drive was last set: typed (or read from a file), or
// derived, and from what. The place that computes the value sets its rule,
// so the calculation details state it without guessing from the numbers.
// Not saved: a project read from a file has its values as given.
enum class ValueRule : std::uint8_t {
    Given,
    CarriageForce,        // F = m (g sin(slope) + acc) + friction
    ForceFromTorque,      // F = 2 T / d1
    ForceFromPower,       // F = P / v
    SpeedFromPowerForce,  // v = P / F
    SpeedFromPulley,      // v = n d / 2 of the pulley named in speedPulley
    PowerFromForceSpeed,  // P = F v
    PulleyFromBeltSpeed,  // n = 2 v / d
    PulleyFromRatio,      // n = n1 / i
};

struct ValueRules {
    ValueRule force = ValueRule::Given;
    ValueRule speed = ValueRule::Given;
    ValueRule power = ValueRule::Given;
    int speedPulley = 0;                 // the pulley whose speed gave the belt speed
    std::array<ValueRule, 5> pulleySpeed{};
};

struct DriveProject {
    DriveProject();

    // Clears the project as the File menu's Reset does. Unit tables, the
    // belt length limits and the demonstration flags survive; the screen
    // state returns to the forms' design values.
    void reset();

    // A. Belt selection
    std::string beltFamily;
    std::string beltType;
    std::string beltPitchCode;
    std::string beltName;
    std::string beltSuffixAvailable;
    std::string beltSideSuffix;
    std::string beltCode;
    std::string beltCodeDetail;
    double beltPitch = 0;                // m
    Arr<float, 3> toothDimensions{};     // m
    int profileButtonIndex = 0;
    int profileDrawingCode = 0;          // 0..12
    int beltKindCode = 0;                // 0 timing, 1 multi-rib, 2 flat
    int flatBeltIndex = 0;
    int flatBeltInfoColumn = 0;          // 21..23

    // B. Drive configuration and control
    int pulleyCount = 0;
    int twoPulleyMode = 0;
    int linearDriveType = 0;
    int pitchRangeFirst = 0;
    int pitchRangeLast = 0;
    int calcState = 0;
    int layoutNeedsAdjust = 0;

    // C. Application data
    double slopeAngle = 0;               // degree
    double carriageMass = 0;             // kg
    double stroke = 0;                   // m
    double torque = 0;                   // N m
    double carriageLength = 0;           // m
    double acceleration = 0;             // m/s^2
    double beltSpeed = 0;                // m/s
    double frictionForce = 0;            // N
    double power = 0;                    // W
    double peripheralForce = 0;          // N
    float serviceFactor = 0;
    float loadFactorSecond = 0;
    float loadFactor = 0;

    // D. Results and belt data
    double maxEffectivePull = 0;         // N
    double centreDistance = 0;           // m
    double beltLength = 0;               // m
    double lastStandardLength = 0;       // m; 99999 = none accepted yet
    double beltWidth = 0;                // m; multi-rib: ribs
    double beltWidthCalculated = 0;      // m; multi-rib: ribs
    double maxTractionLoad1 = 0;         // N
    double maxTractionLoad2 = 0;         // N
    double maxTractionLoad3 = 0;         // N
    double maxBeltWidth = 0;             // m
    double maxBeltLength = 0;            // m, kept across Reset, not saved
    double minBeltLength = 0;            // m, kept across Reset, not saved
    double powerRatingWithWidth = 0;     // W
    double minIdlerDiameterInside = 0;   // m
    double minIdlerDiameterOutside = 0;  // m
    double pulleyFaceWidth = 0;          // m
    int teethInMesh = 0;

    // E. Pulleys, 1..4
    Arr<double, 5> pulleyDiameter{};         // m, pitch diameter
    Arr<double, 5> pulleySpeed{};            // rad/s
    Arr<int, 5> pulleyTeeth{};
    Arr<double, 5> pulleyRatio{};
    Arr<int, 5> pulleyIsIdler{};             // -1 true, 0 false
    Arr<double, 5> pulleyArcOfContact{};     // rad
    Arr<int, 5> pulleyBeltSide{};            // 1 toothed side, 0 back
    Arr<double, 5> pulleyOutsideDiameter{};  // m
    Arr<double, 5> pulleyFlangeDiameter{};   // m
    Arr<double, 5> pulleyMaxBore{};          // m, -1 = teeth not in table
    Arr<double, 5> pulleyCrownHeight{};      // m
    Arr2<double, 2, 5> pulleyPosition{};     // (0,k) X, (1,k) Y in m

    // F. Layout geometry
    Arr2<int, 257, 5> beltPathTable{};
    // (coordinate 0..1, tangent choice 0..4, pulley 0..4, end 0..1), m
    Arr<Arr<Arr<Arr<double, 2>, 5>, 5>, 2> tangentPoint{};

    // G. Catalogue and working tables
    Arr2<double, 105, 4> pulleyTable{};
    Arr2<float, 64, 3> loadFactorC3Table{};
    SharedTexts<24, 17> flatBeltTable;            // (column, row)
    Arr<double, 9> standardWidths{};              // mm
    Arr<double, 9> widthTableA{};                 // mm
    Arr<double, 8> admissiblePullOpen{};
    Arr<double, 8> admissiblePullJoined{};
    Arr<double, 8> breakingLoad{};
    Arr<int, 66> standardLengths{};
    Arr2<double, 14, 3> ribFlatRatingTable{};
    Arr<double, 7> toothLoadCoefficients{};
    SharedTexts<25, 44> feasibilityTable;         // (column, row)
    SharedTexts<20, 4> idlerTable;
    Arr2<float, 4, 31> guideLine{};
    // Second index runs 15..30; 0..14 are never used.
    Arr2<double, 8, 31> guideWidths{};

    // H. Units of measure: (quantity, choice); column 0 = current choice
    Arr2<double, 8, 8> unitFactor{};
    SharedTexts<8, 8> unitLabel;

    // I. Demonstration
    int demoRunning = 0;
    int demoStep = 0;

    ScreenState screen;
    ValueRules rules;
};

// Value of VB's True as the old program stored it in Integer flags.
constexpr int kTrue = -1;
// lastStandardLength when no standard length has been accepted yet.
constexpr double kNoStandardLength = 99999.0;
// The program's value of pi, used wherever the calculations need it.
constexpr double kPi = 3.141592654;

}  // namespace belt
