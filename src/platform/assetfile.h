// Where both executables find the files they ship with (help, tune, examples):
// beside the executable in a build tree, in ../share/beltcalc when installed.
// Relative to the executable, not to a fixed prefix, so a copy installed under
// /usr, /usr/local or a private folder each reads its own files.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace belt {

// The folder of the running executable; empty where the system does not say.
inline std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

// The asset `name` ("help.html", "examples/demo.dat") for an executable in
// exeDir: the first of the two places that holds it. When neither does, the
// place of the layout in use, so that a message names where it belongs.
inline std::filesystem::path AssetFile(const std::filesystem::path& exeDir, std::string_view name) {
    const std::filesystem::path beside = exeDir / name;
    const std::filesystem::path shared = (exeDir / ".." / "share" / "beltcalc").lexically_normal();
    std::error_code ec;
    if (std::filesystem::exists(beside, ec)) return beside;
    if (std::filesystem::exists(shared / name, ec) || std::filesystem::is_directory(shared, ec))
        return shared / name;
    return beside;
}

}  // namespace belt
