#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "project/driveproject.h"
#include "project/projectfile.h"

namespace fs = std::filesystem;
using belt::DriveProject;
using belt::FormatFileNumber;
using belt::ProjectFile;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// A folder of its own per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("belt_pf_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(path_)) names.push_back(e.path().filename().string());
        return names;
    }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

// A value that only this cell of the project holds, so a field written to or
// read from the wrong record shows up. Fifteen digits or fewer, so it
// survives the file exactly.
double cell(int a, int b = 0, int c = 0, int d = 0) {
    // One correctly rounded division: the double nearest to the decimal.
    return (500000000.0 + a * 1e6 + b * 1e4 + c * 100.0 + d) / 1e9;
}

DriveProject populated() {
    DriveProject p;
    auto& s = p.screen;
    s.beltTypeTab = 5;
    s.optionDriver = {false, true, false};
    s.optionInput = {false, false, true, false};
    for (int i = 7; i <= 11; ++i) {
        s.tabellaBackColor[i] = 16776960 + i;
        s.tabellaForeColor[i] = 8388608 + i;
    }
    s.proprietaListIndex = 12;
    s.checkIdler = {0, 0, 1, 0, 1};
    s.remarks = "Line conveyor 4";
    p.beltName = "RUBBER H";
    p.beltCode = "100 H-1200";
    p.beltCodeDetail = "110 ";
    p.beltSideSuffix = "DT";
    p.beltFamily = "RUBBER";
    p.beltPitchCode = "H";
    p.beltSuffixAvailable = "DT";
    p.beltType = "RUBBER I";
    p.profileButtonIndex = 7;
    p.profileDrawingCode = 11;
    p.beltKindCode = 2;
    p.flatBeltIndex = 9;
    p.flatBeltInfoColumn = 22;
    p.linearDriveType = 1;
    p.twoPulleyMode = 2;
    p.pulleyCount = 4;
    p.pitchRangeFirst = 3;
    p.pitchRangeLast = 6;
    p.calcState = 3;
    p.beltPitch = 0.0127;
    p.serviceFactor = 1.7F;
    p.loadFactorSecond = 0.3F;
    p.loadFactor = 1.4F;
    double* doubles[] = {&p.slopeAngle,
                         &p.carriageMass,
                         &p.stroke,
                         &p.torque,
                         &p.carriageLength,
                         &p.acceleration,
                         &p.beltSpeed,
                         &p.frictionForce,
                         &p.power,
                         &p.peripheralForce,
                         &p.maxEffectivePull,
                         &p.centreDistance,
                         &p.beltLength,
                         &p.lastStandardLength,
                         &p.beltWidth,
                         &p.beltWidthCalculated,
                         &p.maxTractionLoad1,
                         &p.maxTractionLoad2,
                         &p.maxTractionLoad3,
                         &p.maxBeltWidth,
                         &p.powerRatingWithWidth,
                         &p.minIdlerDiameterInside,
                         &p.minIdlerDiameterOutside,
                         &p.pulleyFaceWidth};
    int n = 1;
    for (double* d : doubles) *d = cell(900 + n++);
    p.layoutNeedsAdjust = 3;
    p.teethInMesh = 7;
    for (int i = 0; i < 66; ++i) p.standardLengths[i] = 300 + i;
    for (int i = 0; i < 7; ++i) p.toothLoadCoefficients[i] = cell(10, i);
    for (int i = 0; i < 105; ++i)
        for (int j = 0; j < 4; ++j) p.pulleyTable[i][j] = cell(20, i, j);
    for (int i = 0; i < 14; ++i)
        for (int j = 0; j < 3; ++j) p.ribFlatRatingTable[i][j] = -cell(30, i, j);
    p.toothDimensions = {0.0035F, 0.0021F, 1.25e-5F};
    for (int k = 0; k <= 4; ++k) {
        p.pulleyPosition[0][k] = cell(40, k, 0);
        p.pulleyPosition[1][k] = -cell(40, k, 1);
        p.pulleyDiameter[k] = cell(41, k);
        p.pulleySpeed[k] = cell(42, k) * 100;
        p.pulleyArcOfContact[k] = cell(43, k);
        p.pulleyTeeth[k] = 20 + k;
        p.pulleyRatio[k] = cell(44, k);
        p.pulleyIsIdler[k] = (k % 2 == 0) ? belt::kTrue : 0;
        p.pulleyBeltSide[k] = k % 2;
        p.pulleyOutsideDiameter[k] = cell(45, k);
        p.pulleyFlangeDiameter[k] = cell(46, k);
        p.pulleyMaxBore[k] = k == 3 ? -1 : cell(47, k);
        p.pulleyCrownHeight[k] = cell(48, k);
        for (int j = 0; j <= 1; ++j)
            for (int m = 0; m <= 4; ++m)
                for (int e = 0; e <= 1; ++e) p.tangentPoint[j][k][m][e] = cell(50 + j, k, m, e);
        for (int r = 0; r <= 256; ++r) p.beltPathTable[r][k] = r * 10 + k;
    }
    for (int i = 0; i <= 7; ++i) {
        p.widthTableA[i] = cell(60, i);
        p.admissiblePullOpen[i] = cell(61, i);
        p.admissiblePullJoined[i] = cell(62, i);
        p.breakingLoad[i] = cell(63, i);
    }
    return p;
}

}  // namespace

