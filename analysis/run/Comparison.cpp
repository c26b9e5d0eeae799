#include "analysis/run/Comparison.h"

#include "analysis/profile/Characters.h"

namespace quendry {

Dictionary nameDictionary(const StringList& names)
{
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty())
            text += "\r\n";
        text += name;
    }
    return Dictionary::fromText(trimmed(text));
}

std::string_view Refusal::message() const
{
    switch (reason) {
    case RefusalReason::FirstTextTooSmall:
        return "The first text is too small to be analyzed.";
    case RefusalReason::FirstTextNotEnglish:
        return "Too few English words for analysis in the first text.";
    case RefusalReason::SecondTextTooSmall:
        return "The second text is too small to be analyzed.";
    case RefusalReason::SecondTextNotEnglish:
        return "Too few English words for analysis in the second text.";
    }
    return {};
}

} // namespace quendry
