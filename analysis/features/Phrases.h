#pragma once

#include "analysis/run/TextProfile.h"

namespace quendry {

// How many entries of the phrase list a text (quotes folded, line breaks kept) uses, each at most once.
std::int32_t countPhrases(std::string_view text, const StringList& phrases);

// One item "WORD-WORD" for every unknown word that both texts use; sorted, without duplicates.
StringList findSharedUnknownWords(const StringList& firstUnknownWords, const StringList& secondUnknownWords);

// 6 points per shared use of a word written in capitals.
std::int32_t sharedCapsWordPoints(const TextProfile& first, const TextProfile& second);

// 10 points for every shared run of full stops and closing parentheses, 25 for any other shared run.
std::int32_t sharedSymbolRunPoints(const TextProfile& first, const TextProfile& second);

} // namespace quendry
