/* The entry a typed text names or begins, matched against the catalogue's names and numbers.
   Case is folded for every letter of Windows-1250, the Polish ones included; other bytes must be equal. */
#include "catalogue/typed_name.h"

#include "catalogue/catalogue.h"

#include <string.h>

/* Windows-1250 pairs its capitals with small letters 0x20 above (A..Z, 0xC0..0xDE but the multiplication
   sign) or, in the upper half's first rows, at places of their own. */
static unsigned char FoldCase(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return (unsigned char)(c + 0x20);
    if (c == 0x8A || (c >= 0x8C && c <= 0x8F))
        return (unsigned char)(c + 0x10);
    switch (c) {
    case 0xA3: /* Ł */
        return 0xB3;
    case 0xA5: /* Ą */
        return 0xB9;
    case 0xAA:
        return 0xBA;
    case 0xAF: /* Ż */
        return 0xBF;
    case 0xBC:
        return 0xBE;
    default:
        return c;
    }
}

bool SameLetters(const char *a, const char *b, size_t length)
{
    for (size_t i = 0; i < length; ++i)
        if (FoldCase((unsigned char)a[i]) != FoldCase((unsigned char)b[i]))
            return false;
    return true;
}

/* The catalogue number the text is, three digits with an optional full stop; NO_ENTRY otherwise. */
static int EntryNumbered(const char *text, size_t length)
{
    if (length == 4 && text[3] == '.')
        length = 3;
    if (length != 3)
        return NO_ENTRY;
    int number = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return NO_ENTRY;
        number = number * 10 + (text[i] - '0');
    }
    return number >= FIRST_NUMBER && number < FIRST_NUMBER + ENTRY_COUNT ? number - FIRST_NUMBER : NO_ENTRY;
}

int EntryNamed(const char *text)
{
    while (*text == ' ')
        ++text;
    size_t length = strlen(text);
    while (length > 0 && text[length - 1] == ' ')
        --length;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        if (strlen(entryName[entry]) == length && SameLetters(entryName[entry], text, length))
            return entry;
    return EntryNumbered(text, length);
}

int EntryBegun(const char *text)
{
    while (*text == ' ')
        ++text;
    size_t length = strlen(text);
    if (length == 0)
        return NO_ENTRY;
    int begun = NO_ENTRY;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        size_t nameLength = strlen(entryName[entry]);
        if (nameLength < length || !SameLetters(entryName[entry], text, length))
            continue;
        if (nameLength == length)
            return entry;
        if (begun == NO_ENTRY)
            begun = entry;
    }
    return begun;
}