// --- Numbers as the first version's runtime wrote them -----------------------

TEST(ProjectFileNumbers, WrittenInTheOldRuntimeStyle) {
    struct Case {
        double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {0, 15, "0"},
        {-0.0, 15, "0"},
        {0.5, 15, ".5"},
        {-0.5, 15, "-.5"},
        {3400, 15, "3400"},
        {125.66370616, 15, "125.66370616"},
        {3.14159265358979323, 15, "3.14159265358979"},
        {2.18999999931236, 15, "2.18999999931236"},
        {0.0001, 15, ".0001"},
        {1e-5, 15, "1E-05"},
        {-2.5e-7, 15, "-2.5E-07"},
        {6.25e-8, 15, "6.25E-08"},
        {1.5e20, 15, "1.5E+20"},
        {1e100, 15, "1E+100"},
        {123456789012345, 15, "123456789012345"},
        {1e15, 15, "1E+15"},
        {999999999999999.9, 15, "1E+15"},  // rounding carries into a new digit
        {0.1 + 0.2, 15, ".3"},
        {1.6F, 7, "1.6"},
        {0.1F, 7, ".1"},
        {1234567, 7, "1234567"},
        {12345678, 7, "1.234568E+07"},
        {1.25e-5F, 7, "1.25E-05"},
        {std::numeric_limits<double>::quiet_NaN(), 15, "0"},
        {std::numeric_limits<double>::infinity(), 15, "0"},
        // Rounding must not carry past the largest Double: the reader could
        // not take the number back.
        {std::numeric_limits<double>::max(), 15, "1.79769313486231E+308"},
        {-std::numeric_limits<double>::max(), 15, "-1.79769313486231E+308"},
        {std::numeric_limits<double>::max(), 1, "1E+308"},
        {std::numeric_limits<float>::max(), 7, "3.402823E+38"},
        {std::numeric_limits<double>::denorm_min(), 15, "4.94065645841247E-324"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFileNumber(c.value, c.digits), c.text) << c.value;
    }
}

// --- Writing ---------------------------------------------------------------

TEST(ProjectFileWrite, HasTheRecordsOfTheFormatInOrder) {
    DriveProject p = populated();
    const std::string text = ProjectFile::write(p, "STEP5");
    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), 1983u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "\"STEP5\"");
    EXPECT_EQ(lines[1], "5");
    EXPECT_EQ(lines[2], "7,11,2");
    EXPECT_EQ(lines[3], "\"RUBBER I\"");
    EXPECT_EQ(lines[5], "#FALSE#");
    EXPECT_EQ(lines[6], "#TRUE#");
    EXPECT_EQ(lines[10], "#TRUE#");    // OptionInput(2)
    EXPECT_EQ(lines[12], "16776967");  // Tabella(7) back colour
    EXPECT_EQ(lines[13], "8388615");   // Tabella(7) fore colour
    EXPECT_EQ(lines[22], "12");
    EXPECT_EQ(lines[23], "1");
    EXPECT_EQ(lines[24], "0");
    EXPECT_EQ(lines[26], "\"Line conveyor 4\"");
    EXPECT_EQ(lines[27], "\"RUBBER H\"");
    EXPECT_EQ(lines[33], "\"DT\"");
    EXPECT_EQ(lines[34], "22,1,2,4,3,6");
    EXPECT_EQ(lines[35], "3,.0127,1.7,.3,1.4");
    EXPECT_EQ(lines[40], "1.42,3,1.421,1.422");
    EXPECT_EQ(lines[41], "1.423,1.424,7");
    EXPECT_EQ(lines[42], "300");
    EXPECT_EQ(lines[107], "365");
    EXPECT_EQ(lines[579], "1.25E-05");
    // Block of pulley 3: position, diameter, speed, arc, teeth; then ratio,
    // idler flag as a Boolean, belt side, catalogue values.
    const std::size_t block3 = 580 + 3 * 279;
    EXPECT_EQ(lines[block3], ".54003,-.5400301,.54103,54.203,.54303,23");
    EXPECT_EQ(lines[block3 + 1], ".54403,#FALSE#,1,.54503,.54603,-1,.54803");
    EXPECT_EQ(lines[580 + 2 * 279 + 1].substr(0, 14), ".54402,#TRUE#,");
    EXPECT_EQ(lines[block3 + 2], ".55003");       // tangentPoint(0, 3, 0, 0)
    EXPECT_EQ(lines[block3 + 21], ".551030401");  // tangentPoint(1, 3, 4, 1)
    EXPECT_EQ(lines[block3 + 22], "3");           // beltPathTable(0, 3)
    EXPECT_EQ(lines[block3 + 278], "2563");       // beltPathTable(256, 3)
    EXPECT_EQ(lines[1982], ".56007,.56107,.56207,.56307");
}

