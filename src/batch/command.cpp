#include "batch/command.h"

#include <algorithm>
#include <ostream>

#include "units/units.h"

namespace belt::batch {

namespace {

// A function-local table: registrations in other files run during static
// initialisation, in an order nobody controls.
std::vector<Command>& table() {
    static std::vector<Command> commands;
    return commands;
}

constexpr const char* kQuantityNames[8] = {"length", "angular velocity", "mass",         "force",
                                           "power",  "velocity",         "acceleration", "torque"};

std::string trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return std::string(s);
}

std::string lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// The menu caption of unit u: its label without the brackets.
std::string caption(const DriveProject& p, int q, int u) {
    std::string label = p.unitLabel[static_cast<std::size_t>(q)][static_cast<std::size_t>(u)];
    if (label.size() >= 2 && label.front() == '[' && label.back() == ']')
        label = label.substr(1, label.size() - 2);
    return label;
}

}  // namespace

Registration::Registration(Command command) {
    auto& commands = table();
    const auto at = std::lower_bound(commands.begin(), commands.end(), command.name,
                                     [](const Command& c, const std::string& name) { return c.name < name; });
    commands.insert(at, std::move(command));
}

const std::vector<Command>& Commands() {
    return table();
}

const Command* FindCommand(std::string_view name) {
    for (const Command& c : table()) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

bool ParsedArgs::has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::string ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                      const std::vector<std::string>& flagOptions, ParsedArgs& parsed) {
    auto listed = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            parsed.positional.push_back(a);
            continue;
        }
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(0, eq);
        if (listed(valueOptions, name)) {
            if (eq != std::string::npos) {
                parsed.values[name] = a.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                parsed.values[name] = args[++i];
            } else {
                return "option " + name + " needs a value";
            }
        } else if (listed(flagOptions, name) && eq == std::string::npos) {
            parsed.flags.push_back(name);
        } else {
            return "unknown option " + a;
        }
    }
    return "";
}

std::string ApplyUnitList(DriveProject& p, std::string_view list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        items.push_back(trim(
            list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (items.size() > 8) return "too many units in \"" + std::string(list) + "\": at most 8";

    for (int q = 0; q < static_cast<int>(items.size()); ++q) {
        const std::string& item = items[static_cast<std::size_t>(q)];
        if (item.empty()) continue;
        int chosen = 0;
        int caseless = 0;
        int caselessMatches = 0;
        std::string choices;
        for (int u = 1; u <= kUnitCount[q]; ++u) {
            const std::string c = caption(p, q, u);
            if (c == item) chosen = u;
            if (lower(c) == lower(item)) caseless = u, ++caselessMatches;
            choices += (u > 1 ? ", " : "") + c;
        }
        // "MM" or "hp" are clear enough; "M" would not be if "m" and "M" both existed.
        if (chosen == 0 && caselessMatches == 1) chosen = caseless;
        if (chosen == 0) {
            return "unknown unit \"" + item + "\" for " + kQuantityNames[q] + "; choose one of: " + choices;
        }
        ChooseUnit(p, q, chosen);
    }
    return "";
}

std::string UnitListHelp() {
    DriveProject p;
    InitUnitTables(p);
    std::string text =
        "  --units LIST   units to show values in: up to eight names separated by\n"
        "                 commas, in this order (a missing or empty item keeps the\n"
        "                 first unit); default \"" +
        std::string(kDefaultUnits) + "\"\n";
    for (int q = 0; q < 8; ++q) {
        std::string line = std::string("                   ") + kQuantityNames[q] + ":";
        line.resize(37, ' ');
        for (int u = 1; u <= kUnitCount[q]; ++u) line += (u > 1 ? ", " : "") + caption(p, q, u);
        text += line + "\n";
    }
    return text;
}

int OpenProject(const std::string& path, DriveProject& p, std::ostream& err, bool& partial) {
    const OpenResult r = ProjectFile::open(path, p);
    partial = false;
    if (r.ok) return kExitOk;
    if (r.line == 0) {
        err << "beltcalc-batch: cannot read the project file " << r.message << "\n";
        return kExitBadFile;
    }
    err << "beltcalc-batch: " << PlainText(path) << " is damaged or incomplete: " << r.message << "\n";
    partial = true;
    return kExitBadFile;
}

int OpenDrive(const std::string& path, DriveProject& p, std::ostream& err, std::string_view prefix) {
    InitUnitTables(p);
    bool partial = false;
    if (OpenProject(path, p, err, partial) != kExitOk) return kExitBadFile;
    if (p.pulleyCount < 2 || p.pulleyCount > 4) {
        err << prefix << PlainText(path)
            << " has no drive yet: it was saved before the number of pulleys was chosen\n";
        return kExitBadFile;
    }
    return kExitOk;
}

std::string PlainText(std::string_view text, std::string_view indent) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += '\n';
            out += indent;
        } else if (c < 0x20 || c == 0x7F) {
            out += '?';
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // C1 controls (U+0080..U+009F) can steer a terminal as well.
            out += '?';
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace belt::batch
