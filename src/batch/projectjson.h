// The words every command's JSON shares: the drive project under the
// program's own variable names, in SI units (m, kg, s, N, W, N m, rad,
// rad/s), the pulleys as a list of objects (driver first), a width with its
// unit, texts with "\n" line breaks. calc, info and propose write the same
// thing under the same name, in the same unit.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/details.h"
#include "engine/proposals.h"
#include "project/driveproject.h"

namespace belt::batch {

// The design: belt, drive, application data, results, "pulleys",
// "beltPath" and "remarks" (described in the manual page). The catalogue's
// working tables, the unit tables and the screens' control values are left
// out. Numbers that are not finite become null, as do values that do not
// apply (the teeth of a flat belt pulley); `nonFinite`, when given, counts
// the former.
//
// The results (belt code, length, width, service factor, rating, ...) are
// null until the design was calculated (DesignCalculated): a project saved
// at step 3 holds zeros there that no script may take for a result.
nlohmann::ordered_json ProjectToJson(const DriveProject& p, int* nonFinite = nullptr);

// The force on every shaft of a calculated design: one object per pulley,
// the static load with its direction and, for a two-pulley rotary drive,
// the running load.
nlohmann::ordered_json ShaftLoadsJson(const DriveProject& p);

// Whether the project holds a calculated design: the belt code is its last
// result, and the results screen shows it.
bool DesignCalculated(const DriveProject& p);

// The torque on the driver pulley: the torque of step 1 when the project
// holds one, else (a drive given by its power or its carriage) from the
// peripheral force on the driver, once the drive has one.
double DriverTorque(const DriveProject& p);

// A number; null when it is not finite. A Single is written with the
// digits it holds (1.6, not 1.600000023841858).
nlohmann::ordered_json ToJson(double v);
nlohmann::ordered_json ToJson(float v);

// A text of the program for JSON: its line breaks (CR, CR LF) as "\n".
std::string JsonText(std::string_view text);

// A belt width: {"value": 0.032, "unit": "m", "metres": 0.032}, or for a
// multi-rib belt {"value": 12, "unit": "ribs", "metres": 0.0192} (ribs x
// rib pitch).
nlohmann::ordered_json WidthJson(std::string_view beltName, double width);

// What calc and propose both say of a pulley.
struct PulleyFacts {
    int number = 0;            // 1 = driver
    std::string role;          // "driver", "driven", "idler"
    std::optional<int> teeth;  // timing belts
    double diameter = 0;       // pitch diameter, m
    double speed = 0;          // rad/s
    double ratio = 0;          // driver speed / this pulley's speed
    double arcOfContact = 0;   // rad
};
nlohmann::ordered_json PulleyJson(const PulleyFacts& f);

// [{"label": "noise", "text": "Belt speed greater than ..."}]
nlohmann::ordered_json WarningsJson(const std::vector<ProposalWarning>& warnings);

// The calculation details: one object per entry, in the order of the steps:
// {"step", "what", "formula", "inputs": [{"symbol", "value", "unit"}],
// "source", "symbol", "value", "unit", "field"}, values in SI. "field" is the
// JSON pointer, within calc's object, of the result the entry gives
// ("/beltWidth/value", "/pulleys/0/arcOfContact"), or null. A message the
// design showed is {"step", "message": {"title", "text"}}.
nlohmann::ordered_json DetailsJson(const std::vector<DetailEntry>& entries);

// The object as the commands print it: one member a line, bytes that are
// not UTF-8 replaced.
std::string Dump(const nlohmann::ordered_json& j);

}  // namespace belt::batch