TEST(ProjectFileWrite, TextsAreWindows1252AndCannotBreakTheirQuotes) {
    DriveProject p;
    p.screen.remarks =
        "Shaft 2, see drawing\r\nCheck \"tension\" \xc3\x98 50 \xc2\xb1 0,1 \xe2\x80\x93 20\xc2\xb0 "
        "\xe2\x82\xac \xe9\xbd\xbf";
    const std::string text = ProjectFile::write(p, "STEP5");
    const auto at = text.find("\"Shaft");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at, text.find("\r\n\"", at + 30) - at),
              "\"Shaft 2, see drawing\r\nCheck 'tension' \xd8 50 \xb1 0,1 \x96 20\xb0 \x80 ?\"");

    DriveProject back;
    ASSERT_TRUE(ProjectFile::read(text, back).ok);
    EXPECT_EQ(back.screen.remarks,
              "Shaft 2, see drawing\r\nCheck 'tension' \xc3\x98 50 \xc2\xb1 0,1 \xe2\x80\x93 20\xc2\xb0 "
              "\xe2\x82\xac ?");
}

// Two files hold the same project when only the last digits of a number
// differ (the design computed again); any other difference counts.
TEST(ProjectFileWrite, SameProjectDespiteTheLastDigits) {
    DriveProject p = populated();
    const std::string file = ProjectFile::write(p, "STEP5");
    EXPECT_FALSE(ProjectFile::sameProject(file, ProjectFile::write(p, "STEP1")));  // record 1 is a text
    struct Case {
        const char* what;
        void (*change)(DriveProject&);
        bool same;
    };
    const Case cases[] = {
        {"nothing", [](DriveProject&) {}, true},
        {"the 15th digit of an arc", [](DriveProject& q) { q.pulleyArcOfContact[3] *= 1 + 3e-15; }, true},
        {"a tangent point near 0", [](DriveProject& q) { q.tangentPoint[0][3][0][0] += 4e-17; }, true},
        {"a centre distance by 0.01 mm", [](DriveProject& q) { q.centreDistance += 1e-5; }, false},
        {"a standard length by 0.01 mm at 100 m", [](DriveProject& q) { q.beltLength = 100.00001; }, false},
        {"a text", [](DriveProject& q) { q.screen.remarks += "."; }, false},
        {"a text with a comma", [](DriveProject& q) { q.screen.remarks = "a,b"; }, false},
        {"a flag", [](DriveProject& q) { q.pulleyIsIdler[3] = belt::kTrue; }, false},
        {"a sign", [](DriveProject& q) { q.pulleyPosition[1][3] = -q.pulleyPosition[1][3]; }, false},
    };
    for (const Case& c : cases) {
        DriveProject q = p;
        c.change(q);
        EXPECT_EQ(ProjectFile::sameProject(file, ProjectFile::write(q, "STEP5")), c.same) << c.what;
    }
}

TEST(ProjectFileText, ConversionBetweenUtf8AndWindows1252) {
    // Bytes Windows-1252 leaves undefined come back as they were.
    EXPECT_EQ(belt::Windows1252ToUtf8("\x81\x8d\x9f\xe9"), "\xc2\x81\xc2\x8d\xc5\xb8\xc3\xa9");
    EXPECT_EQ(belt::Utf8ToWindows1252("\xc2\x81\xc2\x8d\xc5\xb8\xc3\xa9"), "\x81\x8d\x9f\xe9");
    // Broken UTF-8 and characters outside the code page become "?".
    EXPECT_EQ(belt::Utf8ToWindows1252("a\xff"
                                      "b\xc3"
                                      "c\xed\xa0\x80"
                                      "d\xf0\x9f\x98\x80"),
              "a?b?c???d?");
}

// --- Round trip ------------------------------------------------------------

