/* The version block and icon of the file, as Explorer's properties read them.
   The test program carries the same resource script as ZoravelD.exe. */
#include "harness.h"

#include <string>

struct VersionBlock {
    std::string data;
    bool Load()
    {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(NULL, path, MAX_PATH);
        DWORD size = GetFileVersionInfoSizeW(path, NULL);
        if (size == 0)
            return false;
        data.resize(size);
        return GetFileVersionInfoW(path, 0, size, &data[0]) != FALSE;
    }
    std::wstring Value(const wchar_t *key)
    {
        std::wstring path = std::wstring(L"\\StringFileInfo\\041504b0\\") + key;
        wchar_t *value = NULL;
        UINT length = 0;
        if (!VerQueryValueW(&data[0], path.c_str(), (void **)&value, &length) || !value)
            return L"<missing>";
        return std::wstring(value, length ? length - 1 : 0);
    }
};

TEST(VersionBlock, FixedInfoStringsAndTranslationAreThoseOfTheViewer)
{
    VersionBlock block;
    ASSERT_TRUE(block.Load());

    VS_FIXEDFILEINFO *fixed = NULL;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(&block.data[0], L"\\", (void **)&fixed, &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x17u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 0x4u);
    EXPECT_EQ(fixed->dwFileType, 0x1u);
    EXPECT_EQ(fixed->dwFileSubtype, 0u);

    EXPECT_EQ(block.Value(L"FileDescription"), L"ZoravelD Application");
    EXPECT_EQ(block.Value(L"FileVersion"), L"2, 0, 0, 1");
    EXPECT_EQ(block.Value(L"InternalName"), L"ZoravelD");
    EXPECT_EQ(block.Value(L"OriginalFilename"), L"ZoravelD.exe");
    EXPECT_EQ(block.Value(L"ProductName"), L" ZoravelD Application");
    EXPECT_EQ(block.Value(L"ProductVersion"), L"2, 0, 0, 1");
    EXPECT_NE(block.Value(L"CompanyName"), L"<missing>");
    EXPECT_NE(block.Value(L"LegalCopyright"), L"<missing>");
    /* A Polish sentence about the 107 creatures, its letters intact. */
    std::wstring comments = block.Value(L"Comments");
    EXPECT_NE(comments.find(L"107"), std::wstring::npos);
    EXPECT_NE(comments.find(L"stworzeń"), std::wstring::npos);

    WORD *translation = NULL;
    ASSERT_TRUE(
        VerQueryValueW(&block.data[0], L"\\VarFileInfo\\Translation", (void **)&translation, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0415);
    EXPECT_EQ(translation[1], 1200);
}

TEST(VersionBlock, IconGroupHoldsA32And16PixelSixteenColourImage)
{
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(100), RT_GROUP_ICON);
    ASSERT_NE(group, (HRSRC)NULL);
    const BYTE *directory = (const BYTE *)LockResource(LoadResource(module, group));
    ASSERT_NE(directory, (const BYTE *)NULL);
    /* GRPICONDIR: reserved, type 1, count; then 14-byte entries. */
    ASSERT_EQ(*(const WORD *)(directory + 2), 1);
    ASSERT_EQ(*(const WORD *)(directory + 4), 2);
    const BYTE *first = directory + 6, *second = directory + 6 + 14;
    EXPECT_EQ(first[0], 32);
    EXPECT_EQ(first[1], 32);
    EXPECT_EQ(second[0], 16);
    EXPECT_EQ(second[1], 16);
    for (const BYTE *entry : {first, second}) {
        EXPECT_EQ(entry[2], 16);                  /* colours */
        EXPECT_EQ(*(const WORD *)(entry + 6), 4); /* bits per pixel */
    }
    EXPECT_EQ(*(const WORD *)(first + 12), 1); /* icon resource ids */
    EXPECT_EQ(*(const WORD *)(second + 12), 2);
}
