#include "project/projectfile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <system_error>
#include <type_traits>
#include <variant>
#include <vector>

#include "project/filereplace.h"
#include "project/step1tab.h"

namespace belt {

// ---------------------------------------------------------------------------
// Windows-1252 <-> UTF-8

namespace {

// Code points of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same number, as Windows itself
// converts them, so they survive a round trip.
constexpr std::array<char32_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i]; returns its length, or 0 when the
// bytes there are not well-formed UTF-8 (overlong forms and surrogates included).
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        const std::size_t len = decodeUtf8(utf8, i, c);
        if (len == 0) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char byte = '?';
        for (std::size_t k = 0; k < kHigh1252.size(); ++k) {
            if (kHigh1252[k] == c) {
                byte = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += byte;
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (const char ch : cp1252) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            appendUtf8(out, kHigh1252[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// Numbers

std::string FormatFileNumber(double value, int significantDigits) {
    // A value that is not finite has no form the reader (old or new) accepts;
    // 0 is what every field holds when nothing was computed.
    if (!std::isfinite(value) || value == 0) return "0";
    if (significantDigits < 1) significantDigits = 1;
    if (significantDigits > 17) significantDigits = 17;

    // Round once, in scientific form, then lay the digits out.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significantDigits - 1);
    double back = 0;
    if (std::from_chars(buf, res.ptr, back).ec == std::errc::result_out_of_range) {
        // Rounded up past the largest Double (1.79769313486232E+308), the
        // number could not be read back: cut the digits instead.
        res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 17);
        char* e = std::find(buf, res.ptr, 'e');
        const std::string exponent(e, res.ptr);
        char* cut = buf + (buf[0] == '-' ? 1 : 0) + 1 + (significantDigits > 1 ? significantDigits : 0);
        res.ptr = std::copy(exponent.begin(), exponent.end(), cut);
    }
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool negative = sci.front() == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t k = negative ? 1 : 0; k < ePos; ++k) {
        if (sci[k] != '.') digits += sci[k];
    }
    int exponent = 0;
    {
        std::string_view e = sci.substr(ePos + 1);
        if (!e.empty() && e.front() == '+') e.remove_prefix(1);
        std::from_chars(e.data(), e.data() + e.size(), exponent);
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent <= -5 || exponent >= significantDigits) {
        out += digits.front();
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int mag = std::abs(exponent);
        if (mag < 10) out += '0';
        out += std::to_string(mag);
    } else if (exponent >= 0) {
        const auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, intDigits);
            out += '.';
            out.append(digits, intDigits);
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

namespace {

// The page of STEP1.BeltType as the file numbers it. The numbers belong to
// the format and never change, whatever the order of the tabs on the screen.
struct SavedTab {
    Step1Tab tab;
    int number;
};
constexpr std::array<SavedTab, kStep1TabCount> kSavedTabs = {{
    {kTabOrvanto, 0},
    {kTabSelkira, 1},
    {kTabTavoren, 2},
    {kTabQuindel, 3},
    {kTabFendaro, 4},
    {kTabRubber, 5},
    {kTabNews, 6},
    {kTabFeasibility, 7},
    {kTabIdler, 8},
    {kTabClear, 9},
}};

int SavedTabNumber(int tab) {
    for (const SavedTab& t : kSavedTabs)
        if (t.tab == tab) return t.number;
    return SavedTabNumber(kTabClear);
}

// A number that names no page opens the empty page, as the screen always
// showed it.
int TabOfSavedNumber(int number) {
    for (const SavedTab& t : kSavedTabs)
        if (t.number == number) return t.tab;
    return kTabClear;
}

// ---------------------------------------------------------------------------
// The records, in file order. One description serves the writer and the
// reader, so the two cannot drift apart. Io provides str, integer, dbl, sgl,
// boolean (a Boolean control value), flag (an Integer flag written as a
// Boolean), tab (the step 1 page, by its number in the file) and end (end of
// record).

template <class Io, class Project, class Text>
void Records(Io& io, Project& p, Text& savedScreen) {
    auto& s = p.screen;
    io.str(savedScreen), io.end();
    io.tab(s.beltTypeTab), io.end();
    io.integer(p.profileButtonIndex), io.integer(p.profileDrawingCode), io.integer(p.beltKindCode), io.end();
    io.str(p.beltType), io.end();
    io.integer(p.flatBeltIndex), io.end();
    for (auto& v : s.optionDriver) io.boolean(v), io.end();
    for (auto& v : s.optionInput) io.boolean(v), io.end();
    for (int i = 7; i <= 11; ++i) {
        io.integer(s.tabellaBackColor[i]), io.end();
        io.integer(s.tabellaForeColor[i]), io.end();
    }
    io.integer(s.proprietaListIndex), io.end();
    for (int i = 2; i <= 4; ++i) io.integer(s.checkIdler[i]), io.end();
    io.str(s.remarks), io.end();

    io.str(p.beltName), io.end();
    io.str(p.beltCode), io.end();
    io.str(p.beltCodeDetail), io.end();
    io.str(p.beltSideSuffix), io.end();
    io.str(p.beltFamily), io.end();
    io.str(p.beltPitchCode), io.end();
    io.str(p.beltSuffixAvailable), io.end();

    io.integer(p.flatBeltInfoColumn), io.integer(p.linearDriveType), io.integer(p.twoPulleyMode);
    io.integer(p.pulleyCount), io.integer(p.pitchRangeFirst), io.integer(p.pitchRangeLast), io.end();
    io.integer(p.calcState), io.dbl(p.beltPitch);
    io.sgl(p.serviceFactor), io.sgl(p.loadFactorSecond), io.sgl(p.loadFactor), io.end();
    io.dbl(p.slopeAngle), io.dbl(p.carriageMass), io.dbl(p.stroke);
    io.dbl(p.torque), io.dbl(p.carriageLength), io.dbl(p.acceleration), io.end();
    io.dbl(p.beltSpeed), io.dbl(p.frictionForce), io.dbl(p.power);
    io.dbl(p.peripheralForce), io.dbl(p.maxEffectivePull), io.dbl(p.centreDistance), io.end();
    io.dbl(p.beltLength), io.dbl(p.lastStandardLength), io.dbl(p.beltWidth), io.dbl(p.beltWidthCalculated);
    io.end();
    io.dbl(p.maxTractionLoad1), io.dbl(p.maxTractionLoad2), io.dbl(p.maxTractionLoad3), io.end();
    io.dbl(p.maxBeltWidth), io.integer(p.layoutNeedsAdjust);
    io.dbl(p.powerRatingWithWidth), io.dbl(p.minIdlerDiameterInside), io.end();
    io.dbl(p.minIdlerDiameterOutside), io.dbl(p.pulleyFaceWidth), io.integer(p.teethInMesh), io.end();

    for (auto& v : p.standardLengths) io.integer(v), io.end();
    for (auto& v : p.toothLoadCoefficients) io.dbl(v), io.end();
    for (auto& row : p.pulleyTable)
        for (auto& v : row) io.dbl(v), io.end();
    for (auto& row : p.ribFlatRatingTable)
        for (auto& v : row) io.dbl(v), io.end();
    for (auto& v : p.toothDimensions) io.sgl(v), io.end();

    // One block per index k = 0..4: pulley k's data, then the k-th slices
    // of tangentPoint (tangent choice k) and beltPathTable (column k).
    for (int k = 0; k <= 4; ++k) {
        io.dbl(p.pulleyPosition[0][k]), io.dbl(p.pulleyPosition[1][k]), io.dbl(p.pulleyDiameter[k]);
        io.dbl(p.pulleySpeed[k]), io.dbl(p.pulleyArcOfContact[k]), io.integer(p.pulleyTeeth[k]), io.end();
        io.dbl(p.pulleyRatio[k]), io.flag(p.pulleyIsIdler[k]), io.integer(p.pulleyBeltSide[k]);
        io.dbl(p.pulleyOutsideDiameter[k]), io.dbl(p.pulleyFlangeDiameter[k]);
        io.dbl(p.pulleyMaxBore[k]), io.dbl(p.pulleyCrownHeight[k]), io.end();
        for (int j = 0; j <= 1; ++j)
            for (int m = 0; m <= 4; ++m)
                for (int n = 0; n <= 1; ++n) io.dbl(p.tangentPoint[j][k][m][n]), io.end();
        for (int r = 0; r <= 256; ++r) io.integer(p.beltPathTable[r][k]), io.end();
    }

    // widthTableA(8) is not part of the file.
    for (int i = 0; i <= 7; ++i) {
        io.dbl(p.widthTableA[i]), io.dbl(p.admissiblePullOpen[i]);
        io.dbl(p.admissiblePullJoined[i]), io.dbl(p.breakingLoad[i]), io.end();
    }
}

// ---------------------------------------------------------------------------
// Writer

class Writer {
public:
    void str(const std::string& v) {
        separate();
        // A double quote would end the item early and shift every later
        // record; a single quote keeps the remark readable.
        std::string text = Utf8ToWindows1252(v);
        for (char& c : text) {
            if (c == '"') c = '\'';
        }
        out_ += '"';
        out_ += text;
        out_ += '"';
    }
    void integer(int v) {
        separate();
        out_ += std::to_string(v);
    }
    void dbl(double v) {
        separate();
        out_ += FormatFileNumber(v, 15);
    }
    void sgl(float v) {
        separate();
        out_ += FormatFileNumber(v, 7);
    }
    void boolean(bool v) {
        separate();
        out_ += v ? "#TRUE#" : "#FALSE#";
    }
    void flag(int v) { boolean(v != 0); }
    void tab(int v) { integer(SavedTabNumber(v)); }
    void end() {
        out_ += "\r\n";
        first_ = true;
    }
    std::string take() { return std::move(out_); }

private:
    void separate() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    std::string out_;
    bool first_ = true;
};

// ---------------------------------------------------------------------------
// Reader

struct ParseError {
    int line;
    std::string message;
};

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}

    void str(std::string& v) {
        const Item it = next("a text in double quotes");
        if (!it.quoted) fail(it.line, "a text in double quotes", describe(it));
        v = Windows1252ToUtf8(it.text);
    }
    void integer(int& v) {
        const Item it = next("a whole number");
        double d = 0;
        if (it.quoted || !parseNumber(it.text, d)) fail(it.line, "a whole number", describe(it));
        // The first version's runtime rounded a fraction read into a whole
        // number field, halves to even; so does nearbyint by default.
        d = std::nearbyint(d);
        if (d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max()) {
            fail(it.line, "a whole number in range", describe(it));
        }
        v = static_cast<int>(d);
    }
    void dbl(double& v) {
        const Item it = next("a number");
        if (it.quoted || !parseNumber(it.text, v)) fail(it.line, "a number", describe(it));
    }
    void sgl(float& v) {
        const Item it = next("a number");
        double d = 0;
        if (it.quoted || !parseNumber(it.text, d) || std::fabs(d) > std::numeric_limits<float>::max()) {
            fail(it.line, "a number", describe(it));
        }
        v = static_cast<float>(d);
    }
    void boolean(bool& v) {
        const Item it = next("#TRUE# or #FALSE#");
        v = readBoolean(it);
    }
    void flag(int& v) {
        const Item it = next("#TRUE# or #FALSE#");
        v = readBoolean(it) ? kTrue : 0;
    }
    void tab(int& v) {
        int number = 0;
        integer(number);
        v = TabOfSavedNumber(number);
    }
    void end() {
        skipBlanks();
        first_ = true;
        if (pos_ >= s_.size()) {
            ++record_;
            return;
        }
        if (s_[pos_] == '\r' || s_[pos_] == '\n') {
            skipLineBreak();
            ++record_;
            return;
        }
        // Reading stops at the first item the record should not have.
        ++pos_;  // the comma: items never end anywhere else
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] == '\r' || s_[pos_] == '\n') {
            fail(line_, "the end of the line", "a comma");
        }
        const Item it = rawItem();
        fail(it.line, "the end of the line", "another item " + describe(it));
    }

    // The record being read, 1-based.
    int record() const { return record_; }

private:
    struct Item {
        std::string_view text;
        bool quoted = false;
        int line = 0;
    };

    [[noreturn]] static void fail(int line, const std::string& expected, const std::string& found) {
        throw ParseError{line,
                         "line " + std::to_string(line) + ": expected " + expected + ", found " + found};
    }

    static std::string describe(const Item& it) {
        constexpr std::size_t kShown = 40;
        std::string text = Windows1252ToUtf8(it.text.substr(0, kShown));
        if (it.text.size() > kShown) text += "...";
        return "\"" + text + "\"";
    }

    static bool parseNumber(std::string_view t, double& v) {
        // The old runtime accepts a leading "+"; from_chars does not.
        if (t.size() > 1 && t.front() == '+' && t[1] != '-') t.remove_prefix(1);
        if (t.empty()) return false;
        // from_chars also reads "inf" and "nan"; no field may hold them.
        const char c = t.front() == '-' ? (t.size() > 1 ? t[1] : '\0') : t.front();
        if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
        double d = 0;
        const auto res = std::from_chars(t.data(), t.data() + t.size(), d, std::chars_format::general);
        if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(d)) return false;
        v = d;
        return true;
    }

