/* Windows-1250 text as the tests read it: the Polish letters decoded to UTF-16, so expected texts can be
   written as plain Polish. Any other byte above 0x7F decodes to U+FFFD and fails a comparison. */
#ifndef ZORAVEL_TEST_CP1250_TEXT_H
#define ZORAVEL_TEST_CP1250_TEXT_H

#include <string>

inline std::u16string FromPolishCp1250(const std::string &text)
{
    static const struct {
        unsigned char byte;
        char16_t letter;
    } letters[] = {
        {0xA5, u'Ą'},
        {0xC6, u'Ć'},
        {0xCA, u'Ę'},
        {0xA3, u'Ł'},
        {0xD1, u'Ń'},
        {0xD3, u'Ó'},
        {0x8C, u'Ś'},
        {0x8F, u'Ź'},
        {0xAF, u'Ż'},
        {0xB9, u'ą'},
        {0xE6, u'ć'},
        {0xEA, u'ę'},
        {0xB3, u'ł'},
        {0xF1, u'ń'},
        {0xF3, u'ó'},
        {0x9C, u'ś'},
        {0x9F, u'ź'},
        {0xBF, u'ż'},
    };
    std::u16string decoded;
    for (unsigned char c : text) {
        char16_t letter = c < 0x80 ? (char16_t)c : u'\uFFFD';
        for (const auto &known : letters)
            if (known.byte == c)
                letter = known.letter;
        decoded += letter;
    }
    return decoded;
}

/* The reverse, for texts the tests hand to the program. */
inline std::string ToPolishCp1250(const std::u16string &text)
{
    std::string encoded;
    for (char16_t letter : text) {
        char byte = letter < 0x80 ? (char)letter : '?';
        for (unsigned char c = 0x80; c != 0; ++c)
            if (c >= 0x80 && FromPolishCp1250(std::string(1, (char)c))[0] == letter)
                byte = (char)c;
        encoded += byte;
    }
    return encoded;
}

#endif
