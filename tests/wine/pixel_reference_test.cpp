/* The whole window, pixel by pixel, against committed reference images of the four views and the three
   forms of entry 413; they hold for one Wine build and its fonts, recorded beside them. */
#include "harness.h"

#include "catalogue/catalogue.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

/* Beside the test program: the references converted for it at build time, and what a run writes. */
static std::string BesideProgram(const std::string &name)
{
    char path[MAX_PATH];
    GetModuleFileNameA(NULL, path, MAX_PATH);
    char *slash = strrchr(path, '\\');
    if (slash)
        slash[1] = '\0';
    return std::string(path) + "pixel-references\\" + name;
}

/* A BMP file's pixels, top row first, as a capture holds them. */
static bool ReadBmp(const std::string &path, Capture &picture)
{
    HBITMAP bitmap =
        (HBITMAP)LoadImageA(NULL, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!bitmap)
        return false;
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    picture.width = size.bmWidth;
    picture.height = size.bmHeight;
    picture.pixels.resize((size_t)picture.width * picture.height);
    BITMAPINFO info = TopDownInfo(picture.width, picture.height);
    HDC memory = CreateCompatibleDC(NULL);
    GetDIBits(memory, bitmap, 0, picture.height, &picture.pixels[0], &info, DIB_RGB_COLORS);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return true;
}

/* A 24-bit BMP, bottom row first, rows padded to four bytes. */
static void WriteBmp(const std::string &path, const Capture &picture)
{
    const int rowBytes = (picture.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + rowBytes * picture.height;
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    FILE *out = fopen(path.c_str(), "wb");
    if (!out)
        return;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            uint32_t pixel = picture.pixels[(size_t)y * picture.width + x];
            row[x * 3] = (unsigned char)pixel;
            row[x * 3 + 1] = (unsigned char)(pixel >> 8);
            row[x * 3 + 2] = (unsigned char)(pixel >> 16);
        }
        fwrite(&row[0], 1, rowBytes, out);
    }
    fclose(out);
}

/* The Wine build and the packages of its fonts, read from the machine's package list through Z:. */
static std::string PackageVersion(const std::string &status, const char *package)
{
    size_t at = status.find(std::string("Package: ") + package + "\n");
    if (at == std::string::npos)
        return "none";
    size_t version = status.find("\nVersion: ", at);
    size_t next = status.find("\n\n", at);
    if (version == std::string::npos || (next != std::string::npos && version > next))
        return "none";
    version += 10;
    return status.substr(version, status.find('\n', version) - version);
}

static std::string Platform()
{
    typedef const char *(CDECL * WineVersion)(void);
    WineVersion wineVersion =
        (WineVersion)(void *)GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
    if (!wineVersion)
        return "not Wine";
    std::string status;
    FILE *in = fopen("Z:\\var\\lib\\dpkg\\status", "rb");
    if (in) {
        char chunk[65536];
        size_t got;
        while ((got = fread(chunk, 1, sizeof chunk, in)) > 0)
            status.append(chunk, got);
        fclose(in);
    }
    std::string platform = std::string("wine ") + wineVersion();
    for (const char *package : {"wine64", "fonts-liberation", "fonts-wine"})
        platform += std::string("; ") + package + " " + PackageVersion(status, package);
    return platform;
}

static std::string RecordedPlatform()
{
    std::string recorded;
    FILE *in = fopen(BesideProgram("platform.txt").c_str(), "rb");
    if (!in)
        return "";
    char line[512] = "";
    if (fgets(line, sizeof line, in))
        recorded = line;
    fclose(in);
    while (!recorded.empty() && (recorded.back() == '\n' || recorded.back() == '\r'))
        recorded.pop_back();
    return recorded;
}

/* Same size and pixels, or the count and first place of the differences with a difference image
   written beside the seen one: differing pixels red, the rest faded. */
static ::testing::AssertionResult MatchesReference(const std::string &name, const Capture &seen)
{
    WriteBmp(BesideProgram(name + "-seen.bmp"), seen);
    DeleteFileA(BesideProgram(name + "-diff.bmp").c_str());
    Capture reference;
    if (!ReadBmp(BesideProgram(name + ".bmp"), reference))
        return ::testing::AssertionFailure()
               << "no reference " << name << ": scripts/renew-references.sh makes it";
    if (reference.width != seen.width || reference.height != seen.height)
        return ::testing::AssertionFailure()
               << name << ": the window is " << seen.width << "x" << seen.height << ", its reference "
               << reference.width << "x" << reference.height;
    Capture difference = seen;
    int wrong = 0, firstX = 0, firstY = 0;
    for (int y = 0; y < seen.height; ++y)
        for (int x = 0; x < seen.width; ++x) {
            size_t i = (size_t)y * seen.width + x;
            if ((seen.pixels[i] & 0xFFFFFF) != (reference.pixels[i] & 0xFFFFFF)) {
                if (wrong++ == 0) {
                    firstX = x;
                    firstY = y;
                }
                difference.pixels[i] = 0xFF0000;
            } else {
                difference.pixels[i] = 0xC0C0C0 | ((seen.pixels[i] >> 2) & 0x3F3F3F);
            }
        }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    WriteBmp(BesideProgram(name + "-diff.bmp"), difference);
    return ::testing::AssertionFailure()
           << name << ": " << wrong << " pixels differ, the first at (" << firstX << "," << firstY
           << "); see " << BesideProgram(name + "-diff.bmp");
}

using PixelReferenceTest = ViewerTest;

TEST_F(PixelReferenceTest, FourViewsAndTheThreeFormsMatchTheirReferences)
{
    const bool renew = getenv("ZORAVEL_RENEW_REFERENCES") != NULL;
    const std::string platform = Platform();
    if (renew) {
        FILE *out = fopen(BesideProgram("platform.txt").c_str(), "wb");
        ASSERT_NE(out, (FILE *)NULL);
        fprintf(out, "%s\n", platform.c_str());
        fclose(out);
    } else if (RecordedPlatform() != platform) {
        GTEST_SKIP() << "SKIPPED ON PURPOSE: the references were made on \"" << RecordedPlatform()
                     << "\", this machine has \"" << platform
                     << "\"; only the whole-window comparison is skipped";
    }

    /* Each state as a user reaches it; the caret, which blinks, is hidden for the picture. */
    struct Step {
        const char *name;
        int entry;
        TabKind view;
        int formClicks;
    };
    const Step steps[] = {
        {"info",      0,          TAB_INFO,      0},
        {"moves",     60,         TAB_MOVES,     0},
        {"machines",  88,         TAB_MACHINES,  0},
        {"evolution", 25,         TAB_EVOLUTION, 0},
        {"form-1",    FORM_ENTRY, TAB_INFO,      0},
        {"form-2",    FORM_ENTRY, TAB_INFO,      1},
        {"form-3",    FORM_ENTRY, TAB_INFO,      1},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.name);
        if (step.formClicks) {
            ClickFormButton();
        } else {
            SelectEntry(step.entry);
            ClickTab(step.view);
        }
        RepaintNow();
        HideCaret(GetWindow(app.entryCombo, GW_CHILD));
        const Capture seen = CaptureWindow();
        if (renew)
            WriteBmp(BesideProgram(std::string(step.name) + "-seen.bmp"), seen);
        else
            EXPECT_TRUE(MatchesReference(step.name, seen));
    }
}