    static bool equalsNoCase(std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            char x = a[i];
            if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
            if (x != b[i]) return false;
        }
        return true;
    }

    bool readBoolean(const Item& it) const {
        if (!it.quoted) {
            if (equalsNoCase(it.text, "#TRUE#")) return true;
            if (equalsNoCase(it.text, "#FALSE#")) return false;
            // A number in a Boolean field: any value but 0 is True.
            double d = 0;
            if (parseNumber(it.text, d)) return d != 0;
        }
        fail(it.line, "#TRUE# or #FALSE#", describe(it));
    }

    void skipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
    }

    void skipLineBreak() {
        if (s_[pos_] == '\r') ++pos_;
        if (pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
        ++line_;
    }

    // The next item of the current record, after its separating comma.
    Item next(const std::string& expected) {
        skipBlanks();
        if (!first_) {
            if (pos_ >= s_.size()) fail(line_, expected, "the end of the file");
            if (s_[pos_] != ',') {
                if (s_[pos_] == '\r' || s_[pos_] == '\n') fail(line_, expected, "the end of the line");
                fail(line_, expected, describe(rawItem()));
            }
            ++pos_;
            skipBlanks();
        }
        first_ = false;
        if (pos_ >= s_.size()) fail(line_, expected, "the end of the file");
        if (s_[pos_] == '\r' || s_[pos_] == '\n') fail(line_, expected, "the end of the line");
        return rawItem();
    }

    // A quoted text (which may hold commas and line breaks) or everything up
    // to the next comma or line end.
    Item rawItem() {
        Item it;
        it.line = line_;
        if (s_[pos_] == '"') {
            const std::size_t start = ++pos_;
            while (pos_ < s_.size() && s_[pos_] != '"') {
                if (s_[pos_] == '\n' ||
                    (s_[pos_] == '\r' && (pos_ + 1 >= s_.size() || s_[pos_ + 1] != '\n'))) {
                    ++line_;
                }
                ++pos_;
            }
            if (pos_ >= s_.size()) {
                throw ParseError{it.line,
                                 "line " + std::to_string(it.line) +
                                     ": a text in double quotes is not closed before the end of the file"};
            }
            it.text = s_.substr(start, pos_ - start);
            it.quoted = true;
            ++pos_;
            skipBlanks();
            // Anything between the closing quote and the next separator
            // means the text held a double quote of its own.
            if (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n') {
                const std::size_t from = pos_;
                while (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
                fail(line_, "a comma or the end of the line after a text in double quotes",
                     describe(Item{s_.substr(from, pos_ - from), false, line_}));
            }
            return it;
        }
        const std::size_t start = pos_;
        while (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '\r' && s_[pos_] != '\n') ++pos_;
        std::string_view t = s_.substr(start, pos_ - start);
        while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
        it.text = t;
        return it;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int record_ = 1;
    bool first_ = true;
};

// Every item of the records from `first` on, by address and in file order:
// two lists taken from two projects pair their fields one to one.
template <bool Const>
class FieldList {
public:
    template <class T>
    using Ptr = std::conditional_t<Const, const T*, T*>;
    using Field = std::variant<Ptr<std::string>, Ptr<int>, Ptr<double>, Ptr<float>, Ptr<bool>>;

    explicit FieldList(int first) : first_(first) {}
    void str(auto& v) { add(&v); }
    void integer(auto& v) { add(&v); }
    void dbl(auto& v) { add(&v); }
    void sgl(auto& v) { add(&v); }
    void boolean(auto& v) { add(&v); }
    void flag(auto& v) { add(&v); }
    void tab(auto& v) { add(&v); }
    void end() { ++record_; }
    const std::vector<Field>& fields() const { return fields_; }

private:
    void add(auto* v) {
        if (record_ >= first_) fields_.emplace_back(v);
    }
    int first_;
    int record_ = 1;
    std::vector<Field> fields_;
};

// What the screens would show for a project that was just read: the file
// holds neither which idler diameter boxes were typed nor whether DRAW was
// pressed on the layout screen.
void deriveScreenState(DriveProject& p) {
    for (int k = 2; k <= 4; ++k) {
        p.screen.idlerDiameterTyped[k] = p.pulleyIsIdler[k] != 0 && p.pulleyDiameter[k] != 0;
    }
    p.screen.layoutDrawn = p.pulleyCount >= 3 && p.beltPathTable[0][0] > 0 && p.beltPathTable[0][1] > 0;
}

// A complete project takes some 10 kB; anything far beyond that is not a
// project file, and reading it whole could exhaust the memory.
constexpr std::size_t kMaxProjectFileBytes = 16u << 20;

std::string errnoText(int err) {
    return std::generic_category().message(err);
}

SaveResult saveFailed(const std::string& reason) {
    return SaveResult{false, std::string(kSaveFailedText) + " " + reason};
}

}  // namespace

// ---------------------------------------------------------------------------

std::string ProjectFile::write(const DriveProject& p, const std::string& activeScreen) {
    Writer w;
    const std::string screen = activeScreen;
    Records(w, p, screen);
    return w.take();
}

namespace {

// The items of a file in order: quoted texts whole, numbers and flags
// between the commas and line ends.
std::vector<std::string_view> Items(std::string_view content) {
    std::vector<std::string_view> items;
    std::size_t i = 0;
    while (i < content.size()) {
        const char c = content[i];
        if (c == ',' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        std::size_t end = i;
        if (c == '"') {
            end = content.find('"', i + 1);
            end = end == std::string_view::npos ? content.size() : end + 1;
        } else {
            while (end < content.size() && content[end] != ',' && content[end] != '\r' &&
                   content[end] != '\n')
                ++end;
        }
        items.push_back(content.substr(i, end - i));
        i = end;
    }
    return items;
}

std::optional<double> FileNumber(std::string_view item) {
    double v = 0;
    const char* first = item.data();
    const char* last = first + item.size();
    const auto r = std::from_chars(first, last, v);
    if (r.ec != std::errc() || r.ptr != last) return std::nullopt;
    return v;
}

}  // namespace

bool ProjectFile::sameProject(std::string_view a, std::string_view b) {
    if (a == b) return true;
    const std::vector<std::string_view> x = Items(a);
    const std::vector<std::string_view> y = Items(b);
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i] == y[i]) continue;
        const std::optional<double> u = FileNumber(x[i]);
        const std::optional<double> v = FileNumber(y[i]);
        if (!u || !v) return false;
        // Far below any digit a box shows, far above the rounding of a Double.
        if (std::fabs(*u - *v) > 1e-9 * std::max(std::fabs(*u), std::fabs(*v)) + 1e-15) return false;
    }
    return true;
}