TEST(ProjectFileRoundTrip, ReproducesEverySavedValue) {
    const DriveProject original = populated();
    const std::string text = ProjectFile::write(original, "STEP3");
    DriveProject p;
    p.unitFactor[0][0] = 2;  // the unit choice is not in the file and survives
    const belt::OpenResult r = ProjectFile::read(text, p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.savedScreen, "STEP3");
    EXPECT_EQ(p.unitFactor[0][0], 2);

    // Saving what was read gives the same file: nothing was lost or moved.
    EXPECT_EQ(ProjectFile::write(p, "STEP3"), text);

    // And the values themselves, to the digits written.
    EXPECT_EQ(p.screen.tabellaBackColor[11], 16776971);
    EXPECT_EQ(p.screen.checkIdler[4], 1);
    EXPECT_EQ(p.screen.optionInput[2], true);
    EXPECT_EQ(p.beltCodeDetail, "110 ");
    EXPECT_EQ(p.beltSuffixAvailable, "DT");
    EXPECT_FLOAT_EQ(p.serviceFactor, 1.7F);
    EXPECT_EQ(p.serviceFactor, original.serviceFactor);
    EXPECT_EQ(p.toothDimensions, original.toothDimensions);
    EXPECT_EQ(p.pulleyCrownHeight, original.pulleyCrownHeight);
    EXPECT_EQ(p.pulleyIsIdler[2], belt::kTrue);
    EXPECT_EQ(p.pulleyIsIdler[3], 0);
    EXPECT_EQ(p.pulleyMaxBore[3], -1);
    EXPECT_EQ(p.pulleyPosition, original.pulleyPosition);
    EXPECT_EQ(p.tangentPoint, original.tangentPoint);
    EXPECT_EQ(p.beltPathTable, original.beltPathTable);
    EXPECT_EQ(p.pulleyTable, original.pulleyTable);
    EXPECT_EQ(p.ribFlatRatingTable, original.ribFlatRatingTable);
    EXPECT_EQ(p.standardLengths, original.standardLengths);
    EXPECT_EQ(p.breakingLoad, original.breakingLoad);
    EXPECT_EQ(p.pulleyFaceWidth, original.pulleyFaceWidth);
    EXPECT_EQ(p.widthTableA[7], original.widthTableA[7]);
    EXPECT_EQ(p.widthTableA[8], 0);  // not part of the file

    // Doubles keep fifteen digits, Singles seven.
    DriveProject q;
    q.beltType = "ORVANTO T";
    q.power = 3.14159265358979323;
    q.loadFactor = 1.23456789F;
    DriveProject back;
    ASSERT_TRUE(ProjectFile::read(ProjectFile::write(q), back).ok);
    EXPECT_EQ(back.power, 3.14159265358979);
    EXPECT_EQ(back.loadFactor, 1.234568F);

    // The extremes of each type open again, and so does every record after them.
    q.power = std::numeric_limits<double>::max();
    q.centreDistance = -std::numeric_limits<double>::max();
    q.beltPitch = std::numeric_limits<double>::denorm_min();
    q.loadFactor = std::numeric_limits<float>::max();
    q.breakingLoad[7] = 2;
    const belt::OpenResult extremes = ProjectFile::read(ProjectFile::write(q), back);
    ASSERT_TRUE(extremes.ok) << extremes.message;
    EXPECT_EQ(back.power, 1.79769313486231E+308);
    EXPECT_EQ(back.centreDistance, -1.79769313486231E+308);
    EXPECT_GT(back.beltPitch, 0);
    EXPECT_EQ(back.loadFactor, 3.402823E+38F);
    EXPECT_EQ(back.breakingLoad[7], 2);
}

// --- Reading ---------------------------------------------------------------

TEST(ProjectFileRead, OpensAFileInTheOldRuntimeStyle) {
    DriveProject p;
    const belt::OpenResult r = ProjectFile::open(BELT_TEST_DATA_DIR "/oldstyle.dat", p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.savedScreen, "STEP5");
    EXPECT_EQ(p.screen.beltTypeTab, 0);
    EXPECT_EQ(p.profileDrawingCode, 3);
    EXPECT_EQ(p.beltType, "ORVANTO T");
    EXPECT_EQ(p.screen.optionDriver[1], true);
    EXPECT_EQ(p.screen.optionInput[1], true);
    EXPECT_EQ(p.screen.optionInput[0], false);
    EXPECT_EQ(p.screen.tabellaBackColor[9], 8388608);    // RGB(0, 0, 128)
    EXPECT_EQ(p.screen.tabellaForeColor[9], 65535);      // RGB(255, 255, 0)
    EXPECT_EQ(p.screen.tabellaBackColor[11], 16776960);  // RGB(0, 255, 255)
    EXPECT_EQ(p.screen.proprietaListIndex, 6);
    EXPECT_EQ(p.screen.checkIdler[2], 1);
    EXPECT_EQ(p.screen.remarks, "Conveyor 3, hall B, \xc3\x98 80 mm");
    EXPECT_EQ(p.beltCode, "85 T10-2190DL");
    EXPECT_EQ(p.beltCodeDetail, "95 ");
    EXPECT_EQ(p.beltSuffixAvailable, "DL");
    EXPECT_EQ(p.flatBeltInfoColumn, 21);
    EXPECT_EQ(p.pitchRangeLast, 5);
    EXPECT_EQ(p.beltPitch, 0.01);
    EXPECT_FLOAT_EQ(p.serviceFactor, 1.6F);
    EXPECT_FLOAT_EQ(p.loadFactorSecond, 0.2F);
    EXPECT_EQ(p.torque, 27.0563);
    EXPECT_EQ(p.peripheralForce, 739.130434782609);
    EXPECT_EQ(p.lastStandardLength, 2.19);
    EXPECT_EQ(p.maxBeltWidth, 0.15);
    EXPECT_EQ(p.minIdlerDiameterInside, 0.06);
    EXPECT_EQ(p.teethInMesh, 5);
    EXPECT_EQ(p.standardLengths[0], 100);
    EXPECT_EQ(p.standardLengths[65], 750);
    EXPECT_EQ(p.toothLoadCoefficients[0], 1e-5);
    EXPECT_EQ(p.toothLoadCoefficients[1], -0.5);
    EXPECT_EQ(p.toothLoadCoefficients[2], 1.5e20);
    EXPECT_EQ(p.toothLoadCoefficients[6], -2.5e-7);
    EXPECT_EQ(p.pulleyTable[0][1], 0.1);
    EXPECT_EQ(p.pulleyTable[57][2], 57.2);
    EXPECT_EQ(p.pulleyTable[104][3], 104.3);
    EXPECT_EQ(p.ribFlatRatingTable[13][2], -0.132);
    EXPECT_FLOAT_EQ(p.toothDimensions[1], 0.00175F);
    EXPECT_FLOAT_EQ(p.toothDimensions[2], 1e-5F);
    EXPECT_EQ(p.pulleyPosition[0][3], 0.3);
    EXPECT_EQ(p.pulleyPosition[1][3], -0.15);
    EXPECT_EQ(p.pulleySpeed[4], 42);
    EXPECT_EQ(p.pulleyTeeth[4], 44);
    EXPECT_EQ(p.pulleyRatio[2], 0.5);
    EXPECT_EQ(p.pulleyIsIdler[2], belt::kTrue);
    EXPECT_EQ(p.pulleyIsIdler[3], 0);
    EXPECT_EQ(p.pulleyBeltSide[2], 0);
    EXPECT_EQ(p.pulleyBeltSide[3], 1);
    EXPECT_EQ(p.pulleyMaxBore[4], 4e-5);
    EXPECT_EQ(p.tangentPoint[1][2][3][1], -0.1231);
    EXPECT_EQ(p.tangentPoint[0][4][0][1], -0.0401);
    EXPECT_EQ(p.beltPathTable[0][1], 1);
    EXPECT_EQ(p.beltPathTable[256][4], 2564);
    EXPECT_EQ(p.widthTableA[0], 10);
    EXPECT_EQ(p.admissiblePullOpen[7], 700.5);
    EXPECT_EQ(p.admissiblePullJoined[7], -3.5);
    EXPECT_EQ(p.breakingLoad[3], 3e-5);
}

