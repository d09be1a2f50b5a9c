#pragma once
// Whole-file reading and writing for the documents. A file is replaced only once its
// new contents are completely on disk, so a save that fails part-way leaves the
// previous file as it was.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stelvar {

// A file that cannot be opened, read or written; the message names the file and the
// operating system's reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the bytes to a new file in the target's folder and renames it over the target.
// A target that is a symbolic link is written through: the file the link leads to (a
// dangling link's file is created) is replaced, and the link stays; a loop of links is
// refused. An existing target keeps its permissions, and one the user may not write is
// refused.
// On failure the new file is removed, the target is untouched, and FileError is thrown.
void WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes);

// The whole file as bytes; FileError when it cannot be opened or read.
std::string ReadWholeFile(const std::filesystem::path& file);

}  // namespace stelvar
