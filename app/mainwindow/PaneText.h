#pragma once

#include <string>

class QTextDocument;

namespace quendry {

// A pane's text as the analysis reads it, the same way quendry-cli reads a file: the plain text
// with every paragraph end and line break as CR LF, in Windows-1252, a character the code page
// cannot hold becoming '?'. No-break spaces stay what they are.
std::string paneEngineText(const QTextDocument& document);

} // namespace quendry