TEST(ProjectFileRead, AcceptsTheLeniencyOfTheOldRuntime) {
    auto lines = splitLines(ProjectFile::write(populated()));
    lines[34] = " 22 , 1,2,4 ,3,6";      // blanks around items
    lines[35] = "3,+.0127,1.7,.3,1.4";   // a leading "+"
    lines[36] = ".5,1e-05,2.5D0,0,0,0";  // "D" exponent is not accepted...
    DriveProject p;
    belt::OpenResult r = ProjectFile::read(joinLines(lines), p);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "line 37: expected a number, found \"2.5D0\"");
    EXPECT_EQ(p.flatBeltInfoColumn, 22);
    EXPECT_EQ(p.pitchRangeLast, 6);
    EXPECT_EQ(p.beltPitch, 0.0127);
    EXPECT_EQ(p.carriageMass, 1e-5);

    lines[36] = ".5,1e-05,2.5,0,0,0";
    lines[41] = "1.423,1.424,6.5";  // a fraction in a whole number rounds half to even
    lines[5] = "#true#";
    lines[6] = "0";    // a number in a Boolean field
    lines.pop_back();  // the last line may lack its line break
    std::string text = joinLines(lines) + ".56007,.56107,.56207,.56307";
    r = ProjectFile::read(text, p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(p.teethInMesh, 6);
    EXPECT_EQ(p.screen.optionDriver[0], true);
    EXPECT_EQ(p.screen.optionDriver[1], false);
    EXPECT_EQ(p.breakingLoad[7], 0.56307);
}

TEST(ProjectFileRead, ADamagedFileKeepsWhatWasReadAndSaysWhere) {
    struct Case {
        const char* name;
        int line;                 // 1-based line to replace, or to cut before
        const char* replacement;  // nullptr: the file ends before this line
        const char* message;
    };
    const Case cases[] = {
        {"text in a number", 300, "abc", "line 300: expected a number, found \"abc\""},
        {"text in a whole number", 812, "abc", "line 812: expected a whole number, found \"abc\""},
        {"quoted number", 37, "\"1.5\",0,0,0,0,0", "line 37: expected a number, found \"1.5\""},
        {"not a Boolean", 6, "yes", "line 6: expected #TRUE# or #FALSE#, found \"yes\""},
        {"unquoted text", 28, "RUBBER H", "line 28: expected a text in double quotes, found \"RUBBER H\""},
        {"missing items", 36, "3,.0127", "line 36: expected a number, found the end of the line"},
        {"extra item", 35, "22,1,2,4,3,6,7",
         "line 35: expected the end of the line, found another item \"7\""},
        {"trailing comma", 35, "22,1,2,4,3,6,", "line 35: expected the end of the line, found a comma"},
        {"double quote inside a text", 27, "\"say \"hi\"\"",
         "line 27: expected a comma or the end of the line after a text in double quotes, found \"hi\"\"\""},
        {"unclosed text", 34, "\"DT",
         "line 34: a text in double quotes is not closed before the end of the file"},
        {"out of range", 43, "99999999999",
         "line 43: expected a whole number in range, found \"99999999999\""},
        {"not finite", 116, "inf", "line 116: expected a number, found \"inf\""},
        {"empty line", 200, "", "line 200: expected a number, found the end of the line"},
        {"ends after the layout tables", 581, nullptr,
         "line 581: expected a number, found the end of the file"},
        {"ends early", 36, nullptr, "line 36: expected a whole number, found the end of the file"},
    };
    const DriveProject original = populated();
    const auto lines = splitLines(ProjectFile::write(original));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> damaged = lines;
        if (c.replacement) {
            damaged[c.line - 1] = c.replacement;
        } else {
            damaged.resize(c.line - 1);
        }
        DriveProject p;
        p.flatBeltTable[1][1] = "not saved";
        const belt::OpenResult r = ProjectFile::read(joinLines(damaged), p);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.line, c.line);
        EXPECT_EQ(r.record, c.line);
        EXPECT_EQ(r.message, c.message);
        // The reset happened, and what came before the damage is there.
        EXPECT_EQ(p.flatBeltTable[1][1], "");
        EXPECT_EQ(p.beltType, "RUBBER I");
        EXPECT_EQ(p.screen.beltTypeTab, 5);
        // What follows stays as after the reset.
        EXPECT_EQ(p.breakingLoad[7], 0);
        EXPECT_EQ(p.pulleyDiameter[1], 0);
    }

    // Values up to the last complete record are kept.
    std::vector<std::string> cut(lines.begin(), lines.begin() + 580);
    DriveProject p;
    ProjectFile::read(joinLines(cut), p);
    EXPECT_EQ(p.toothDimensions, original.toothDimensions);
    EXPECT_EQ(p.pulleyTable, original.pulleyTable);
    EXPECT_EQ(p.pulleyCount, 4);
    EXPECT_EQ(p.pulleyPosition[0][4], 0);
}

