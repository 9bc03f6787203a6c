#include "catalogue/loadfactors.h"

#include "catalogue/belttraits.h"
#include "units/units.h"

namespace belt {

// Driven machines and their load factors by driver class.
const std::array<DrivenMachine, kDrivenMachineCount> kDrivenMachines = {{
    {"OFFICE MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Typewriters", 8, {1.0f, 1.1f, 1.2f}},
    {"Computers, Printers", 8, {1.1f, 1.2f, 1.3f}},
    {"Teleprinters, Photocopiers", 8, {1.1f, 1.2f, 1.3f}},
    {"Motion-picture projectors and cameras", 8, {1.0f, 1.1f, 1.2f}},
    {"DOMESTIC MACHINERIES", 0, {1.0f, 1.0f, 1.0f}},
    {"Centrifuges", 8, {1.0f, 1.1f, 1.2f}},
    {"Kitchen appliances, Universal slicers", 8, {1.1f, 1.2f, 1.3f}},
    {"SEWING MACHINES", 0, {1.0f, 1.0f, 1.0f}},
    {"Domestic sewing machines", 8, {1.1f, 1.2f, 1.3f}},
    {"Industrial sewing machines", 8, {1.2f, 1.3f, 1.4f}},
    {"LAUNDRY MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Driers", 8, {1.2f, 1.4f, 1.6f}},
    {"Washing machines", 8, {1.4f, 1.6f, 1.8f}},
    {"Bakery machinery and dough mixers", 8, {1.2f, 1.4f, 1.6f}},
    {"CONVEYORS", 0, {1.0f, 1.0f, 1.0f}},
    {"Light-duty belt conveyors", 6, {1.1f, 1.2f, 1.3f}},
    {"Belt conveyors for ore, coal, sand", 8, {1.2f, 1.4f, 1.6f}},
    {"Heavy-duty conveyors", 8, {1.4f, 1.6f, 1.8f}},
    {"Elevators, screw conveyors", 8, {1.4f, 1.6f, 1.8f}},
    {"Bucket elevators", 8, {1.4f, 1.6f, 1.8f}},
    {"AGITATORS", 0, {1.0f, 1.0f, 1.0f}},
    {"Mixers for liquids", 8, {1.2f, 1.4f, 1.6f}},
    {"Mixers for semiliquids", 8, {1.3f, 1.5f, 1.7f}},
    {"MACHINE TOOLS", 0, {1.0f, 1.0f, 1.0f}},
    {"Lathes", 6, {1.2f, 1.4f, 1.6f}},
    {"Drills and grinders", 8, {1.3f, 1.5f, 1.7f}},
    {"Millers and planers", 8, {1.3f, 1.5f, 1.7f}},
    {"WOODWORKING MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Lathes and band saws", 6, {1.2f, 1.3f, 1.5f}},
    {"Planers and disk saws", 8, {1.2f, 1.4f, 1.6f}},
    {"Sawmill machinery", 8, {1.4f, 1.6f, 1.8f}},
    {"BRICK MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Mixers", 8, {1.4f, 1.6f, 1.8f}},
    {"Pug mills", 8, {1.6f, 1.8f, 2.0f}},
    {"TEXTILE MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Spoolers and warping machines", 8, {1.2f, 1.4f, 1.6f}},
    {"Spinning and twisting machines", 8, {1.3f, 1.5f, 1.7f}},
    {"PAPER MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Agitators, Calenders, Driers", 8, {1.2f, 1.4f, 1.6f}},
    {"Pumps, Beaters, Pulpers", 8, {1.4f, 1.6f, 1.8f}},
    {"PRINTING MACHINERY", 0, {1.0f, 1.0f, 1.0f}},
    {"Linotype machines, Cutters, Folders", 6, {1.2f, 1.4f, 1.6f}},
    {"Rotary presses", 8, {1.3f, 1.5f, 1.7f}},
    {"SCREENS", 0, {1.0f, 1.0f, 1.0f}},
    {"Drum screens", 8, {1.2f, 1.4f, 1.6f}},
    {"Vibrating screens", 8, {1.3f, 1.5f, 1.7f}},
    {"FANS AND BLOWERS", 0, {1.0f, 1.0f, 1.0f}},
    {"Exhauster, Radial blowers", 8, {1.4f, 1.6f, 1.8f}},
    {"Mine ventilators, Axial blowers", 8, {1.6f, 1.8f, 2.0f}},
    {"COMPRESSORS", 0, {1.0f, 1.0f, 1.0f}},
    {"Helical compressors", 8, {1.4f, 1.5f, 1.6f}},
    {"Piston compressors", 8, {1.6f, 1.8f, 2.0f}},
    {"PUMPS", 0, {1.0f, 1.0f, 1.0f}},
    {"Centrifugal and gear pumps", 8, {1.2f, 1.4f, 1.6f}},
    {"Reciprocating pumps", 8, {1.7f, 1.9f, 2.1f}},
    {"Generators and exciters", 8, {1.4f, 1.6f, 1.8f}},
    {"Elevators and Hoists", 8, {1.4f, 1.6f, 1.8f}},
    {"Centrifuges", 8, {1.5f, 1.7f, 1.9f}},
    {"Rubber machinery", 8, {1.5f, 1.7f, 1.9f}},
    {"MILLS", 0, {1.0f, 1.0f, 1.0f}},
    {"Hammer mills", 8, {1.5f, 1.7f, 1.9f}},
    {"Ball, roller and gravel mills", 8, {1.7f, 1.9f, 2.1f}},
}};

// Driver classes, by starting torque.
const std::array<std::string_view, 3> kDriverClassCaptions = {
    "Electric motors with low starting torque (up to 1.5 times the rated torque); water and "
    "steam turbines; internal combustion engines of 8 or more cylinders.",
    "Electric motors with normal starting torque (1.5 to 2.5 times the rated torque); internal "
    "combustion engines of 4 to 6 cylinders.",
    "Electric motors with high starting and breaking torque (over 2.5 times the rated torque); "
    "internal combustion engines up to 4 cylinders.",
};

namespace {

// Factor tables of STEP1.Tabella(0..11); values are written as the old
// program formatted them ("+###0.0" or "###0.0").
const FactorTable kOperationTime = {{
    "Operation time",
    "8-10 h",
    "10-16 h",
    "16-24 h",
    "Intermittent",
    "Seasonal",
    "Service factor",
    "0",
    "+0.1",
    "+0.2",
    "-0.2",
    "-0.1",
}};
const FactorTable kOperatingConditions = {{
    "Operating conditions",
    "Steady load",
    "Low fluctuating\rload",
    "Average fluctuating\rload",
    "High fluctuating\rload",
    "",
    "Load factor",
    "+1.0",
    "+1.4",
    "+1.7",
    "2.0",
    "",
}};
const FactorTable kDuty = {{
    "Operating conditions",
    "Light duty",
    "Medium duty",
    "Heavy duty",
    "",
    "",
    "Service\rfactor",
    "+1.0",
    "+1.2",
    "+1.4",
    "",
    "",
}};

constexpr int kFirstValueCell = 7;
constexpr int kLastValueCell = 11;

void UnselectValueCells(DriveProject& p) {
    for (int i = kFirstValueCell; i <= kLastValueCell; ++i) {
        p.screen.tabellaBackColor[i] = kFactorCellBack;
        p.screen.tabellaForeColor[i] = kFactorCellFore;
    }
}

}  // namespace

bool FactorTable::inTable(int cell) const {
    return cell >= 0 && cell < static_cast<int>(caption.size()) && !caption[cell].empty();
}

void DatiLoadFactorC3(DriveProject& p) {
    for (auto& row : p.loadFactorC3Table) row.fill(0.0f);
    for (int r = 0; r < kDrivenMachineCount; ++r) p.loadFactorC3Table[r] = kDrivenMachines[r].factor;
}

std::vector<std::string> CaricaLoadFactor() {
    std::vector<std::string> list;
    list.reserve(kDrivenMachines.size());
    for (const auto& m : kDrivenMachines)
        list.push_back(std::string(static_cast<std::size_t>(m.indent), ' ') + std::string(m.text));
    return list;
}

std::optional<FactorTableKind> FactorTableForTab(int tab) {
    if (const BeltFamilyTraits* family = FamilyOfStep1Tab(tab)) return family->factorTable;
    return std::nullopt;
}

const FactorTable& FactorTableOf(FactorTableKind kind) {
    switch (kind) {
        case FactorTableKind::OperationTime:
            return kOperationTime;
        case FactorTableKind::OperatingConditions:
            return kOperatingConditions;
        case FactorTableKind::Duty:
            break;
    }
    return kDuty;
}

void InitFactorTable(DriveProject& p, FactorTableKind kind) {
    UnselectValueCells(p);
    if (kind == FactorTableKind::OperationTime) {
        p.loadFactorSecond = 0.0f;
        p.loadFactor = 1.0f;
    } else {
        // The first value counts although no cell is shown selected.
        p.loadFactorSecond = 1.0f;
    }
}

std::optional<int> PickFactorCell(DriveProject& p, FactorTableKind kind, int index) {
    const FactorTable& t = FactorTableOf(kind);
    // A cell that is not part of the table on show (FENDARO reuses Tabella(5)
    // as its characteristics panel) must not pick the value below it.
    if (!t.inTable(index)) return std::nullopt;
    if (index >= 1 && index <= 5) index += 6;
    if (index < kFirstValueCell || !t.inTable(index)) return std::nullopt;
    UnselectValueCells(p);
    p.screen.tabellaBackColor[index] = kFactorCellSelectedBack;
    p.screen.tabellaForeColor[index] = kFactorCellSelectedFore;
    p.loadFactorSecond = static_cast<float>(Val(t.caption[index]));
    return index;
}

int SelectedDriverClass(const DriveProject& p) {
    for (int i = 0; i < 3; ++i)
        if (p.screen.optionDriver[i]) return i;
    return -1;
}

std::optional<std::string> LookUpLoadFactor(DriveProject& p, int listIndex, int driverClass) {
    if (listIndex < 0 || listIndex >= kDrivenMachineCount) return std::nullopt;
    if (driverClass < 0 || driverClass > 2) return std::nullopt;
    p.loadFactor = p.loadFactorC3Table[listIndex][driverClass];
    return Format(p.loadFactor, "###0.0");
}

std::optional<std::string> LookUpLoadFactor(DriveProject& p) {
    return LookUpLoadFactor(p, p.screen.proprietaListIndex, SelectedDriverClass(p));
}

}  // namespace belt
