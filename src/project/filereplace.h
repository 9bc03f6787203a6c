// Writing a whole file so that nobody ever finds it half written: the bytes
// go to a temporary file in the target's folder, which replaces the target
// only once it is complete and on the disk. Shared by the project file and
// by every file the batch tool writes (pages, layouts).
#pragma once

#include <string>
#include <string_view>

namespace belt {

// Writes bytes as the new content of the file at path. Only a regular file
// (or a link to one) is replaced, a link keeps pointing to it and the file
// keeps its permissions; a missing file is created. Anything else at path
// (a device, a named pipe, a socket, a folder) is refused and left alone.
// On any failure the old file stays as it was and no temporary file is
// left. Temporary files of the same target left by a writer that was
// killed (older than a minute) are removed.
// Returns "" when done, otherwise the reason, starting with the path or the
// folder it concerns: "out.pdf: No space left on device",
// "/dev/null: not a file but a character device".
std::string ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace belt
