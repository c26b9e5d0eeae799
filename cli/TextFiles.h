#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace quendry::cli {

// A file that cannot be read, or whose content is not what it must be; the message names it.
class CannotRead : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text file as the engine reads it: UTF-8 or Windows-1252, CR LF line breaks; a rich text file
// for the text the window would show. "-" reads the stream. Throws CannotRead naming the file.
std::string readTextFile(const std::string& name, std::istream& in);

// The bytes of a file, whatever they are, up to the limit. Throws CannotRead naming the file.
std::string readFileBytes(const std::filesystem::path& path, std::size_t limit = SIZE_MAX);

// A text of a set, by the name it is shown under.
struct NamedFile {
    std::string name;
    std::filesystem::path path;
};

// The samples of a sample folder as the window's sample list shows them: every ordinary, visible
// file whose name ends in ".tqd" in any case, named after the file without an exact ".tqd",
// sorted by name ignoring case. Throws CannotRead when the folder cannot be listed.
std::vector<NamedFile> sampleFolderFiles(const std::filesystem::path& folder);

// The text of a sample file as the window puts it into a pane (rich text, or plain text). Throws
// CannotRead for a file the window would not put there: too large, or binary data.
std::string readSampleFile(const std::filesystem::path& path);

// The file names of a list file, one a line; blank lines and lines starting with '#' are skipped,
// relative names are taken from the list file's folder. Throws CannotRead.
std::vector<std::string> readListFile(const std::string& name);

// Orders names as the sample list does: ignoring ASCII case first, then byte by byte.
bool nameLess(const std::string& a, const std::string& b);

} // namespace quendry::cli
