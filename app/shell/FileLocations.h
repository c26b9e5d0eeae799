#pragma once

#include "app/shell/ProgramFolder.h"

#include <QString>

#include <optional>

namespace quendry {

// Where the program's files are. A program in a folder it can write to (a portable folder, the
// build folder) keeps everything beside itself. An installed program, in a folder the user cannot
// write to, keeps the files the user changes (the panes' contents, the history, the sample folder)
// in the user's own data folder, and reads the files it ships (the dictionary, the help page) from
// there when the user has put a copy there, otherwise from the installed data folder.
class FileLocations {
public:
    enum class Mode { Portable, PerUser };

    // Everything in one folder, beside the program.
    FileLocations(ProgramFolder folder); // NOLINT(google-explicit-constructor): a folder is a portable layout
    // The user's files in userFolder, the shipped ones in userFolder or else in installedData.
    FileLocations(ProgramFolder userFolder, ProgramFolder installedData);

    // The layout for the running program (below), with the user's data folder of the desktop and
    // the data folder the program was installed with.
    static FileLocations ofApplication();

    // Portable when the program's folder can be written and is not the folder that installing
    // puts the program in (even an administrator's run of an installed program keeps the user's
    // files out of the system's folders); otherwise per user.
    static FileLocations choose(const QString& programFolder, const QString& installedProgramFolder,
        const QString& userDataFolder, const QString& installedDataFolder);

    // Whether a file can be created in the folder, tried rather than read from the permissions, so
    // that read-only mounts and access rules count too.
    static bool canWrite(const QString& folder);

    Mode mode() const { return m_mode; }
    // Where "Top.txt", "Bottom.txt", "history.qdm" and the sample folder live.
    const ProgramFolder& userFolder() const { return m_user; }
    // A file the program ships ("Dct.txt", "help.htm"): the user's copy when there is one,
    // otherwise the installed one.
    QString shippedFile(const QString& name) const;

    // Creates the user's folder when it is missing; the error names the folder.
    std::optional<QString> ensureUserFolder() const;

    // One line for the user: which folder holds their files.
    QString description() const;

private:
    Mode m_mode;
    ProgramFolder m_user;
    ProgramFolder m_installedData;
};

} // namespace quendry
