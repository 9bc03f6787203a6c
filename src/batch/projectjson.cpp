#include "batch/projectjson.h"

#include <charconv>
#include <cmath>
#include <string>

#include "catalogue/beltids.h"

namespace belt::batch {

using nlohmann::ordered_json;

ordered_json ToJson(double v) {
    if (!std::isfinite(v)) return nullptr;
    return v;
}

ordered_json ToJson(float v) {
    if (!std::isfinite(v)) return nullptr;
    // The shortest text that reads back as this Single, read as a Double:
    // a service factor of 1.6 stays 1.6.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    double d = 0;
    std::from_chars(text, end, d);
    return d;
}

namespace {

// The overloads below would hide these from the array template.
using batch::ToJson;

ordered_json ToJson(int v) {
    return v;
}
ordered_json ToJson(bool v) {
    return v;
}
ordered_json ToJson(const std::string& v) {
    return v;
}

template <typename T, std::size_t N>
ordered_json ToJson(const std::array<T, N>& a) {
    ordered_json out = ordered_json::array();
    for (const T& v : a) out.push_back(ToJson(v));
    return out;
}

ordered_json ScreenToJson(const ScreenState& s) {
    ordered_json j;
#define BELT_FIELD(name) j[#name] = ToJson(s.name)
    BELT_FIELD(beltTypeTab);
    BELT_FIELD(optionDriver);
    BELT_FIELD(optionInput);
    BELT_FIELD(tabellaBackColor);
    BELT_FIELD(tabellaForeColor);
    BELT_FIELD(proprietaListIndex);
    BELT_FIELD(checkIdler);
    BELT_FIELD(remarks);
    BELT_FIELD(idlerDiameterTyped);
    BELT_FIELD(layoutDrawn);
#undef BELT_FIELD
    return j;
}

}  // namespace

ordered_json ProjectToJson(const DriveProject& p) {
    ordered_json j;
#define BELT_FIELD(name) j[#name] = ToJson(p.name)
    // A. Belt selection
    BELT_FIELD(beltFamily);
    BELT_FIELD(beltType);
    BELT_FIELD(beltPitchCode);
    BELT_FIELD(beltName);
    BELT_FIELD(beltSuffixAvailable);
    BELT_FIELD(beltSideSuffix);
    BELT_FIELD(beltCode);
    BELT_FIELD(beltCodeDetail);
    BELT_FIELD(beltPitch);
    BELT_FIELD(toothDimensions);
    BELT_FIELD(profileButtonIndex);
    BELT_FIELD(profileDrawingCode);
    BELT_FIELD(beltKindCode);
    BELT_FIELD(flatBeltIndex);
    BELT_FIELD(flatBeltInfoColumn);
    // B. Drive configuration and control
    BELT_FIELD(pulleyCount);
    BELT_FIELD(twoPulleyMode);
    BELT_FIELD(linearDriveType);
    BELT_FIELD(pitchRangeFirst);
    BELT_FIELD(pitchRangeLast);
    BELT_FIELD(calcState);
    BELT_FIELD(layoutNeedsAdjust);
    // C. Application data
    BELT_FIELD(slopeAngle);
    BELT_FIELD(carriageMass);
    BELT_FIELD(stroke);
    BELT_FIELD(torque);
    BELT_FIELD(carriageLength);
    BELT_FIELD(acceleration);
    BELT_FIELD(beltSpeed);
    BELT_FIELD(frictionForce);
    BELT_FIELD(power);
    BELT_FIELD(peripheralForce);
    BELT_FIELD(serviceFactor);
    BELT_FIELD(loadFactorSecond);
    BELT_FIELD(loadFactor);
    // D. Results and belt data
    BELT_FIELD(maxEffectivePull);
    BELT_FIELD(centreDistance);
    BELT_FIELD(beltLength);
    BELT_FIELD(lastStandardLength);
    BELT_FIELD(beltWidth);
    BELT_FIELD(beltWidthCalculated);
    BELT_FIELD(maxTractionLoad1);
    BELT_FIELD(maxTractionLoad2);
    BELT_FIELD(maxTractionLoad3);
    BELT_FIELD(maxBeltWidth);
    BELT_FIELD(maxBeltLength);
    BELT_FIELD(minBeltLength);
    BELT_FIELD(powerRatingWithWidth);
    BELT_FIELD(minIdlerDiameterInside);
    BELT_FIELD(minIdlerDiameterOutside);
    // A multi-rib pulley has no face width.
    if (p.beltFamily == kQuindel)
        j["pulleyFaceWidth"] = nullptr;
    else
        BELT_FIELD(pulleyFaceWidth);
    BELT_FIELD(teethInMesh);
    // E. Pulleys
    BELT_FIELD(pulleyDiameter);
    BELT_FIELD(pulleySpeed);
    BELT_FIELD(pulleyTeeth);
    BELT_FIELD(pulleyRatio);
    BELT_FIELD(pulleyIsIdler);
    BELT_FIELD(pulleyArcOfContact);
    BELT_FIELD(pulleyBeltSide);
    BELT_FIELD(pulleyOutsideDiameter);
    BELT_FIELD(pulleyFlangeDiameter);
    BELT_FIELD(pulleyMaxBore);
    BELT_FIELD(pulleyCrownHeight);
    BELT_FIELD(pulleyPosition);
    // F. Layout geometry
    BELT_FIELD(beltPathTable);
    BELT_FIELD(tangentPoint);
    // G. Catalogue and working tables
    BELT_FIELD(pulleyTable);
    BELT_FIELD(loadFactorC3Table);
    BELT_FIELD(flatBeltTable);
    BELT_FIELD(standardWidths);
    BELT_FIELD(widthTableA);
    BELT_FIELD(admissiblePullOpen);
    BELT_FIELD(admissiblePullJoined);
    BELT_FIELD(breakingLoad);
    BELT_FIELD(standardLengths);
    BELT_FIELD(ribFlatRatingTable);
    BELT_FIELD(toothLoadCoefficients);
    BELT_FIELD(feasibilityTable);
    BELT_FIELD(idlerTable);
    BELT_FIELD(guideLine);
    BELT_FIELD(guideWidths);
    // H. Units of measure
    BELT_FIELD(unitFactor);
    BELT_FIELD(unitLabel);
    // I. Demonstration
    BELT_FIELD(demoRunning);
    BELT_FIELD(demoStep);
#undef BELT_FIELD
    j["screen"] = ScreenToJson(p.screen);
    return j;
}

}  // namespace belt::batch
