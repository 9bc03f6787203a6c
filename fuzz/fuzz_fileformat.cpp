// The project file format alone, fast enough to reach far: arbitrary bytes
// are read as a project file (as far as they can be read), the project is
// saved, and the saved file is read again. Then:
// - what was saved reads back whole, from the same screen;
// - the project read back is the project saved: saved again, it gives the
//   very same bytes (a number keeps the digits a file holds).
// What a project that reads whole goes on to do is fuzz_projectfile's part.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzzsupport.h"
#include "project/projectfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace belt;
    // A complete project takes some 10 kB.
    if (size > 64 * 1024) return 0;
    // Reading resets a project: two kept from run to run spare the
    // construction of some 70 kB each time.
    static DriveProject first;
    static DriveProject second;
    const OpenResult read = ProjectFile::read(std::string_view(reinterpret_cast<const char*>(data), size), first);
    const std::string saved = ProjectFile::write(first, read.savedScreen);

    const OpenResult again = ProjectFile::read(saved, second);
    FUZZ_CHECK(again.ok, "a saved project does not read back whole");
    FUZZ_CHECK(again.savedScreen == read.savedScreen, "a saved project reads back from another screen");
    FUZZ_CHECK(ProjectFile::write(second, again.savedScreen) == saved, "a saved project reads back to other values");
    return 0;
}
