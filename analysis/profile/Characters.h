#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Texts are Windows-1252 byte strings, one byte a character. The classes below are fixed ASCII
// sets: nothing in the analysis depends on the locale.
namespace quendry {

using StringList = std::vector<std::string>;

// A distinct text of a list (a symbol run, a word in capitals) and how often it occurs.
struct CountedText {
    std::string text;
    std::int32_t count = 0;
    bool operator==(const CountedText&) const = default;
};

// Each text once, in the order of first use.
using CountedTexts = std::vector<CountedText>;

// The text of a list item, whichever kind of list it is.
inline std::string_view textOf(const std::string& item) { return item; }
inline std::string_view textOf(const CountedText& item) { return item.text; }

constexpr unsigned char code(char c) { return static_cast<unsigned char>(c); }

constexpr bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Space and carriage return end a token; a line feed does not.
constexpr bool isSeparator(char c) { return c == ' ' || c == '\r'; }
// Every code from 0 to 32: space and all control characters.
constexpr bool isTrimmable(char c) { return code(c) <= 32; }
constexpr bool isSentenceMark(char c) { return c == '.' || c == '!' || c == '?'; }
constexpr char toUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
constexpr char toLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// A hash for short strings, several times cheaper than the standard one (FNV-1a), usable for
// looking up a std::string_view in a set of std::string.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const
    {
        std::uint64_t hash = 14695981039346656037ull;
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<std::size_t>(hash);
    }
};

// A word of up to 15 characters and its length, packed into two machine words: the first
// character in the lowest byte, zeros after the word, the length in the top byte. Equal words
// pack equal, so short words are compared and hashed in a few instructions, in registers.
struct PackedWord {
    static constexpr std::size_t capacity = 15;
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    // The word must be at most `capacity` characters long.
    static constexpr PackedWord of(std::string_view word)
    {
        PackedWord packed{0, std::uint64_t{word.size()} << 56};
        for (std::size_t k = 0; k < word.size(); ++k)
            packed.put(k, word[k]);
        return packed;
    }

    // Sets the character at place k (below 16) of a word being built in registers; the length
    // goes into the top byte once the word is complete.
    constexpr void put(std::size_t k, char character)
    {
        const std::uint64_t c = static_cast<unsigned char>(character);
        if (k < 8)
            low |= c << (8 * k);
        else
            high |= c << (8 * (k - 8));
    }

    std::string unpacked() const
    {
        std::string word(static_cast<std::size_t>(high >> 56), '\0');
        for (std::size_t k = 0; k < word.size(); ++k)
            word[k] = static_cast<char>(k < 8 ? low >> (8 * k) : high >> (8 * (k - 8)));
        return word;
    }

    // Well mixed in the high bits.
    constexpr std::uint64_t hash() const { return (low * 0x9E3779B97F4A7C15ull) ^ (high * 0xC2B2AE3D27D4EB4Full); }

    bool operator==(const PackedWord&) const = default;
};

// Eight characters tested at once, for the passes that skip over stretches holding nothing they
// look for: the characters as one word, and a quick test of all eight.
namespace eight {

inline constexpr std::uint64_t ones = 0x0101010101010101ull;
inline constexpr std::uint64_t highs = 0x8080808080808080ull;

inline std::uint64_t load(const char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

// Nonzero when some byte of the word is zero: exact for the lowest such byte, and sometimes set
// for a byte above a zero one too, so a hit is a place to look closely, not an answer.
constexpr std::uint64_t hasZeroByte(std::uint64_t word)
{
    return (word - ones) & ~word & highs;
}

// Nonzero when some of the eight characters may be `c` (as hasZeroByte).
constexpr std::uint64_t mayHold(std::uint64_t word, char c)
{
    return hasZeroByte(word ^ (ones * static_cast<unsigned char>(c)));
}

} // namespace eight

// The position of the first sentence mark (. ! ?) at or after `from`, or the text's size. Marks
// are rare in prose, so eight characters are tested at once.
inline std::size_t findSentenceMark(std::string_view text, std::size_t from)
{
    for (; from + 8 <= text.size(); from += 8) {
        const std::uint64_t word = eight::load(text.data() + from);
        if (eight::mayHold(word, '.') | eight::mayHold(word, '!') | eight::mayHold(word, '?'))
            break;
    }
    for (; from < text.size(); ++from)
        if (isSentenceMark(text[from]))
            return from;
    return text.size();
}

std::string_view trimmed(std::string_view text);
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);


} // namespace quendry
