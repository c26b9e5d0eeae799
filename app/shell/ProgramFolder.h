#pragma once

#include <QString>

#include <filesystem>

namespace quendry {

// The folder that holds the program and every file it reads and writes: the dictionary, the
// panes' saved contents, the history log, the help page and the sample folder. Tests hand the
// windows a temporary folder instead of the program's own.
class ProgramFolder {
public:
    // The folder of the running executable.
    static ProgramFolder ofApplication();

    explicit ProgramFolder(const QString& path);

    // The folder, ending in a separator.
    QString path() const { return m_path; }
    // A file or folder inside it.
    QString filePath(const QString& name) const { return m_path + name; }
    std::filesystem::path fileSystemPath(const QString& name) const;

private:
    QString m_path;
};

} // namespace quendry
