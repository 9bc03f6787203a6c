#include "project/filereplace.h"

#include <algorithm>
#include <cerrno>
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

// The temporary files of a target are its name + ".tmp" + digits.
bool isTemporaryOf(const std::string& name, const std::string& target) {
    if (name.size() <= target.size() + 4 || name.compare(0, target.size(), target) != 0 ||
        name.compare(target.size(), 4, ".tmp") != 0)
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(target.size() + 4), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
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
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }

    // The temporary file lives next to the target so that the final rename
    // stays within one file system and cannot leave a half-written target.
    std::random_device seed;
    std::mt19937 gen(seed());
    std::FILE* f = nullptr;
    fs::path temp;
    int openErr = 0;
    for (int attempt = 0; attempt < 20 && !f; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(gen() % 1000000);
        errno = 0;
        f = std::fopen(temp.string().c_str(), "wbx");
        openErr = errno;
        if (!f && openErr != EEXIST) break;
    }
    if (!f) {
        const fs::path folder = temp.has_parent_path() ? temp.parent_path() : fs::path(".");
        return folder.string() + ": " + errnoText(openErr);
    }

    auto abandon = [&](int err) {
        if (f) std::fclose(f);
        std::error_code ignored;
        fs::remove(temp, ignored);
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
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return path + ": " + ec.message();
    }
    // The rename lives in the folder: without this a power cut could still
    // bring back the old file, or none.
    if (const int err = syncFolder(target.parent_path()); err != 0) return path + ": " + errnoText(err);
    removeStaleTemporaries(target);
    return {};
}

}  // namespace belt
