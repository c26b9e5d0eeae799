# Writes the list files that embed_lists_test builds into itself (see EmbedLists_test.cpp).
string(ASCII 146 high1)
string(ASCII 128 233 255 160 high2)
string(ASCII 13 cr)
set(lf "\n")
file(WRITE ${DIR}/mixed.txt
  "a bird${high1}s eye view${cr}${lf}"
  "${high2}${lf}"
  "${lf}"
  "  spaced \t${lf}"
  "quote\"back\\slash?${cr}${lf}"
  "${cr}${lf}"
  "last")
file(WRITE ${DIR}/empty.txt "")
