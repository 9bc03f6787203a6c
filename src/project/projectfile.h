// The project file (.dat): a plain text dump of the drive project and of the
// screen state that belongs to it, one record per line in a fixed order. The
// order is the format; nothing in the file names its fields. Files written by
// the first version of the program open unchanged, and files written here
// open there.
#pragma once

#include <string>
#include <string_view>

#include "project/driveproject.h"
#include "project/formnames.h"

namespace belt {

// Texts and settings of the File menu's Save and Open, for the desktop program.
inline constexpr std::string_view kSaveQuestionText = "Data will be lost\rDo you want to save?";
inline constexpr std::string_view kSaveQuestionTitle = "VESTRANO BELT CALCULATION";
inline constexpr std::string_view kSaveDialogTitle = "Save";
inline constexpr std::string_view kOpenDialogTitle = "Open";
inline constexpr std::string_view kProjectFileFilter = "File  *.dat|*.dat";
inline constexpr std::string_view kProjectFileExtension = "dat";
// Start of the message of a failed save; the reason follows after a blank.
inline constexpr std::string_view kSaveFailedText = "The project could not be saved:";
// Start of the message of a file that could not be read to its end; the
// reason ("line 812: expected a number, found \"abc\"") follows after a blank.
inline constexpr std::string_view kOpenFailedText = "The project file could not be read completely:";

// A complete file has this many records.
inline constexpr int kProjectFileRecords = 1983;

struct SaveResult {
    bool ok = false;
    std::string message;  // kSaveFailedText + " " + the reason when !ok
};

struct OpenResult {
    bool ok = false;
    // Line of the file where reading stopped (1-based); 0 when the file was
    // read to its end or could not be read at all. Equals the record number
    // unless a text item holds line breaks.
    int line = 0;
    std::string message;      // "line 812: expected a number, found \"abc\"" when !ok
    std::string savedScreen;  // record 1: the screen that was active when saving
    // Record where reading stopped (1-based); 0 when the file was read to
    // its end or could not be read at all. Records before it were read whole.
    int record = 0;
};

// Records 1 to 27 hold the screen that was active and the controls' values;
// the project's own variables start here.
inline constexpr int kFirstVariableRecord = 28;

struct ProjectFile {
    // Writes the project to path without ever destroying the previous file
    // (ReplaceFile, project/filereplace.h): only a regular file or a link to
    // one is replaced, and only once the new one is complete and on the
    // disk; a device, a named pipe or a folder at path is refused.
    // activeScreen is record 1 (the form name, "STEP1".."STEP6"); the reader
    // ignores it. The File menu's rule that an empty project (beltType "")
    // is not saved is the caller's.
    static SaveResult save(const DriveProject& p, const std::string& path,
                           const std::string& activeScreen = form::kStep5);

    // Resets the project and reads the file over it in record order. A
    // damaged or short file keeps the values read before the damage (the
    // rest stays as after the reset) and reports the line and what was
    // expected. A file that cannot be read at all leaves p untouched.
    // Afterwards p.screen.idlerDiameterTyped and p.screen.layoutDrawn, which
    // the file does not hold, are derived from what was read.
    static OpenResult open(const std::string& path, DriveProject& p);

    // The same on text in memory: the file's exact bytes (Windows-1252, CR LF).
    static std::string write(const DriveProject& p, const std::string& activeScreen = form::kStep5);
    static OpenResult read(std::string_view content, DriveProject& p);

    // Whether two files' contents hold the same project: the same records,
    // numbers equal but for their last digits (a design computed again from
    // the same data lands on the same values, not always on the same 15th
    // digit).
    static bool sameProject(std::string_view a, std::string_view b);

    // The variables of records kFirstVariableRecord to the end, copied from
    // `from` (a project just read) into `to`, whose controls were restored
    // first through their own handlers: the file's values have the last
    // word over whatever those handlers computed. Everything else in `to`
    // (unit tables, working tables, control values) stays as it is.
    static void copyVariables(const DriveProject& from, DriveProject& to);
};

// A number as the first version's runtime wrote it: "." as decimal point,
// no leading zero (".5", "-.5"), at most `significantDigits` digits (15 for
// Double, 7 for Single), exponent form outside 1E-05 < |v| < 10^digits
// ("1E-05", "1.5E+20"). Values that are not finite are written as 0.
std::string FormatFileNumber(double value, int significantDigits);

// Text conversion between the program (UTF-8) and the file (Windows-1252).
// Characters that Windows-1252 cannot hold, and bytes that are not UTF-8,
// become "?".
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view cp1252);

}  // namespace belt