TEST(ProjectFileRead, ALineBreakInsideATextCountsAsALine) {
    DriveProject p = populated();
    p.screen.remarks = "first\r\nsecond";
    auto text = ProjectFile::write(p);
    text.replace(text.find("\r\n.52023\r\n"), 10, "\r\nxyz\r\n");  // pulleyTable(23, 0), record 208
    DriveProject back;
    const belt::OpenResult r = ProjectFile::read(text, back);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 209);
    EXPECT_EQ(r.record, 208);
    EXPECT_EQ(r.message, "line 209: expected a number, found \"xyz\"");
    EXPECT_EQ(back.screen.remarks, "first\r\nsecond");
}

// Editors that save UTF-8 may put a byte-order mark first.
TEST(ProjectFileRead, AByteOrderMarkIsReadPast) {
    const DriveProject p = populated();
    const std::string text = ProjectFile::write(p, "STEP5");
    DriveProject plain;
    DriveProject marked;
    ASSERT_TRUE(ProjectFile::read(text, plain).ok);
    const belt::OpenResult r = ProjectFile::read("\xEF\xBB\xBF" + text, marked);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.savedScreen, "STEP5");
    EXPECT_EQ(ProjectFile::write(marked, "STEP5"), ProjectFile::write(plain, "STEP5"));
}

TEST(ProjectFileRead, CopyingTheVariablesLeavesTheControlsAndTheWorkingTables) {
    const DriveProject read = populated();
    DriveProject shown;
    shown.screen.beltTypeTab = 2;
    shown.screen.remarks = "typed on the screen";
    shown.screen.tabellaBackColor[9] = 128;
    shown.unitFactor[0][0] = 1000;
    shown.flatBeltTable[1][1] = "filled by the screen";
    shown.standardWidths[3] = 25;
    shown.loadFactor = 9;  // a handler's value, which the file overrides
    shown.beltType = "ORVANTO T";

    ProjectFile::copyVariables(read, shown);

    // Records 28 on are the file's, to the last line.
    const auto want = splitLines(ProjectFile::write(read));
    const auto got = splitLines(ProjectFile::write(shown));
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = belt::kFirstVariableRecord - 1; i < want.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "record " << i + 1;
    EXPECT_EQ(shown.loadFactor, read.loadFactor);
    EXPECT_EQ(shown.pulleyIsIdler, read.pulleyIsIdler);
    EXPECT_EQ(shown.screen.idlerDiameterTyped[2], true);
    // Records 1 to 27 and what the file does not hold stay as they were.
    EXPECT_EQ(shown.beltType, "ORVANTO T");
    EXPECT_EQ(shown.screen.beltTypeTab, 2);
    EXPECT_EQ(shown.screen.remarks, "typed on the screen");
    EXPECT_EQ(shown.screen.tabellaBackColor[9], 128);
    EXPECT_EQ(shown.unitFactor[0][0], 1000);
    EXPECT_EQ(shown.flatBeltTable[1][1], "filled by the screen");
    EXPECT_EQ(shown.standardWidths[3], 25);
}

