#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/layout.h"
#include "export/dxfwriter.h"
#include "export/layoutdxf.h"
#include "project/driveproject.h"

namespace belt {
namespace {

// One entity of a DXF file: its type and its groups.
struct Entity {
    std::string type;
    std::multimap<int, std::string> groups;
    std::string layer() const { return groups.count(8) ? groups.find(8)->second : ""; }
    double number(int code) const { return std::stod(groups.find(code)->second); }
};

// The entities of the ENTITIES section; fails the test on a malformed file
// (a group code that is not a number, a value missing).
std::vector<Entity> Entities(const std::string& dxf) {
    std::istringstream in(dxf);
    std::vector<Entity> entities;
    std::string code, value;
    bool inEntities = false;
    while (std::getline(in, code)) {
        if (!std::getline(in, value)) {
            ADD_FAILURE() << "group " << code << " has no value";
            break;
        }
        std::size_t used = 0;
        const int c = std::stoi(code, &used);
        EXPECT_EQ(used, code.size()) << "group code \"" << code << "\"";
        if (c == 2 && value == "ENTITIES") inEntities = true;
        if (!inEntities) continue;
        if (c == 0) {
            if (value == "ENDSEC") inEntities = false;
            else entities.push_back({value, {}});
        } else if (!entities.empty()) {
            entities.back().groups.emplace(c, value);
        }
    }
    return entities;
}

struct Pulley {
    double x, y, d;  // mm
    bool idler = false;
};

DriveProject Layout(const std::string& family, const std::vector<Pulley>& pulleys) {
    DriveProject p;
    p.beltFamily = family;
    p.pulleyCount = static_cast<int>(pulleys.size());
    for (int k = 1; k <= p.pulleyCount; ++k) {
        const Pulley& q = pulleys[static_cast<std::size_t>(k - 1)];
        p.pulleyPosition[0][k] = q.x / 1000;
        p.pulleyPosition[1][k] = q.y / 1000;
        p.pulleyDiameter[k] = q.d / 1000;
        p.pulleyIsIdler[k] = q.idler ? 1 : 0;
        // Enough teeth in mesh for every wrap of a timing belt.
        p.pulleyTeeth[k] = q.idler ? 0 : 40;
    }
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
    return p;
}

// The belt's length on the drawing: its lines and its arcs, in mm.
double BeltLength(const std::vector<Entity>& entities) {
    double total = 0;
    for (const Entity& e : entities) {
        if (e.layer() != "BELT") continue;
        if (e.type == "LINE")
            total += std::hypot(e.number(11) - e.number(10), e.number(21) - e.number(20));
        if (e.type == "ARC") {
            const double sweep = std::fmod(e.number(51) - e.number(50) + 360.0, 360.0);
            total += sweep * 3.14159265358979323846 / 180.0 * e.number(40);
        }
    }
    return total;
}

int Count(const std::vector<Entity>& entities, const std::string& type, const std::string& layer) {
    int n = 0;
    for (const Entity& e : entities) n += e.type == type && e.layer() == layer;
    return n;
}

TEST(LayoutDxf, TheBeltOnTheDrawingIsAsLongAsTheLayoutsBelt) {
    struct Case {
        const char* name;
        DriveProject project;
        int carriages;
    };
    DriveProject omega = Layout("SELKIRA", {{0, 0, 50}, {60, 50, 30, true}, {-60, 50, 30, true}});
    omega.linearDriveType = 1;
    omega.stroke = 1.0;
    ComputeBeltPaths(omega);
    DriveProject openEnd = Layout("SELKIRA", {{0, 0, 60}, {800, 0, 60}});
    openEnd.linearDriveType = 0;
    const Case cases[] = {
        {"two pulleys", Layout("ORVANTO", {{0, 0, 63.66}, {300, 0, 127.32}}), 0},
        {"four pulleys, one inside", Layout("ORVANTO", {{0, 0, 80}, {400, 0, 80}, {200, 60, 40, true}, {200, 300, 80}}), 0},
        {"omega drive", omega, 0},
        {"open-end drive", openEnd, 1},
    };
    for (const Case& c : cases) {
        DriveProject p = c.project;
        ASSERT_GT(p.beltPathTable[0][0], 0) << c.name;
        std::ostringstream out;
        EXPECT_TRUE(WriteLayoutDxf(p, out)) << c.name;
        const std::vector<Entity> entities = Entities(out.str());
        DriveProject measured = p;
        const double expected = ComputeBeltLength(measured) * 1000;
        EXPECT_NEAR(BeltLength(entities), expected, 1e-6) << c.name;
        EXPECT_EQ(Count(entities, "CIRCLE", "PITCH"), p.pulleyCount) << c.name;
        EXPECT_EQ(Count(entities, "LINE", "CENTRES"), 2 * p.pulleyCount) << c.name;
        EXPECT_EQ(Count(entities, "LINE", "CARRIAGE"), c.carriages) << c.name;
        EXPECT_EQ(Count(entities, "TEXT", "TEXT"), 2 * p.pulleyCount) << c.name;
    }
}

TEST(LayoutDxf, ALayoutWithoutBeltPathGivesThePulleysOnly) {
    DriveProject p = Layout("ORVANTO", {{0, 0, 80}, {50, 0, 80}, {200, 100, 80}});
    ASSERT_EQ(p.beltPathTable[0][0], 0);
    std::ostringstream out;
    EXPECT_FALSE(WriteLayoutDxf(p, out));
    const std::vector<Entity> entities = Entities(out.str());
    EXPECT_EQ(Count(entities, "CIRCLE", "PITCH"), 3);
    EXPECT_EQ(BeltLength(entities), 0);
}

TEST(DxfWriter, TextStaysOnOneLineAndNumbersReadBackExactly) {
    DxfWriter dxf;
    dxf.addLayer("TEXT", 7);
    dxf.text("TEXT", 0.1, -2.5e-7, 3, "first\r\nsecond");
    dxf.line("TEXT", 1.0 / 3.0, 2, 3, 4);
    std::ostringstream out;
    dxf.write(out);
    const std::vector<Entity> entities = Entities(out.str());
    ASSERT_EQ(entities.size(), 2u);
    EXPECT_EQ(entities[0].groups.find(1)->second, "first  second");
    EXPECT_EQ(entities[0].number(20), -2.5e-7);
    EXPECT_EQ(entities[1].number(10), 1.0 / 3.0);
    EXPECT_EQ(out.str().find(','), std::string::npos);
}

}  // namespace
}  // namespace belt
