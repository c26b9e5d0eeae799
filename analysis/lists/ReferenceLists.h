#pragma once

#include "analysis/profile/Characters.h"

namespace quendry {

// The four reference lists that ship inside the program. The emoticons, emoticon words and
// phrases are prepared (trimmed, empty items dropped, order and duplicates kept); the names are
// used as stored, each framed by '#'.
struct ReferenceLists {
    StringList emoticons;
    StringList emoticonWords;
    StringList names;
    StringList phrases;
};

// Trims every item of codes 0-32 and drops the items that become empty, keeping the order and
// any duplicates.
StringList prepareList(const StringList& stored);

// The lists built into the binary, prepared afresh on each call. Analyzer() does not call this: it
// uses the tables the build prepared from these lists (BuiltInTables.h).
ReferenceLists builtInReferenceLists();

} // namespace quendry
