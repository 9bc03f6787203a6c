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
// keeps its permissions; a missing file is created, also where a link
// points to it. A file the user may not write is refused, as cp refuses it,
// even where the folder would allow the rename. Anything else at path
// (a device, a named pipe, a socket, a folder) is refused and left alone.
// On any failure the old file stays as it was and no temporary file is
// left. Temporary files of the same target left by a writer that was
// killed (older than a minute) are removed.
// Returns "" when done, otherwise the reason, starting with the path or the
// folder it concerns: "out.pdf: No space left on device",
// "/dev/null: not a file but a character device". The temporary file is
// named after the target (cut short where the name would grow too long).
std::string ReplaceFile(const std::string& path, std::string_view bytes);

// Removes the temporary file of a ReplaceFile under way, if any. Safe in a
// signal handler: a program that ends on a signal calls it so that nothing
// but the old file is left.
void RemovePendingTemporary() noexcept;

// A function ReplaceFile calls just before the rename (nullptr: none), so
// that a test can stop a write there.
void SetBeforeRenameHook(void (*hook)());

}  // namespace belt
