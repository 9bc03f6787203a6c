#include <gtest/gtest.h>

#include "project/driveproject.h"

using belt::DriveProject;

TEST(DriveProject, StartUpValues) {
    DriveProject p;
    EXPECT_FLOAT_EQ(p.loadFactor, 1.0F);
    EXPECT_DOUBLE_EQ(p.pulleyRatio[1], 1.0);
    EXPECT_EQ(p.beltType, "");
    EXPECT_EQ(p.lastStandardLength, 0.0);
}

TEST(DriveProject, ResetClearsTheProjectButKeepsUnitsLimitsAndDemo) {
    DriveProject p;
    p.unitFactor[0][0] = 3;
    p.unitLabel[0][1] = "[mm]";
    p.maxBeltLength = 4.5;
    p.minBeltLength = 0.2;
    p.demoRunning = 2;
    p.demoStep = 7;
    p.beltType = "ORVANTO T";
    p.pulleyDiameter[2] = 0.1;
    p.tangentPoint[1][4][3][1] = 2.0;
    p.beltPathTable[256][4] = 3;
    p.flatBeltTable[23][16] = "x";
    p.screen.remarks = "note";
    p.screen.beltTypeTab = 4;
    p.reset();
    EXPECT_EQ(p.unitFactor[0][0], 3);
    EXPECT_EQ(p.unitLabel[0][1], "[mm]");
    EXPECT_EQ(p.maxBeltLength, 4.5);
    EXPECT_EQ(p.minBeltLength, 0.2);
    EXPECT_EQ(p.demoRunning, 2);
    EXPECT_EQ(p.demoStep, 7);
    EXPECT_EQ(p.beltType, "");
    EXPECT_EQ(p.pulleyDiameter[2], 0.0);
    EXPECT_EQ(p.tangentPoint[1][4][3][1], 0.0);
    EXPECT_EQ(p.beltPathTable[256][4], 0);
    EXPECT_EQ(p.flatBeltTable[23][16], "");
    EXPECT_EQ(p.screen.remarks, "");
    EXPECT_EQ(p.screen.beltTypeTab, 0);
    // After Reset the start-up 1.0 values are gone until a screen sets them.
    EXPECT_EQ(p.loadFactor, 0.0F);
    EXPECT_EQ(p.pulleyRatio[1], 0.0);
}

// Go On from step 3 compares the belt length with the standard length last
// accepted; after Reset nothing has been accepted yet.
TEST(DriveProject, ResetForgetsTheAcceptedStandardLength) {
    DriveProject p;
    p.lastStandardLength = 0.9;
    p.reset();
    EXPECT_EQ(p.lastStandardLength, 0.0);
    p.lastStandardLength = 99999;
    p.reset();
    EXPECT_EQ(p.lastStandardLength, 0.0);
}
