#include "batch/command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <system_error>

#include "catalogue/belttraits.h"
#include "project/filereplace.h"
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
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options && a == "--") {
            options = false;
            continue;
        }
        if (!options || a.size() < 2 || a.front() != '-') {
            parsed.positional.push_back(a);
            continue;
        }
        if (a[1] != '-') return "unknown option " + a;
        const std::size_t eq = a.find('=');
        const std::string name = a.substr(0, eq);
        const bool value = listed(valueOptions, name);
        if ((value && parsed.values.count(name) > 0) || (!value && parsed.has(name)))
            return "option " + name + " is given twice";
        if (value) {
            if (eq != std::string::npos) {
                parsed.values[name] = a.substr(eq + 1);
            } else if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
                parsed.values[name] = args[++i];
            } else {
                return "option " + name + " needs a value";
            }
        } else if (listed(flagOptions, name)) {
            if (eq != std::string::npos) return "option " + name + " takes no value";
            parsed.flags.push_back(name);
        } else {
            return "unknown option " + name;
        }
    }
    return "";
}

std::string RefuseDecimalCommas(const ParsedArgs& parsed, const std::vector<std::string>& numericOptions) {
    for (const std::string& name : numericOptions) {
        const auto it = parsed.values.find(name);
        if (it != parsed.values.end() && it->second.find(',') != std::string::npos)
            return name + " takes a number with \".\" as its decimal point and no thousands separator, not \"" +
                   it->second + "\"";
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

int OpenProject(const Invocation& call, const std::string& path, DriveProject& p, bool& partial) {
    partial = false;
    if (path == "-") return call.fail("a project is read from a file, not from standard input (\"-\")");
    const OpenResult r = ProjectFile::open(path, p);
    if (!r.ok && r.line == 0) return call.fail("cannot read the project file " + r.message);
    // Every calculation and page asks the belt's family what it is.
    if (const std::string family = BeltFamilyError(p); !family.empty())
        return call.fail(path + ": " + family);
    if (r.ok) return kExitOk;
    partial = true;
    return call.fail(path + " is damaged or incomplete: " + r.message);
}

int OpenDrive(const Invocation& call, const std::string& path, DriveProject& p) {
    InitUnitTables(p);
    bool partial = false;
    if (OpenProject(call, path, p, partial) != kExitOk) return kExitError;
    if (p.pulleyCount < 2 || p.pulleyCount > 4)
        return call.fail(path +
                         " has no drive yet: it was saved before the number of pulleys was chosen");
    return kExitOk;
}

bool IsStandardOutput(const std::string& path) {
    if (path == "-") return true;
    // /dev/stdout, /dev/fd/1, the terminal itself or the file the shell
    // sent the output to: replacing it would leave the standard output
    // writing into a file that is gone.
    struct stat target {};
    struct stat out {};
    return ::stat(path.c_str(), &target) == 0 && ::fstat(STDOUT_FILENO, &out) == 0 &&
           target.st_dev == out.st_dev && target.st_ino == out.st_ino;
}

int WriteOutput(const Invocation& call, const std::string& path, std::string_view bytes) {
    if (IsStandardOutput(path)) {
        errno = 0;
        call.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        call.out.flush();
        if (!call.out)
            return call.fail("standard output: " + std::generic_category().message(errno ? errno : EIO));
        return kExitOk;
    }
    const std::string failed = ReplaceFile(path, bytes);
    if (!failed.empty()) return call.fail(failed);
    return kExitOk;
}

int Invocation::fail(const std::string& message, int status) const {
    // The terminal gets control characters escaped; JSON escapes them itself
    // and so carries the real text (a file name as the system has it).
    err << prefix() << PlainText(message) << "\n";
    if (failure_.empty()) failure_ = message;
    return status;
}

std::string PlainText(std::string_view text, std::string_view indent) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += '\n';
            out += indent;
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // C1 controls (U+0080..U+009F) can steer a terminal as well.
            const auto c1 = static_cast<unsigned char>(text[++i]);
            out += "\\u00";
            out += kHex[c1 >> 4];
            out += kHex[c1 & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace belt::batch
