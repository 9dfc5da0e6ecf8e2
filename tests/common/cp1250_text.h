/* Windows-1250 text as the native tests read it, through the C library's converter: expected texts are
   written as plain Polish, and any byte the code page does not define fails the comparison. */
#ifndef ZORAVEL_TEST_CP1250_TEXT_H
#define ZORAVEL_TEST_CP1250_TEXT_H

#include <iconv.h>

#include <string>

/* Text from one encoding to another; "?" for what does not convert. */
inline std::string ConvertText(const std::string &text, const char *from, const char *to)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == (iconv_t)-1)
        return "?";
    std::string in = text, out(text.size() * 4 + 4, '\0');
    char *inPlace = &in[0], *outPlace = &out[0];
    size_t inLeft = in.size(), outLeft = out.size();
    size_t done = iconv(converter, &inPlace, &inLeft, &outPlace, &outLeft);
    iconv_close(converter);
    if (done == (size_t)-1)
        return "?";
    out.resize(out.size() - outLeft);
    return out;
}

inline std::u16string FromPolishCp1250(const std::string &text)
{
    std::string utf16 = ConvertText(text, "CP1250", "UTF-16LE");
    std::u16string decoded;
    for (size_t i = 0; i + 1 < utf16.size(); i += 2)
        decoded += (char16_t)((unsigned char)utf16[i] | (unsigned char)utf16[i + 1] << 8);
    return decoded;
}

inline std::string ToPolishCp1250(const std::u16string &text)
{
    std::string utf16;
    for (char16_t letter : text) {
        utf16 += (char)(letter & 0xFF);
        utf16 += (char)(letter >> 8);
    }
    return ConvertText(utf16, "UTF-16LE", "CP1250");
}

#endif
