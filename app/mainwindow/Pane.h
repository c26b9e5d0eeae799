#pragma once

namespace quendry {

// The two text panes of the main window: the upper one holds the first text of a comparison,
// the lower one the second.
enum class Pane { Upper, Lower };

} // namespace quendry
