#include "project/filereplace.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define BELT_HAVE_FSYNC 1
#endif

namespace belt {

namespace fs = std::filesystem;

namespace {

std::string errnoText(int err) {
    return std::generic_category().message(err ? err : EIO);
}

const char* kindOf(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory:
            return "folder";
        case fs::file_type::character:
            return "character device";
        case fs::file_type::block:
            return "block device";
        case fs::file_type::fifo:
            return "named pipe";
        case fs::file_type::socket:
            return "socket";
        default:
            return "special file";
    }
}

// The longest file name most file systems take, in bytes.
constexpr std::size_t kNameMax = 255;
// ".tmp" and up to six digits.
constexpr std::size_t kTemporarySuffix = 10;

// The temporary files of a target are its name + ".tmp" + digits; a name too
// long for that is cut short first, so that any name the system takes can
// be written.
std::string temporaryStem(const std::string& target) {
    return target.substr(0, std::min(target.size(), kNameMax - kTemporarySuffix));
}

bool isTemporaryOf(const std::string& name, const std::string& target) {
    const std::string stem = temporaryStem(target);
    if (name.size() <= stem.size() + 4 || name.compare(0, stem.size(), stem) != 0 ||
        name.compare(stem.size(), 4, ".tmp") != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(stem.size() + 4), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The temporary file being written, for RemovePendingTemporary: a signal
// handler may read only what is there already, so the name lives in a
// fixed buffer and `pending` says whether it is complete.
char pendingName[4096];
volatile std::sig_atomic_t pending = 0;

void setPending(const fs::path& temp) {
    pending = 0;
    const std::string name = temp.string();
    if (name.size() >= sizeof pendingName) return;
    std::copy(name.begin(), name.end(), pendingName);
    pendingName[name.size()] = '\0';
    pending = 1;
}

void (*beforeRename)() = nullptr;

// Where a link leads, followed link by link: a link to a file that does not
// exist yet names the file to create (as a shell's ">" creates it), not a
// name to put a regular file in place of the link. "" when the links go
// round in a circle.
fs::path followLinks(fs::path target, std::error_code& ec) {
    for (int depth = 0; depth < 40; ++depth) {
        const fs::file_status link = fs::symlink_status(target, ec);
        if (ec && link.type() != fs::file_type::not_found) return {};
        ec.clear();
        if (!fs::is_symlink(link)) return target;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return {};
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

// A writer that was killed leaves its temporary file behind; the next write
// of the same file clears them. One written to within the last minute may
// belong to a writer still running and is left alone.
void removeStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    const auto now = fs::file_time_type::clock::now();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isTemporaryOf(it->path().filename().string(), name)) continue;
        std::error_code ignored;
        const auto written = fs::last_write_time(it->path(), ignored);
        if (!ignored && now - written > std::chrono::minutes(1)) fs::remove(it->path(), ignored);
    }
}

// Makes a rename in `folder` durable; returns the error, 0 when done or when
// the file system has no such thing.
int syncFolder(const fs::path& folder) {
#ifdef BELT_HAVE_FSYNC
    const std::string name = folder.empty() ? std::string(".") : folder.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return 0;
    int err = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    ::close(fd);
    return err;
#else
    (void)folder;
    return 0;
#endif
}

}  // namespace

std::string ReplaceFile(const std::string& path, std::string_view bytes) {
    fs::path target(path);
    if (target.filename().empty()) return path + ": not a file name";

    // What is there now, following links: renaming over a device node would
    // put a regular file in its place (a save to /dev/null run by root
    // would destroy it).
    std::error_code ec;
    const fs::file_status now = fs::status(target, ec);
    if (ec && now.type() != fs::file_type::not_found) return path + ": " + ec.message();
    if (fs::exists(now) && !fs::is_regular_file(now))
        return path + ": not a file but a " + kindOf(now.type());

    // Writing over a link replaces the file it points to, not the link.
    target = followLinks(target, ec);
    if (ec) return path + ": " + ec.message();

#ifdef BELT_HAVE_FSYNC
    // The rename would replace a file its owner protected against writing
    // whenever the folder allows it; cp and a shell's ">" refuse, and so do
    // we. (Root may write anything, as there.)
    if (fs::exists(now) && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return path + ": " + errnoText(errno);
#endif

    // The temporary file lives next to the target so that the final rename
    // stays within one file system and cannot leave a half-written target.
    std::random_device seed;
    std::mt19937 gen(seed());
    std::FILE* f = nullptr;
    fs::path temp;
    int openErr = 0;
    for (int attempt = 0; attempt < 20 && !f; ++attempt) {
        temp = target.parent_path() / temporaryStem(target.filename().string());
        temp += ".tmp" + std::to_string(gen() % 1000000);
        setPending(temp);
        errno = 0;
        f = std::fopen(temp.string().c_str(), "wbx");
        openErr = errno;
        if (!f && openErr != EEXIST) break;
    }
    if (!f) {
        pending = 0;
        const fs::path folder = temp.has_parent_path() ? temp.parent_path() : fs::path(".");
        return folder.string() + ": " + errnoText(openErr);
    }

    auto abandon = [&](int err) {
        if (f) std::fclose(f);
        std::error_code ignored;
        fs::remove(temp, ignored);
        pending = 0;
        return path + ": " + errnoText(err);
    };
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) return abandon(errno);
    errno = 0;
    if (std::fflush(f) != 0) return abandon(errno);
#ifdef BELT_HAVE_FSYNC
    errno = 0;
    if (::fsync(::fileno(f)) != 0) return abandon(errno);
#endif
    errno = 0;
    const int closed = std::fclose(f);
    f = nullptr;
    if (closed != 0) return abandon(errno);

    // The new file keeps the permissions the old one had.
    if (fs::is_regular_file(now)) fs::permissions(temp, now.permissions(), ec);
    ec.clear();
    if (beforeRename) beforeRename();
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        pending = 0;
        return path + ": " + ec.message();
    }
    pending = 0;
    // The rename lives in the folder: without this a power cut could still
    // bring back the old file, or none.
    if (const int err = syncFolder(target.parent_path()); err != 0) return path + ": " + errnoText(err);
    removeStaleTemporaries(target);
    return {};
}

void RemovePendingTemporary() noexcept {
#ifdef BELT_HAVE_FSYNC
    if (pending) ::unlink(pendingName);
#else
    if (pending) std::remove(pendingName);
#endif
    pending = 0;
}

void SetBeforeRenameHook(void (*hook)()) {
    beforeRename = hook;
}

}  // namespace belt