TEST(ProjectFileRead, DerivesTheScreenStateTheFileDoesNotHold) {
    struct Case {
        const char* name;
        int pulleyCount;
        int pathCount;
        int currentPath;
        bool layoutDrawn;
    };
    const Case cases[] = {
        {"four pulleys with a path", 4, 2, 2, true},
        {"three pulleys with a path", 3, 1, 1, true},
        {"paths found, none chosen yet", 4, 3, 0, false},
        {"no feasible path", 3, 0, 1, false},
        {"two pulleys", 2, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p;
        p.pulleyCount = c.pulleyCount;
        p.beltPathTable[0][0] = c.pathCount;
        p.beltPathTable[0][1] = c.currentPath;
        p.pulleyIsIdler = {0, 0, belt::kTrue, belt::kTrue, 0};
        p.pulleyDiameter = {0, 0.07, 0.06, 0, 0.1};
        DriveProject back;
        back.screen.layoutDrawn = !c.layoutDrawn;
        back.screen.idlerDiameterTyped = {true, true, false, true, true};
        ASSERT_TRUE(ProjectFile::read(ProjectFile::write(p), back).ok);
        EXPECT_EQ(back.screen.layoutDrawn, c.layoutDrawn);
        // An idler with a diameter in the file had it typed; an idler
        // without one waits for the recommended minimum.
        EXPECT_EQ(back.screen.idlerDiameterTyped, (belt::Arr<bool, 5>{false, false, true, false, false}));
    }
}

// Writes and reads a project under whatever locale is set and checks that
// the file still has "." as decimal point.
void expectLocaleIndependent() {
    DriveProject p;
    p.power = 3400.5;
    p.loadFactor = 1.5F;
    const std::string text = ProjectFile::write(p);
    EXPECT_EQ(splitLines(text)[37], "0,0,3400.5,0,0,0");
    EXPECT_EQ(splitLines(text)[35], "0,0,0,0,1.5");
    DriveProject back;
    EXPECT_TRUE(ProjectFile::read(text, back).ok);
    EXPECT_EQ(back.power, 3400.5);
    EXPECT_EQ(back.loadFactor, 1.5F);
}

TEST(ProjectFileLocale, ACommaLocaleOfTheLibraryChangesNothing) {
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale before = std::locale::global(std::locale(std::locale::classic(), new Comma));
    expectLocaleIndependent();
    std::locale::global(before);
}

TEST(ProjectFileLocale, AGermanSystemLocaleChangesNothing) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const char* set = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"}) {
        if ((set = std::setlocale(LC_ALL, name))) break;
    }
    if (!set) GTEST_SKIP() << "no German locale installed";
    expectLocaleIndependent();
    std::setlocale(LC_ALL, before.c_str());
}

// --- Files on disk -----------------------------------------------------------

TEST(ProjectFileDisk, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    const fs::path file = dir.path() / "drive.dat";
    writeBytes(file, "old contents");
    const DriveProject p = populated();
    const belt::SaveResult r = ProjectFile::save(p, file.string(), "STEP4");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(readBytes(file), ProjectFile::write(p, "STEP4"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"drive.dat"});

    DriveProject back;
    back.beltType = "kept only if the file is unreadable";
    const belt::OpenResult o = ProjectFile::open(file.string(), back);
    ASSERT_TRUE(o.ok) << o.message;
    EXPECT_EQ(o.savedScreen, "STEP4");
    EXPECT_EQ(back.beltType, "RUBBER I");
}

// A save killed before its rename leaves "drive.dat.tmp<digits>" behind; the
// next save clears those of its own file, but not one that may belong to a
// save still running, nor anybody else's files.
TEST(ProjectFileDisk, SaveRemovesTheTemporaryFilesOfAKilledSave) {
    TempDir dir;
    const fs::path file = dir.path() / "drive.dat";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"drive.dat.tmp123456", "drive.dat.tmp7", "drive.dat.tmp99", "drive.dat.tmpx",
                             "other.dat.tmp5", "drive.dat.tmp12.bak"}) {
        writeBytes(dir.path() / name, "partial");
        if (std::string(name) != "drive.dat.tmp99") fs::last_write_time(dir.path() / name, old);
    }
    ASSERT_TRUE(ProjectFile::save(populated(), file.string()).ok);
    std::vector<std::string> left = dir.entries();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"drive.dat", "drive.dat.tmp12.bak", "drive.dat.tmp99",
                                                        "drive.dat.tmpx", "other.dat.tmp5"}));
}

