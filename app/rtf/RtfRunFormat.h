#pragma once

namespace quendry {

// The character formatting rich text gives a run of text, as the writer numbers it.
struct RtfRunFormat {
    int font = 0;                         // index into the font table
    int halfPoints = 0;                   // \fsN; 0: the reader's own default size
    int colour = 0;                       // index into the colour table; 0 is the automatic colour
    int background = 0;                   // \highlightN; 0: no background
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const RtfRunFormat&) const = default;
};

} // namespace quendry
