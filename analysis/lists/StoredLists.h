#pragma once

#include <span>
#include <string_view>

// The reference lists exactly as stored in analysis/lists/*.txt, one line an item, built into the
// program at build time (the definitions are generated from the list files).
namespace quendry::stored {

std::span<const std::string_view> emoticons();
std::span<const std::string_view> emoticonWords();
std::span<const std::string_view> names();
std::span<const std::string_view> phrases();

} // namespace quendry::stored
