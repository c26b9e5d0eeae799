#pragma once

#include <QString>

#include <optional>

namespace quendry {

// How a sample's name relates to its file: the file is the name plus ".tqd" in the sample folder.
class SampleName {
public:
    static QString extension() { return QStringLiteral(".tqd"); }

    // The longest name in UTF-8 bytes, so that the name plus ".tqd" fits the 255 bytes that
    // common file systems allow for one file name.
    static constexpr int maximumBytes = 251;

    // The text with blanks and control characters (codes 0 to 32) removed from both ends; other
    // white space, such as a no-break space, is part of the text.
    static QString trimmed(const QString& text);

    // The listed name of a sample file: the file name without a final ".tqd" in exactly that case.
    static QString fromFileName(const QString& fileName);

    // Why a new sample cannot be stored under this name, or nothing when it can. A name must stay
    // inside the sample folder and be a file name that Windows and other desktops can all store, so
    // that a sample folder can be copied between them: no path separator, none of : * ? " < > |, no
    // control character, not only dots, no leading dot (the file would be hidden and never
    // listed), not a name that Windows reserves for a device (CON, NUL, COM1, ...), and not too
    // long. The empty name is not checked here: callers ignore it silently.
    static std::optional<QString> problem(const QString& name);

    // True when the name could reach outside the sample folder. Every store operation refuses
    // such a name, whatever the caller has checked.
    static bool escapesFolder(const QString& name);
};

} // namespace quendry
