#include "cli/TextFiles.h"

#include "analysis/profile/Windows1252.h"
#include "richtext/FileText.h"
#include "richtext/RtfParser.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quendry::cli {
namespace {

namespace fs = std::filesystem;

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithTqd(const std::string& name, bool exactCase)
{
    if (name.size() < 4)
        return false;
    const std::string tail = name.substr(name.size() - 4);
    if (exactCase)
        return tail == ".tqd";
    std::string folded = tail;
    std::transform(folded.begin(), folded.end(), folded.begin(), lower);
    return folded == ".tqd";
}

} // namespace

std::string readFileBytes(const fs::path& path, std::size_t limit)
{
    std::error_code error;
    if (fs::is_directory(path, error))
        throw CannotRead("cannot read " + path.string() + ": it is a folder");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw CannotRead("cannot read " + path.string() + ": " + std::strerror(errno));
    std::string bytes;
    if (const std::uintmax_t size = fs::file_size(path, error); !error)
        bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)));
    std::array<char, 1 << 16> buffer;
    while (bytes.size() < limit) {
        file.read(buffer.data(), static_cast<std::streamsize>(std::min(buffer.size(), limit - bytes.size())));
        bytes.append(buffer.data(), static_cast<std::size_t>(file.gcount()));
        if (!file)
            break;
    }
    if (file.bad())
        throw CannotRead("cannot read " + path.string());
    return bytes;
}

std::string readTextFile(const std::string& name, std::istream& in)
{
    std::string bytes;
    if (name != "-") {
        bytes = readFileBytes(name);
    } else {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            throw CannotRead("cannot read standard input");
    }
    // A rich text file (a sample, or a pane saved by the window) is read for its text.
    if (RtfParser::isRtf(bytes))
        return fileEngineText(bytes);
    return toEngineText(bytes);
}

bool nameLess(const std::string& a, const std::string& b)
{
    const auto folded = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return lower(x) < lower(y); });
    if (folded)
        return true;
    const auto foldedBack = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
        [](char x, char y) { return lower(x) < lower(y); });
    return !foldedBack && a < b;
}

std::vector<NamedFile> sampleFolderFiles(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw CannotRead("cannot read the sample folder " + folder.string() + ": it is not a folder");
    std::vector<NamedFile> files;
    fs::directory_iterator entries(folder, error);
    if (error)
        throw CannotRead("cannot read the sample folder " + folder.string() + ": " + error.message());
    for (const fs::directory_entry& entry : entries) {
        const std::string fileName = entry.path().filename().string();
        if (fileName.empty() || fileName[0] == '.' || !endsWithTqd(fileName, false))
            continue;
        std::error_code typeError;
        if (!entry.is_regular_file(typeError))
            continue;
        const std::string name = endsWithTqd(fileName, true) ? fileName.substr(0, fileName.size() - 4) : fileName;
        files.push_back({name, entry.path()});
    }
    std::sort(files.begin(), files.end(), [](const NamedFile& a, const NamedFile& b) { return nameLess(a.name, b.name); });
    return files;
}

std::string readSampleFile(const fs::path& path)
{
    std::string problem;
    // One byte past the limit tells a file too large for a pane, however large it is.
    if (auto text = sampleEngineText(readFileBytes(path, maxPaneFileBytes + 1), problem))
        return std::move(*text);
    throw CannotRead("cannot read " + path.string() + ": " + problem);
}

std::vector<std::string> readListFile(const std::string& name)
{
    std::string bytes = readFileBytes(name);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.erase(0, 3);
    const fs::path base = fs::path(name).parent_path();
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        line.erase(0, first);
        const fs::path path(line);
        names.push_back(path.is_absolute() || base.empty() ? line : (base / path).string());
    }
    return names;
}

} // namespace quendry::cli
