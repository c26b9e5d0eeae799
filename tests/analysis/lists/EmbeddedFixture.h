#pragma once

#include <span>
#include <string_view>

// Defined by the source that EmbedLists.cmake generates from the files of WriteEmbedFixture.cmake.
namespace quendry::fixture {

std::span<const std::string_view> mixed();
std::span<const std::string_view> empty();

} // namespace quendry::fixture
