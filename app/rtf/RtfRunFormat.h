#pragma once

namespace quendry {

// The character formatting rich text gives a run of text, as the writer numbers it.
struct RtfRunFormat {
    static constexpr int defaultHalfPoints = 24;

    int font = 0;                         // index into the font table
    int halfPoints = defaultHalfPoints;   // \fsN
    int colour = 0;                       // index into the colour table; 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const RtfRunFormat&) const = default;
};

} // namespace quendry
