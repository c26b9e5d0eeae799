#pragma once

#include <string>

class QTextDocument;

namespace quendry::test {

// The paragraphs' text joined by '\n', in UTF-8, with each line separator shown as "<line>".
std::string paragraphText(const QTextDocument& document);

// Each paragraph as its runs, paragraphs joined by " | ": an alignment mark if one is set ("<centre>",
// "<right>", "<justify>"), then "[properties]text" for each run of like formatting. Properties are
// those the format sets: family, point size, b, i, u, s, the colour as #rrggbb and the background as
// bg#rrggbb.
std::string describe(const QTextDocument& document);

// As describe, but with every run's font resolved against the document's default font, so that
// each run lists family, size (points, or pixels as "11px") and colour ("auto" when none is set).
std::string describeResolved(const QTextDocument& document);

} // namespace quendry::test