OpenResult ProjectFile::read(std::string_view content, DriveProject& p) {
    OpenResult result;
    p.reset();
    // Editors that save UTF-8 may put a byte-order mark first; the format
    // has none, and a save writes none.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) content.remove_prefix(kByteOrderMark.size());
    Reader r(content);
    try {
        Records(r, p, result.savedScreen);
        result.ok = true;
    } catch (const ParseError& e) {
        result.ok = false;
        result.line = e.line;
        result.record = r.record();
        result.message = e.message;
    }
    deriveScreenState(p);
    return result;
}

void ProjectFile::copyVariables(const DriveProject& from, DriveProject& to) {
    FieldList<true> source(kFirstVariableRecord);
    FieldList<false> target(kFirstVariableRecord);
    std::string ignoredScreen;
    const std::string noScreen;
    Records(source, from, noScreen);
    Records(target, to, ignoredScreen);
    for (std::size_t i = 0; i < target.fields().size(); ++i) {
        std::visit(
            [&](auto* field) {
                using T = std::remove_pointer_t<decltype(field)>;
                *field = *std::get<const T*>(source.fields()[i]);
            },
            target.fields()[i]);
    }
    deriveScreenState(to);
}

SaveResult ProjectFile::save(const DriveProject& p, const std::string& path,
                             const std::string& activeScreen) {
    const std::string failed = ReplaceFile(path, write(p, activeScreen));
    if (!failed.empty()) return saveFailed(failed);
    return SaveResult{true, {}};
}

OpenResult ProjectFile::open(const std::string& path, DriveProject& p) {
    // Read the whole file first: one that cannot be read must not cost the
    // project in memory.
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        const int err = errno;
        return OpenResult{false, 0, path + ": " + errnoText(err ? err : EIO), {}};
    }
    std::string content;
    char buf[65536];
    std::size_t n = 0;
    bool tooLarge = false;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        content.append(buf, n);
        if (content.size() > kMaxProjectFileBytes) {
            tooLarge = true;
            break;
        }
    }
    const bool readError = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (readError) return OpenResult{false, 0, path + ": " + errnoText(err ? err : EIO), {}};
    if (tooLarge) return OpenResult{false, 0, path + ": too large for a project file", {}};
    return read(content, p);
}

}  // namespace belt
