/* The entry a typed text names, matched against the catalogue's names.
   Names are ASCII, so case is folded for ASCII letters only; other bytes must be equal. */
#include "catalogue/typed_name.h"

#include "catalogue/catalogue.h"

#include <string.h>

static char FoldCase(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

int EntryNamed(const char *text)
{
    while (*text == ' ')
        ++text;
    size_t length = strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        --length;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        const char *name = entryName[entry];
        if (strlen(name) != length)
            continue;
        size_t same = 0;
        while (same < length && FoldCase(name[same]) == FoldCase(text[same]))
            ++same;
        if (same == length)
            return entry;
    }
    return NO_ENTRY;
}
