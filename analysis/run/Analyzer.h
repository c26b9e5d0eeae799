#pragma once

// The engine's public surface. A caller builds one Analyzer, keeps it, and asks it for profiles of
// texts and for comparisons of two profiles:
//
//     const quendry::Analyzer analyzer;                 // the lists built into the program
//     quendry::DictionaryFile dictionaryFile(folder / "Dct.txt");
//     const auto dictionary = dictionaryFile.load();    // read again whenever the file changed
//     const quendry::TextProfile questioned = analyzer.profile(text, *dictionary);
//     for (const quendry::TextProfile& sample : samples)
//         show(analyzer.compare(questioned, sample));   // a Refusal or a Comparison
//
// Texts are Windows-1252 bytes with CR LF line breaks, as the panes deliver them (toEngineText in
// analysis/profile/Windows1252.h turns a file's bytes into one). Nothing here prints, shows
// anything, or throws for any input; only a lack of memory escapes as std::bad_alloc.
//
// The dictionary is passed to each profile call rather than kept inside the analyzer: the rules
// read Dct.txt afresh for every comparison, so that an edited dictionary counts at once, while the
// reference lists never change. DictionaryFile below does the reading; it gives back the parsed
// dictionary it already holds while the file's size and modification time are unchanged. A profile
// depends on the dictionary it was made with: profiles compared with one another should come from
// the same one.
//
// A const Analyzer may be used from several threads at once; it holds no cache and changes nothing
// after it is built. A DictionaryFile is for one thread at a time.

#include "analysis/profile/Dictionary.h"
#include "analysis/run/Comparison.h"
#include "analysis/run/ProgressListener.h"
#include "analysis/run/TextProfile.h"

#include <filesystem>
#include <memory>
#include <string_view>

namespace quendry {

class PreparedLists;

class Analyzer {
public:
    // Prepares the lists built into the program.
    Analyzer();
    // Prepares other lists (tests, and callers with lists of their own).
    explicit Analyzer(ReferenceLists lists);
    ~Analyzer();
    Analyzer(Analyzer&&) noexcept;
    Analyzer& operator=(Analyzer&&) noexcept;

    // Everything about one text that does not depend on the other text: the character pass's counts
    // and symbol runs, the other passes' values, its word lists and the indexes a comparison reads
    // (see TextProfile). A text too small or with too few English words is refused: its profile
    // says why and holds only what the passes before the check found. A listener hears
    // started(length + 5), normalised(), one step per character of the character pass, and the
    // fixed steps, then filled().
    TextProfile profile(std::string_view text, const Dictionary& dictionary,
        ProgressListener* progress = nullptr) const;

    // The outcome for two profiles: the first text's refusal if it has one, else the second's,
    // else the comparison. Its cost grows with the smaller profile's distinct entries, not with
    // the texts' lengths.
    ComparisonOutcome compare(const TextProfile& first, const TextProfile& second) const;

    // Profiles both texts and compares them, reporting progress as the window's bar counts it:
    // started(both lengths + 11), normalised() once both texts are normalised, one step per
    // character of each character pass, the fixed steps, then filled(). Stops after the first
    // text when that one is refused.
    ComparisonOutcome compare(std::string_view firstText, std::string_view secondText, const Dictionary& dictionary,
        ProgressListener* progress = nullptr) const;

private:
    // The comparison of two profiles that are not refused.
    static ComparisonOutcome compareOwned(TextProfile first, TextProfile second);

    std::unique_ptr<const PreparedLists> m_prepared;
};

// Dct.txt on disk, read when first asked for and read again whenever its size or modification
// time has changed since. A file that cannot be read gives the empty dictionary, as the rules
// ask; exists() tells a caller that wants to complain first.
class DictionaryFile {
public:
    explicit DictionaryFile(std::filesystem::path path);

    // The dictionary as the file now holds it.
    std::shared_ptr<const Dictionary> load();
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
    std::shared_ptr<const Dictionary> m_dictionary;
    bool m_known = false; // m_size and m_modified describe what m_dictionary was read from
    std::uintmax_t m_size = 0;
    std::filesystem::file_time_type m_modified{};
};

} // namespace quendry
