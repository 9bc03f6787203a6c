#include <gtest/gtest.h>

#include <string>

#include "engine/beltcode.h"
#include "testsupport.h"

using belt::test::ChooseBelt;

namespace belt {
namespace {

struct Case {
    const char* beltType;
    const char* pitchCode;
    double pitch;  // m
    const char* sideSuffix;
    int linearDriveType;
    double width;      // m, ribs for QUINDEL
    double length;     // m
    double faceWidth;  // m
    const char* code;
    const char* detail;  // "" = not checked
    int kind;
    int drawing;
};

// Lengths are given as whole pitches where the code counts teeth.
const Case kCases[] = {
    {"ORVANTO T", "T10", 0.01, "DL", 0, 0.025, 1.5, 0.030, "25 T10-1500DL", "30 T10 ", 0, 1},
    {"ORVANTO T", "T5", 0.005, "", 0, 0.010, 0.5, 0.015, "10 T5-500", "15 T5 ", 0, 0},
    {"ORVANTO AT", "AT10", 0.01, "", 0, 0.032, 1.21, 0.037, "32 AT10-1210", "37 AT10 ", 0, 2},
    // 86 teeth x 3.749 = 322.4; 19.05 mm = 75 hundredths of an inch.
    {"RUBBER I", "L", 0.009525, "", 0, 0.01905, 86 * 0.009525, 0.0254, "322 L 075", "100 L ", 0, 4},
    {"RUBBER I", "XL", 0.00508, "DT", 0, 0.009398, 65 * 0.00508, 0.0122, "DT 130 XL 037", "048 XL ", 0, 5},
    // 58 x 8.75 = 507.5 rounds half to even.
    {"RUBBER I", "XH", 0.022225, "", 0, 0.0508, 58 * 0.022225, 0.065, "508 XH 200", "", 0, 4},
    {"ORVANTO I", "H", 0.0127, "", 0, 0.0254, 60 * 0.0127, 0.0297, "300 H 100", "117 H ", 0, 3},
    {"ORVANTO I", "XL", 0.00508, "", 0, 0.00635, 65 * 0.00508, 0.0089, "130 XL 025", "035 XL ", 0, 3},
    {"ORVANTO I", "MXL", 0.002032, "", 0, 0.00635, 100 * 0.002032, 0.0089, "80100 MXL 025", "9 MXL ", 0, 3},
    {"RUBBER QVP", "QVP8", 0.008, "DD", 0, 0.050, 2.4, 0.060, "50 QVP8-2400DD", "60 QVP8 ", 0, 8},
    {"TAVOREN QVP", "QVP8", 0.008, "", 0, 0.050, 2.4, 0.058, "50 QVP8-2400", "58 QVP8 ", 0, 7},
    {"TAVOREN T", "T10", 0.01, "DD", 0, 0.025, 1.5, 0.030, "25 T10-1500DD", "30 T10 ", 0, 0},
    {"SELKIRA T", "T10", 0.01, "", 0, 0.025, 5.0, 0.030, "25 T10 - 5000", "30 T10 ", 0, 0},
    {"SELKIRA I", "XL", 0.00508, "", 1, 0.0254, 3.0, 0.032, "100 XL - 3000", "126 XL ", 0, 3},
    {"SELKIRA QXD", "QXD14M", 0.014, "", 2, 0.055, 12.0, 0.069, "55 14M - 12000 - J", "69 14M ", 0, 6},
    {"SELKIRA QXD", "QXD8M", 0.008, "", 2, 0.020, 4.5, 0.028, "20 8M - 4500 - J", "28 8M ", 0, 6},
    {"QUINDEL ZB2", "ZB2", 0.001, "", 0, 6, 1.186, 6.011, "1186  ZB2  6", "", 1, 9},
    {"QUINDEL J", "J", 0.001, "", 0, 12, 0.66, 12.011, "660  J  12", "", 1, 10},
    {"QUINDEL H", "H", 0.001, "", 0, 2.5, 0.66, 2.511, "660  H  2.5", "", 1, 11},
    {"FENDARO FXA1", "FXA1", 0.001, "", 0, 0.050, 1.5, 0.061, "1500  FXA1 50", "61  ", 2, 12},
};

TEST(BuildBeltCode, CodesOfEveryFamily) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.code);
        DriveProject p;
        ChooseBelt(p, c.beltType, c.pitchCode, c.pitch);
        p.beltName += c.sideSuffix;
        p.beltSideSuffix = c.sideSuffix;
        p.linearDriveType = c.linearDriveType;
        p.beltWidth = c.width;
        p.beltLength = c.length;
        p.pulleyFaceWidth = c.faceWidth;
        p.profileDrawingCode = 99;
        BuildBeltCode(p);
        EXPECT_EQ(p.beltCode, c.code);
        if (*c.detail) EXPECT_EQ(p.beltCodeDetail, c.detail);
        EXPECT_EQ(p.beltKindCode, c.kind);
        EXPECT_EQ(p.profileDrawingCode, c.drawing);
    }
}

TEST(BuildBeltCode, UnknownBeltKeepsItsDrawingCode) {
    DriveProject p;
    p.beltType = "ORVANTO X";
    p.beltFamily = "ORVANTO";
    p.profileDrawingCode = 5;
    EXPECT_EQ(ProfileDrawingCode(p), 5);
}

}  // namespace
}  // namespace belt
