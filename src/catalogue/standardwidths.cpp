#include "catalogue/standardwidths.h"

#include <algorithm>
#include <array>

#include "catalogue/beltids.h"

namespace belt {

namespace {

// Standard widths (mm), the pulley face width that goes with each (mm), and
// the widest belt made (mm). Belt names listed together share the row.
constexpr std::array<std::string_view, 1> kOrvantoT2_5Names = {"ORVANTO T2.5"};
constexpr std::array<double, 5> kOrvantoT2_5Widths = {4, 6, 8, 10, 12};
constexpr std::array<double, 5> kOrvantoT2_5Faces = {8, 10, 12, 14, 16};
constexpr std::array<std::string_view, 3> kOrvanto5mmNames = {"ORVANTO T5", "ORVANTO T5DL", "ORVANTO AT5"};
constexpr std::array<double, 7> kOrvanto5mmWidths = {6, 8, 10, 12, 16, 20, 25};
constexpr std::array<double, 7> kOrvanto5mmFaces = {12, 13, 15, 17, 21, 25, 30};
constexpr std::array<std::string_view, 3> kOrvanto10mmNames = {"ORVANTO T10", "ORVANTO T10DL",
                                                               "ORVANTO AT10"};
constexpr std::array<double, 8> kOrvanto10mmWidths = {10, 12, 16, 20, 25, 32, 50, 75};
constexpr std::array<double, 8> kOrvanto10mmFaces = {15, 17, 21, 25, 30, 37, 56, 80};
constexpr std::array<std::string_view, 1> kOrvantoMXLNames = {"ORVANTO MXL"};
constexpr std::array<double, 3> kOrvantoMXLWidths = {3.048, 4.826, 6.35};
constexpr std::array<double, 3> kOrvantoMXLFaces = {5.6, 7.1, 8.9};
constexpr std::array<std::string_view, 1> kOrvantoXLNames = {"ORVANTO XL"};
constexpr std::array<double, 3> kOrvantoXLWidths = {6.35, 7.874, 9.398};
constexpr std::array<double, 3> kOrvantoXLFaces = {8.9, 10.4, 12.2};
constexpr std::array<std::string_view, 1> kOrvantoLNames = {"ORVANTO L"};
constexpr std::array<double, 3> kOrvantoLWidths = {12.7, 19.05, 25.4};
constexpr std::array<double, 3> kOrvantoLFaces = {19, 25.4, 29.7};
constexpr std::array<std::string_view, 1> kOrvantoHNames = {"ORVANTO H"};
constexpr std::array<double, 5> kOrvantoHWidths = {19.05, 25.4, 38.1, 50.8, 76.2};
constexpr std::array<double, 5> kOrvantoHFaces = {25.4, 29.7, 46, 58.6, 85.7};
constexpr std::array<std::string_view, 1> kRubberXLNames = {"RUBBER XL"};
constexpr std::array<double, 3> kRubberXLWidths = {6.35, 7.874, 9.398};
constexpr std::array<double, 3> kRubberXLFaces = {8.9, 10.4, 12.2};
constexpr std::array<std::string_view, 1> kRubberXLDTNames = {"RUBBER XLDT"};
constexpr std::array<double, 3> kRubberXLDTWidths = {6.35, 7.874, 9.398};
constexpr std::array<double, 3> kRubberXLDTFaces = {8.9, 10.4, 12.2};
constexpr std::array<std::string_view, 1> kRubberLNames = {"RUBBER L"};
constexpr std::array<double, 3> kRubberLWidths = {12.7, 19.05, 25.4};
constexpr std::array<double, 3> kRubberLFaces = {19, 25.4, 29.7};
constexpr std::array<std::string_view, 1> kRubberLDTNames = {"RUBBER LDT"};
constexpr std::array<double, 3> kRubberLDTWidths = {12.7, 19.05, 25.4};
constexpr std::array<double, 3> kRubberLDTFaces = {19, 25.4, 29.7};
constexpr std::array<std::string_view, 1> kRubberHNames = {"RUBBER H"};
constexpr std::array<double, 5> kRubberHWidths = {19.05, 25.4, 38.1, 50.8, 76.2};
constexpr std::array<double, 5> kRubberHFaces = {25.4, 29.7, 46, 58.6, 85.7};
constexpr std::array<std::string_view, 1> kRubberHDTNames = {"RUBBER HDT"};
constexpr std::array<double, 5> kRubberHDTWidths = {19.05, 25.4, 38.1, 50.8, 76.2};
constexpr std::array<double, 5> kRubberHDTFaces = {25.4, 29.7, 46, 58.6, 85.7};
constexpr std::array<std::string_view, 1> kRubberXHNames = {"RUBBER XH"};
constexpr std::array<double, 3> kRubberXHWidths = {50.8, 76.2, 101.6};
constexpr std::array<double, 3> kRubberXHFaces = {65, 92, 119};
constexpr std::array<std::string_view, 1> kRubberQVP5Names = {"RUBBER QVP5"};
constexpr std::array<double, 3> kRubberQVP5Widths = {9, 15, 25};
constexpr std::array<double, 3> kRubberQVP5Faces = {14.5, 20.5, 30.5};
constexpr std::array<std::string_view, 1> kRubberQVP5DDNames = {"RUBBER QVP5DD"};
constexpr std::array<double, 3> kRubberQVP5DDWidths = {9, 15, 25};
constexpr std::array<double, 3> kRubberQVP5DDFaces = {14.5, 20.5, 30.5};
constexpr std::array<std::string_view, 1> kRubberQVP8Names = {"RUBBER QVP8"};
constexpr std::array<double, 4> kRubberQVP8Widths = {20, 30, 50, 85};
constexpr std::array<double, 4> kRubberQVP8Faces = {28, 38, 60, 95};
constexpr std::array<std::string_view, 1> kRubberQVP8DDNames = {"RUBBER QVP8DD"};
constexpr std::array<double, 4> kRubberQVP8DDWidths = {20, 30, 50, 85};
constexpr std::array<double, 4> kRubberQVP8DDFaces = {28, 38, 60, 95};
constexpr std::array<std::string_view, 1> kRubberQVP14Names = {"RUBBER QVP14"};
constexpr std::array<double, 5> kRubberQVP14Widths = {40, 55, 85, 115, 170};
constexpr std::array<double, 5> kRubberQVP14Faces = {54, 70, 102, 133, 187};
constexpr std::array<std::string_view, 1> kRubberQVP14DDNames = {"RUBBER QVP14DD"};
constexpr std::array<double, 5> kRubberQVP14DDWidths = {40, 55, 85, 115, 170};
constexpr std::array<double, 5> kRubberQVP14DDFaces = {54, 70, 102, 133, 187};
constexpr std::array<std::string_view, 12> kTavorenMetricNames = {
    "TAVOREN T5",  "TAVOREN T5DD",  "TAVOREN T10",  "TAVOREN T10DD",  "TAVOREN T20",  "TAVOREN T20DD",
    "TAVOREN AT5", "TAVOREN AT5DD", "TAVOREN AT10", "TAVOREN AT10DD", "TAVOREN AT20", "TAVOREN AT20DD"};
constexpr std::array<double, 8> kTavorenMetricWidths = {10, 16, 25, 32, 50, 75, 100, 150};
constexpr std::array<double, 8> kTavorenMetricFaces = {15, 21, 30, 37, 56, 85, 110, 160};
constexpr std::array<std::string_view, 8> kTavorenInchNames = {"TAVOREN XL",  "TAVOREN XLDD", "TAVOREN L",
                                                               "TAVOREN LDD", "TAVOREN H",    "TAVOREN HDD",
                                                               "TAVOREN XH",  "TAVOREN XHDD"};
constexpr std::array<double, 9> kTavorenInchWidths = {9.398, 12.7, 19.05, 25.4, 38.1,
                                                      50.8,  76.2, 101.6, 152.4};
constexpr std::array<double, 9> kTavorenInchFaces = {16, 19, 25, 32, 44, 59, 84, 111, 162};
constexpr std::array<std::string_view, 2> kTavorenQVP5Names = {"TAVOREN QVP5", "TAVOREN QVP5DD"};
constexpr std::array<double, 8> kTavorenQVP5Widths = {10, 15, 20, 25, 50, 85, 100, 150};
constexpr std::array<double, 8> kTavorenQVP5Faces = {15.5, 20.5, 25.5, 30.5, 55.5, 90.5, 105.5, 155.5};
constexpr std::array<std::string_view, 2> kTavorenQVP8Names = {"TAVOREN QVP8", "TAVOREN QVP8DD"};
constexpr std::array<double, 8> kTavorenQVP8Widths = {10, 15, 20, 25, 50, 85, 100, 150};
constexpr std::array<double, 8> kTavorenQVP8Faces = {18, 23, 28, 33, 58, 93, 108, 158};
constexpr std::array<std::string_view, 2> kTavorenQVP14Names = {"TAVOREN QVP14", "TAVOREN QVP14DD"};
constexpr std::array<double, 8> kTavorenQVP14Widths = {10, 15, 20, 25, 50, 85, 100, 150};
constexpr std::array<double, 8> kTavorenQVP14Faces = {24, 29, 34, 39, 64, 99, 114, 164};
constexpr std::array<std::string_view, 1> kSelkiraT5Names = {"SELKIRA T5"};
constexpr std::array<double, 8> kSelkiraT5Widths = {6, 10, 16, 25, 32, 50, 75, 100};
constexpr std::array<double, 8> kSelkiraT5Faces = {12, 15, 21, 30, 37, 56, 85, 110};
constexpr std::array<std::string_view, 1> kSelkiraT10Names = {"SELKIRA T10"};
constexpr std::array<double, 8> kSelkiraT10Widths = {12, 16, 25, 32, 50, 75, 100, 150};
constexpr std::array<double, 8> kSelkiraT10Faces = {17, 21, 30, 37, 56, 81, 110, 160};
constexpr std::array<std::string_view, 1> kSelkiraT20Names = {"SELKIRA T20"};
constexpr std::array<double, 6> kSelkiraT20Widths = {25, 32, 50, 75, 100, 150};
constexpr std::array<double, 6> kSelkiraT20Faces = {32, 40, 60, 85, 110, 160};
constexpr std::array<std::string_view, 1> kSelkiraAT5Names = {"SELKIRA AT5"};
constexpr std::array<double, 7> kSelkiraAT5Widths = {6, 10, 16, 25, 32, 50, 75};
constexpr std::array<double, 7> kSelkiraAT5Faces = {12, 15, 21, 30, 37, 56, 85};
constexpr std::array<std::string_view, 1> kSelkiraAT10Names = {"SELKIRA AT10"};
constexpr std::array<double, 7> kSelkiraAT10Widths = {16, 25, 32, 50, 75, 100, 150};
constexpr std::array<double, 7> kSelkiraAT10Faces = {21, 30, 37, 56, 81, 110, 160};
constexpr std::array<std::string_view, 1> kSelkiraAT20Names = {"SELKIRA AT20"};
constexpr std::array<double, 7> kSelkiraAT20Widths = {25, 32, 50, 75, 100, 150, 200};
constexpr std::array<double, 7> kSelkiraAT20Faces = {32, 40, 60, 85, 110, 160, 210};
constexpr std::array<std::string_view, 1> kSelkiraXLNames = {"SELKIRA XL"};
constexpr std::array<double, 7> kSelkiraXLWidths = {6.35, 7.874, 9.398, 12.7, 25.4, 38.1, 50.8};
constexpr std::array<double, 7> kSelkiraXLFaces = {12, 14, 16, 19, 32, 48, 59};
constexpr std::array<std::string_view, 1> kSelkiraLNames = {"SELKIRA L"};
constexpr std::array<double, 6> kSelkiraLWidths = {9.398, 12.7, 19.05, 25.4, 38.1, 50.8};
constexpr std::array<double, 6> kSelkiraLFaces = {16, 19, 25, 32, 44, 59};
constexpr std::array<std::string_view, 1> kSelkiraHNames = {"SELKIRA H"};
constexpr std::array<double, 7> kSelkiraHWidths = {12.7, 19.05, 25.4, 38.1, 50.8, 76.2, 101.6};
constexpr std::array<double, 7> kSelkiraHFaces = {19, 25, 32, 44, 59, 84, 111};
constexpr std::array<std::string_view, 1> kSelkiraXHNames = {"SELKIRA XH"};
constexpr std::array<double, 6> kSelkiraXHWidths = {25.4, 38.1, 50.8, 76.2, 101.6, 152.4};
constexpr std::array<double, 6> kSelkiraXHFaces = {32, 44, 59, 84, 111, 162};
constexpr std::array<std::string_view, 1> kSelkiraQXD5MNames = {"SELKIRA QXD5M"};
constexpr std::array<double, 4> kSelkiraQXD5MWidths = {10, 15, 25, 50};
constexpr std::array<double, 4> kSelkiraQXD5MFaces = {15.5, 20.5, 30.5, 55.5};
constexpr std::array<std::string_view, 3> kSelkira8mmNames = {"SELKIRA QXD8M", "SELKIRA QVP8",
                                                              "SELKIRA QVP8HP"};
constexpr std::array<double, 7> kSelkira8mmWidths = {10, 15, 20, 30, 50, 85, 100};
constexpr std::array<double, 7> kSelkira8mmFaces = {18, 23, 28, 38, 58, 93, 108};
constexpr std::array<std::string_view, 1> kSelkiraQXD14MNames = {"SELKIRA QXD14M"};
constexpr std::array<double, 6> kSelkiraQXD14MWidths = {25, 40, 55, 85, 100, 115};
constexpr std::array<double, 6> kSelkiraQXD14MFaces = {39, 54, 69, 99, 114, 129};
constexpr std::array<std::string_view, 1> kSelkiraQVP5Names = {"SELKIRA QVP5"};
constexpr std::array<double, 5> kSelkiraQVP5Widths = {10, 15, 25, 30, 50};
constexpr std::array<double, 5> kSelkiraQVP5Faces = {15.5, 20.5, 30.5, 35.5, 55.5};
constexpr std::array<std::string_view, 1> kSelkiraQVP14Names = {"SELKIRA QVP14"};
constexpr std::array<double, 4> kSelkiraQVP14Widths = {40, 55, 85, 115};
constexpr std::array<double, 4> kSelkiraQVP14Faces = {54, 69, 99, 129};

constexpr std::array<StandardWidthRow, 40> kStandardWidthRows = {{
    {kOrvantoT2_5Names, kOrvantoT2_5Widths, kOrvantoT2_5Faces, 300},
    {kOrvanto5mmNames, kOrvanto5mmWidths, kOrvanto5mmFaces, 300},
    {kOrvanto10mmNames, kOrvanto10mmWidths, kOrvanto10mmFaces, 300},
    {kOrvantoMXLNames, kOrvantoMXLWidths, kOrvantoMXLFaces, 300},
    {kOrvantoXLNames, kOrvantoXLWidths, kOrvantoXLFaces, 300},
    {kOrvantoLNames, kOrvantoLWidths, kOrvantoLFaces, 300},
    {kOrvantoHNames, kOrvantoHWidths, kOrvantoHFaces, 300},
    {kRubberXLNames, kRubberXLWidths, kRubberXLFaces, 720},
    {kRubberXLDTNames, kRubberXLDTWidths, kRubberXLDTFaces, 152},
    {kRubberLNames, kRubberLWidths, kRubberLFaces, 720},
    {kRubberLDTNames, kRubberLDTWidths, kRubberLDTFaces, 305},
    {kRubberHNames, kRubberHWidths, kRubberHFaces, 720},
    {kRubberHDTNames, kRubberHDTWidths, kRubberHDTFaces, 305},
    {kRubberXHNames, kRubberXHWidths, kRubberXHFaces, 540},
    {kRubberQVP5Names, kRubberQVP5Widths, kRubberQVP5Faces, 540},
    {kRubberQVP5DDNames, kRubberQVP5DDWidths, kRubberQVP5DDFaces, 150},
    {kRubberQVP8Names, kRubberQVP8Widths, kRubberQVP8Faces, 540},
    {kRubberQVP8DDNames, kRubberQVP8DDWidths, kRubberQVP8DDFaces, 250},
    {kRubberQVP14Names, kRubberQVP14Widths, kRubberQVP14Faces, 540},
    {kRubberQVP14DDNames, kRubberQVP14DDWidths, kRubberQVP14DDFaces, 250},
    {kTavorenMetricNames, kTavorenMetricWidths, kTavorenMetricFaces, 150},
    {kTavorenInchNames, kTavorenInchWidths, kTavorenInchFaces, 150},
    {kTavorenQVP5Names, kTavorenQVP5Widths, kTavorenQVP5Faces, 150},
    {kTavorenQVP8Names, kTavorenQVP8Widths, kTavorenQVP8Faces, 150},
    {kTavorenQVP14Names, kTavorenQVP14Widths, kTavorenQVP14Faces, 150},
    {kSelkiraT5Names, kSelkiraT5Widths, kSelkiraT5Faces, 100},
    {kSelkiraT10Names, kSelkiraT10Widths, kSelkiraT10Faces, 150},
    {kSelkiraT20Names, kSelkiraT20Widths, kSelkiraT20Faces, 150},
    {kSelkiraAT5Names, kSelkiraAT5Widths, kSelkiraAT5Faces, 75},
    {kSelkiraAT10Names, kSelkiraAT10Widths, kSelkiraAT10Faces, 150},
    {kSelkiraAT20Names, kSelkiraAT20Widths, kSelkiraAT20Faces, 200},
    {kSelkiraXLNames, kSelkiraXLWidths, kSelkiraXLFaces, 50.8},
    {kSelkiraLNames, kSelkiraLWidths, kSelkiraLFaces, 50.8},
    {kSelkiraHNames, kSelkiraHWidths, kSelkiraHFaces, 101.6},
    {kSelkiraXHNames, kSelkiraXHWidths, kSelkiraXHFaces, 152.4},
    {kSelkiraQXD5MNames, kSelkiraQXD5MWidths, kSelkiraQXD5MFaces, 50},
    {kSelkira8mmNames, kSelkira8mmWidths, kSelkira8mmFaces, 100},
    {kSelkiraQXD14MNames, kSelkiraQXD14MWidths, kSelkiraQXD14MFaces, 115},
    {kSelkiraQVP5Names, kSelkiraQVP5Widths, kSelkiraQVP5Faces, 50},
    {kSelkiraQVP14Names, kSelkiraQVP14Widths, kSelkiraQVP14Faces, 115},
}};

// Loads of the SELKIRA belts per standard width, N: admissible pull open end
// and omega drive, admissible pull as a joined belt (0 = joined belt not
// made in this width), breaking load.
constexpr std::array<double, 8> kLoadT5Widths = {6, 10, 16, 25, 32, 50, 75, 100};
constexpr std::array<double, 8> kLoadT5Open = {190, 305, 610, 985, 1290, 1970, 2680, 3400};
constexpr std::array<double, 8> kLoadT5Joined = {0, 150, 305, 490, 645, 985, 1340, 1700};
constexpr std::array<double, 8> kLoadT5Breaking = {570, 915, 1830, 2975, 3890, 5950, 8100, 10200};
constexpr std::array<double, 8> kLoadT10Widths = {12, 16, 25, 32, 50, 75, 100, 150};
constexpr std::array<double, 8> kLoadT10Open = {1280, 1630, 2560, 3370, 5230, 8260, 10470, 12000};
constexpr std::array<double, 8> kLoadT10Joined = {0, 815, 1280, 1685, 2615, 4130, 5235, 6000};
constexpr std::array<double, 8> kLoadT10Breaking = {4020, 5110, 8040, 10600, 16450, 25960, 32900, 38000};
constexpr std::array<double, 6> kLoadT20Widths = {25, 32, 50, 75, 100, 150};
constexpr std::array<double, 6> kLoadT20Open = {3660, 4880, 8050, 12200, 16100, 25300};
constexpr std::array<double, 6> kLoadT20Joined = {1830, 2440, 4025, 6100, 8050, 12650};
constexpr std::array<double, 6> kLoadT20Breaking = {12460, 16620, 27430, 41560, 54860, 86400};
constexpr std::array<double, 7> kLoadAT5Widths = {6, 10, 16, 25, 32, 50, 75};
constexpr std::array<double, 7> kLoadAT5Open = {395, 630, 1260, 2050, 2680, 4255, 6500};
constexpr std::array<double, 7> kLoadAT5Joined = {0, 315, 630, 1025, 1340, 2125, 3450};
constexpr std::array<double, 7> kLoadAT5Breaking = {1225, 1960, 3920, 6370, 8330, 13230, 20500};
constexpr std::array<double, 7> kLoadAT10Widths = {16, 25, 32, 50, 75, 100, 150};
constexpr std::array<double, 7> kLoadAT10Open = {2190, 3660, 4880, 8050, 12200, 16600, 25300};
constexpr std::array<double, 7> kLoadAT10Joined = {0, 1830, 2440, 4025, 6100, 8300, 12600};
constexpr std::array<double, 7> kLoadAT10Breaking = {7480, 12450, 16600, 27400, 41500, 56500, 86400};
constexpr std::array<double, 7> kLoadAT20Widths = {25, 32, 50, 75, 100, 150, 200};
constexpr std::array<double, 7> kLoadAT20Open = {6020, 7400, 12040, 18050, 25000, 36400, 49100};
constexpr std::array<double, 7> kLoadAT20Joined = {3010, 3700, 6020, 9025, 12500, 18050, 24550};
constexpr std::array<double, 7> kLoadAT20Breaking = {19630, 24160, 39270, 58900, 81560, 119000, 160500};
constexpr std::array<double, 7> kLoadXLWidths = {6.35, 7.874, 9.398, 12.7, 25.4, 38.1, 50.8};
constexpr std::array<double, 7> kLoadXLOpen = {190, 228, 305, 450, 985, 1518, 2050};
constexpr std::array<double, 7> kLoadXLJoined = {0, 0, 150, 225, 490, 758, 1025};
constexpr std::array<double, 7> kLoadXLBreaking = {570, 685, 915, 1370, 2975, 4573, 6170};
constexpr std::array<double, 6> kLoadLWidths = {9.398, 12.7, 19.05, 25.4, 38.1, 50.8};
constexpr std::array<double, 6> kLoadLOpen = {630, 945, 1490, 2050, 3150, 4250};
constexpr std::array<double, 6> kLoadLJoined = {315, 470, 745, 1025, 1575, 2125};
constexpr std::array<double, 6> kLoadLBreaking = {1860, 2940, 4650, 6050, 9800, 13230};
constexpr std::array<double, 7> kLoadHWidths = {12.7, 19.05, 25.4, 38.1, 50.8, 76.2, 101.6};
constexpr std::array<double, 7> kLoadHOpen = {1160, 1970, 2560, 3720, 5230, 7450, 10470};
constexpr std::array<double, 7> kLoadHJoined = {580, 985, 1280, 1860, 2615, 3725, 5235};
constexpr std::array<double, 7> kLoadHBreaking = {3650, 6210, 8040, 11700, 16450, 25300, 32900};
constexpr std::array<double, 6> kLoadXHWidths = {25.4, 38.1, 50.8, 76.2, 101.6, 152.4};
constexpr std::array<double, 6> kLoadXHOpen = {3660, 5610, 8050, 12200, 16100, 25300};
constexpr std::array<double, 6> kLoadXHJoined = {1830, 2805, 4025, 6100, 8050, 12650};
constexpr std::array<double, 6> kLoadXHBreaking = {12450, 19100, 27400, 41500, 54860, 86400};
constexpr std::array<double, 4> kLoadQXD5MWidths = {10, 15, 25, 50};
constexpr std::array<double, 4> kLoadQXD5MOpen = {630, 1180, 2050, 4255};
constexpr std::array<double, 4> kLoadQXD5MJoined = {315, 590, 1025, 2128};
constexpr std::array<double, 4> kLoadQXD5MBreaking = {1960, 3675, 6370, 13230};
constexpr std::array<double, 7> kLoadQXD8MWidths = {10, 15, 20, 30, 50, 85, 100};
constexpr std::array<double, 7> kLoadQXD8MOpen = {1220, 1950, 2920, 4390, 8050, 13900, 16600};
constexpr std::array<double, 7> kLoadQXD8MJoined = {610, 975, 1460, 2195, 4025, 6950, 8300};
constexpr std::array<double, 7> kLoadQXD8MBreaking = {4150, 6640, 9960, 14940, 27400, 47320, 56500};
constexpr std::array<double, 6> kLoadQXD14MWidths = {25, 40, 55, 85, 100, 115};
constexpr std::array<double, 6> kLoadQXD14MOpen = {6020, 9260, 11570, 20830, 25000, 28500};
constexpr std::array<double, 6> kLoadQXD14MJoined = {3010, 4630, 5785, 10415, 12500, 14200};
constexpr std::array<double, 6> kLoadQXD14MBreaking = {19630, 30200, 37760, 67960, 81560, 93000};
constexpr std::array<double, 5> kLoadQVP5Widths = {10, 15, 25, 30, 50};
constexpr std::array<double, 5> kLoadQVP5Open = {875, 1330, 2375, 2660, 4750};
constexpr std::array<double, 5> kLoadQVP5Joined = {0, 0, 0, 0, 0};
constexpr std::array<double, 5> kLoadQVP5Breaking = {2680, 4020, 7230, 8040, 15000};
constexpr std::array<double, 7> kLoadQVP8Widths = {10, 15, 20, 30, 50, 85, 100};
constexpr std::array<double, 7> kLoadQVP8Open = {1460, 2240, 3020, 4480, 7100, 12650, 15800};
constexpr std::array<double, 7> kLoadQVP8Joined = {0, 0, 0, 0, 0, 0, 0};
constexpr std::array<double, 7> kLoadQVP8Breaking = {5460, 8190, 10920, 17290, 30940, 53600, 63595};
constexpr std::array<double, 7> kLoadQVP8HPWidths = {10, 15, 20, 30, 50, 85, 100};
constexpr std::array<double, 7> kLoadQVP8HPOpen = {2000, 2825, 3650, 5870, 9370, 16960, 19850};
constexpr std::array<double, 7> kLoadQVP8HPJoined = {0, 0, 0, 0, 0, 0, 0};
constexpr std::array<double, 7> kLoadQVP8HPBreaking = {8250, 13200, 18150, 26400, 46200, 77550, 90750};
constexpr std::array<double, 4> kLoadQVP14Widths = {40, 55, 85, 115};
constexpr std::array<double, 4> kLoadQVP14Open = {12300, 16750, 28500, 36500};
constexpr std::array<double, 4> kLoadQVP14Joined = {0, 0, 0, 0};
constexpr std::array<double, 4> kLoadQVP14Breaking = {49200, 67650, 104550, 144525};

constexpr std::array<SelkiraLoadRow, 17> kSelkiraLoadRows = {{
    {"SELKIRA T5", kLoadT5Widths, kLoadT5Open, kLoadT5Joined, kLoadT5Breaking},
    {"SELKIRA T10", kLoadT10Widths, kLoadT10Open, kLoadT10Joined, kLoadT10Breaking},
    {"SELKIRA T20", kLoadT20Widths, kLoadT20Open, kLoadT20Joined, kLoadT20Breaking},
    {"SELKIRA AT5", kLoadAT5Widths, kLoadAT5Open, kLoadAT5Joined, kLoadAT5Breaking},
    {"SELKIRA AT10", kLoadAT10Widths, kLoadAT10Open, kLoadAT10Joined, kLoadAT10Breaking},
    {"SELKIRA AT20", kLoadAT20Widths, kLoadAT20Open, kLoadAT20Joined, kLoadAT20Breaking},
    {"SELKIRA XL", kLoadXLWidths, kLoadXLOpen, kLoadXLJoined, kLoadXLBreaking},
    {"SELKIRA L", kLoadLWidths, kLoadLOpen, kLoadLJoined, kLoadLBreaking},
    {"SELKIRA H", kLoadHWidths, kLoadHOpen, kLoadHJoined, kLoadHBreaking},
    {"SELKIRA XH", kLoadXHWidths, kLoadXHOpen, kLoadXHJoined, kLoadXHBreaking},
    {"SELKIRA QXD5M", kLoadQXD5MWidths, kLoadQXD5MOpen, kLoadQXD5MJoined, kLoadQXD5MBreaking},
    {"SELKIRA QXD8M", kLoadQXD8MWidths, kLoadQXD8MOpen, kLoadQXD8MJoined, kLoadQXD8MBreaking},
    {"SELKIRA QXD14M", kLoadQXD14MWidths, kLoadQXD14MOpen, kLoadQXD14MJoined, kLoadQXD14MBreaking},
    {"SELKIRA QVP5", kLoadQVP5Widths, kLoadQVP5Open, kLoadQVP5Joined, kLoadQVP5Breaking},
    {"SELKIRA QVP8", kLoadQVP8Widths, kLoadQVP8Open, kLoadQVP8Joined, kLoadQVP8Breaking},
    {"SELKIRA QVP8HP", kLoadQVP8HPWidths, kLoadQVP8HPOpen, kLoadQVP8HPJoined, kLoadQVP8HPBreaking},
    {"SELKIRA QVP14", kLoadQVP14Widths, kLoadQVP14Open, kLoadQVP14Joined, kLoadQVP14Breaking},
}};

}  // namespace

const StandardWidthRow* FindStandardWidths(std::string_view beltName) {
    for (const auto& row : kStandardWidthRows)
        if (std::find(row.beltNames.begin(), row.beltNames.end(), beltName) != row.beltNames.end())
            return &row;
    return nullptr;
}

const SelkiraLoadRow* FindSelkiraLoads(std::string_view beltName) {
    for (const auto& row : kSelkiraLoadRows)
        if (row.beltName == beltName) return &row;
    return nullptr;
}

void LoadStandardWidths(DriveProject& p) {
    p.beltSuffixAvailable = DoubleSidedSuffix(p.beltFamily, p.beltType, p.beltName);

    const StandardWidthRow* row = FindStandardWidths(p.beltName);
    if (!row) return;

    // Entries past the last width are cleared so that nothing of an earlier
    // belt survives in the tables (the project file saves them).
    p.standardWidths.fill(0);
    p.widthTableA.fill(0);
    std::copy(row->widthsMm.begin(), row->widthsMm.end(), p.standardWidths.begin());
    std::copy(row->faceWidthsMm.begin(), row->faceWidthsMm.end(), p.widthTableA.begin());
    p.pitchRangeLast = static_cast<int>(row->widthsMm.size()) - 1;
    p.maxBeltWidth = row->widestMm / 1000.0;

    p.admissiblePullOpen.fill(0);
    p.admissiblePullJoined.fill(0);
    p.breakingLoad.fill(0);
    if (const SelkiraLoadRow* loads = FindSelkiraLoads(p.beltName)) {
        std::copy(loads->admissiblePullOpen.begin(), loads->admissiblePullOpen.end(),
                  p.admissiblePullOpen.begin());
        std::copy(loads->admissiblePullJoined.begin(), loads->admissiblePullJoined.end(),
                  p.admissiblePullJoined.begin());
        std::copy(loads->breakingLoad.begin(), loads->breakingLoad.end(), p.breakingLoad.begin());
    }
}

}  // namespace belt
