#include "analysis/profile/WordClassifier.h"

namespace quendry {

WordClassifier::WordClassifier(const Dictionary& dictionary, const Dictionary& names, const StringList& emoticons)
    : m_dictionary(dictionary)
    , m_names(names)
    , m_emoticons(emoticons)
{
}

void WordClassifier::classify(std::string_view previous, std::string_view token, bool& skipNext)
{
    // Words are not classified yet: every token counts as recognised.
    (void)previous;
    (void)token;
    (void)skipNext;
}

} // namespace quendry
