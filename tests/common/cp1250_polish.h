/* The Polish letters of Windows-1250 and a decoder for the catalogue's texts; any other byte above
   0x7F decodes to NOT_POLISH, since no text of the catalogue may hold one. */
#ifndef ZORAVEL_TEST_CP1250_POLISH_H
#define ZORAVEL_TEST_CP1250_POLISH_H

#include <string>

struct Cp1250Letter {
    unsigned char byte;
    char16_t letter;
};
static const Cp1250Letter POLISH_LETTERS[] = {
    {0xB9, u'ą'},
    {0xE6, u'ć'},
    {0xEA, u'ę'},
    {0xB3, u'ł'},
    {0xF1, u'ń'},
    {0xF3, u'ó'},
    {0x9C, u'ś'},
    {0x9F, u'ź'},
    {0xBF, u'ż'},
    {0xA5, u'Ą'},
    {0xC6, u'Ć'},
    {0xCA, u'Ę'},
    {0xA3, u'Ł'},
    {0xD1, u'Ń'},
    {0xD3, u'Ó'},
    {0x8C, u'Ś'},
    {0x8F, u'Ź'},
    {0xAF, u'Ż'},
};
static const char16_t NOT_POLISH = u'\uFFFD';

static inline std::u16string DecodeCp1250(const char *text)
{
    std::u16string out;
    for (const unsigned char *p = (const unsigned char *)text; *p != 0; ++p) {
        if (*p < 0x80) {
            out += (char16_t)*p;
            continue;
        }
        char16_t letter = NOT_POLISH;
        for (const Cp1250Letter &known : POLISH_LETTERS)
            if (known.byte == *p)
                letter = known.letter;
        out += letter;
    }
    return out;
}

/* Plain Polish text as the catalogue stores it; a letter outside the table becomes "?". */
static inline std::string EncodeCp1250(const std::u16string &text)
{
    std::string out;
    for (char16_t letter : text) {
        char byte = letter < 0x80 ? (char)letter : '?';
        for (const Cp1250Letter &known : POLISH_LETTERS)
            if (known.letter == letter)
                byte = (char)known.byte;
        out += byte;
    }
    return out;
}

#endif