TEST(ProjectFileDisk, SaveKeepsALinkAndThePermissionsOfTheOldFile) {
    TempDir dir;
    const fs::path real = dir.path() / "real.dat";
    const fs::path link = dir.path() / "link.dat";
    writeBytes(real, "old");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, link);
    DriveProject p;
    p.beltType = "ORVANTO T";
    ASSERT_TRUE(ProjectFile::save(p, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(real), ProjectFile::write(p));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// A link to a file not there yet names the file to create, as a shell's ">"
// creates it; the link stays a link.
TEST(ProjectFileDisk, SaveThroughALinkToAMissingFileCreatesIt) {
    TempDir dir;
    fs::create_directory(dir.path() / "sub");
    const fs::path link = dir.path() / "link.dat";
    fs::create_symlink("sub/real.dat", link);
    const DriveProject p = populated();
    ASSERT_TRUE(ProjectFile::save(p, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(dir.path() / "sub" / "real.dat"), ProjectFile::write(p));
}

// Any name the system takes can be saved: the temporary file of a name of
// 255 bytes is named after it cut short, and a killed save's one is cleared
// the same way.
TEST(ProjectFileDisk, ANameOfTheLongestLengthSaves) {
    TempDir dir;
    const std::string name = std::string(251, 'n') + ".dat";
    const std::string stale = std::string(245, 'n') + ".tmp123456";
    writeBytes(dir.path() / stale, "partial");
    fs::last_write_time(dir.path() / stale, fs::file_time_type::clock::now() - std::chrono::hours(1));
    const belt::SaveResult r = ProjectFile::save(populated(), (dir.path() / name).string());
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
    const belt::SaveResult tooLong = ProjectFile::save(populated(), (dir.path() / ("n" + name)).string());
    EXPECT_FALSE(tooLong.ok);
    EXPECT_NE(tooLong.message.find("n" + name + ": File name too long"), std::string::npos) << tooLong.message;
}

// Only a file is replaced: a save to a device, a named pipe or a folder is
// refused and leaves it as it was (a rename over /dev/null run by root
// would have put a regular file in its place).
TEST(ProjectFileDisk, ASaveRefusesWhatIsNotAFile) {
    struct Case {
        const char* name;
        const char* kind;
        fs::file_type type;
        bool (*make)(const fs::path& at);
    };
    const Case cases[] = {
        {"named pipe", "named pipe", fs::file_type::fifo,
         [](const fs::path& at) { return ::mkfifo(at.c_str(), 0644) == 0; }},
        {"link to a named pipe", "named pipe", fs::file_type::fifo,
         [](const fs::path& at) {
             const fs::path pipe = at.parent_path() / "pipe";
             return ::mkfifo(pipe.c_str(), 0644) == 0 && ::symlink(pipe.c_str(), at.c_str()) == 0;
         }},
        {"folder", "folder", fs::file_type::directory,
         [](const fs::path& at) { return fs::create_directory(at); }},
        // Device nodes can be made by root only.
        {"character device", "character device", fs::file_type::character,
         [](const fs::path& at) { return ::mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
    };
    DriveProject p = populated();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path target = dir.path() / "drive.dat";
        if (!c.make(target)) {
            std::cout << "skipped: cannot make a " << c.name << " here\n";
            continue;
        }
        std::vector<std::string> before = dir.entries();
        std::sort(before.begin(), before.end());
        const belt::SaveResult r = ProjectFile::save(p, target.string());
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message,
                  "The project could not be saved: " + target.string() + ": not a file but a " + c.kind);
        EXPECT_EQ(fs::status(target).type(), c.type);
        std::vector<std::string> after = dir.entries();
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
    }
}

TEST(ProjectFileDisk, OpeningAHugeFileLeavesTheProjectAlone) {
    TempDir dir;
    const fs::path huge = dir.path() / "huge.dat";
    writeBytes(huge, "");
    fs::resize_file(huge, 17u << 20);
    DriveProject p;
    p.beltType = "ORVANTO T";
    const belt::OpenResult r = ProjectFile::open(huge.string(), p);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 0);
    EXPECT_EQ(r.message, huge.string() + ": too large for a project file");
    EXPECT_EQ(p.beltType, "ORVANTO T");
}

TEST(ProjectFileDisk, OpeningAMissingFileLeavesTheProjectAlone) {
    TempDir dir;
    DriveProject p;
    p.beltType = "ORVANTO T";
    const belt::OpenResult r = ProjectFile::open((dir.path() / "none.dat").string(), p);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 0);
    EXPECT_NE(r.message.find("none.dat: No such file or directory"), std::string::npos) << r.message;
    EXPECT_EQ(p.beltType, "ORVANTO T");
}

TEST(ProjectFileDisk, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    const fs::path file = dir.path() / "drive.dat";
    DriveProject p = populated();
    ASSERT_TRUE(ProjectFile::save(p, file.string()).ok);
    const std::string before = readBytes(file);
    p.beltType = "ORVANTO T";

    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const bool canStillWrite = std::ofstream(dir.path() / "probe").good();
    if (canStillWrite) {
        fs::permissions(dir.path(), fs::perms::owner_all);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    const belt::SaveResult r = ProjectFile::save(p, file.string());
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "The project could not be saved: " + dir.path().string() + ": Permission denied");
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"drive.dat"});
}

TEST(ProjectFileDisk, AFullDiskKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    const fs::path file = dir.path() / "drive.dat";
    DriveProject p;
    p.beltType = "ORVANTO T";
    ASSERT_TRUE(ProjectFile::save(p, file.string()).ok);
    const std::string before = readBytes(file);
    p.beltType = "RUBBER I";

    // A file size limit makes the write fail the way a full disk does.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const belt::SaveResult r = ProjectFile::save(p, file.string());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "The project could not be saved: " + file.string() + ": File too large");
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"drive.dat"});
}

// --- The bundled example -------------------------------------------------------

TEST(ProjectFileExample, BundledExampleOpensAndSavesUnchanged) {
    const std::string path = BELT_TEST_DATA_DIR "/../../assets/examples/demo.dat";
    DriveProject p;
    const belt::OpenResult r = ProjectFile::open(path, p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(p.beltName.rfind("ORVANTO T10", 0), 0u);
    EXPECT_EQ(p.pulleyCount, 4);
    EXPECT_EQ(ProjectFile::write(p, r.savedScreen), readBytes(path));
}
