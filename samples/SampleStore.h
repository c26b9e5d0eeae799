#pragma once

#include "app/rtf/TextFileReader.h"
#include "app/shell/ProgramFolder.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;

namespace quendry {

// The sample library on disk: the folder "Template" in the program folder, one rich-text file per
// sample named after the sample with the extension ".tqd". There is no index; every operation
// reads the folder afresh. Each operation first makes sure the folder exists and fails with
// "Cannot create <folder>" when it cannot be made. Errors come back as the text to show the user.
class SampleStore {
public:
    static QString folderName() { return QStringLiteral("Template"); }

    struct Listing {
        QStringList names;
        std::optional<QString> error;
    };

    explicit SampleStore(ProgramFolder folder);

    // The sample folder, without a trailing separator.
    QString folderPath() const;
    // The file of a sample: the folder, a separator, the name and ".tqd".
    QString filePath(const QString& name) const;

    // Creates the folder (one level, inside the program folder) when it is missing.
    std::optional<QString> ensureFolder() const;

    // The names of the samples: every ordinary, visible file matching "*.tqd", with an exact
    // ".tqd" taken off its name. Sorted by name, ignoring case, so the list reads the same on
    // every file system.
    Listing list() const;

    // Whether the sample's file exists. Does not create the folder.
    bool exists(const QString& name) const;

    // Replaces the document's content with the sample's (rich text, or plain text when the file
    // is not rich text); the document is unchanged on failure.
    std::optional<QString> load(const QString& name, QTextDocument& document) const;
    // The same, also saying when the document holds less than the file (a rich text file cut
    // short or nested too deeply).
    TextFileReader::Result read(const QString& name, QTextDocument& document) const;

    // Writes the document as the sample, replacing any file of that name only once the whole text
    // is written. The name is used as it stands; a name that could lead out of the folder is
    // refused.
    std::optional<QString> write(const QString& name, const QTextDocument& document) const;

    // Gives the sample a new name by renaming its file in one step. Refused, with nothing
    // changed, when a sample of the new name exists or the old one is gone.
    std::optional<QString> rename(const QString& name, const QString& newName) const;

    // Deletes the sample's file; a file that is already gone is not an error.
    std::optional<QString> remove(const QString& name) const;

private:
    std::optional<QString> checkedPath(const QString& name, QString& path) const;

    ProgramFolder m_folder;
};

} // namespace quendry
