/* The info and evolution panels by pixel: type icons, the texts against reference renderings
   drawn from Unicode with TextOutW, and the gender marks at their places. */
#include "harness.h"

#include "app/app_state.h"
#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "draw/info_lines.h"
#include "resource.h"

#include <string.h>
#include <windowsx.h>

#include <string>

static const COLORREF GREY = RGB(76, 76, 76);
static const COLORREF INFO_TEXT = RGB(196, 196, 196);
static const COLORREF EVOLUTION_TEXT = RGB(140, 214, 0);

static std::wstring FromCodePage1250(const char *text)
{
    wchar_t wide[128] = {};
    MultiByteToWideChar(1250, 0, text, -1, wide, 128);
    return wide;
}

/* The text drawn with TextOutW in the text font on the panel's grey (with the entry's gender
   marks beneath it), compared pixel by pixel with the window over the text's extent and a margin. */
static ::testing::AssertionResult PanelTextIs(int x, int y, const std::wstring &text, COLORREF colour,
                                              const EvolutionMark *marks = NULL, int markCount = 0)
{
    HDC dc = GetDC(app.mainWindow);
    HDC memory = CreateCompatibleDC(dc);
    HFONT fontOld = SelectFont(memory, app.textFont);
    SIZE extent = {};
    GetTextExtentPoint32W(memory, text.c_str(), (int)text.size(), &extent);
    const int width = extent.cx + 4, height = extent.cy;
    HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ canvasOld = SelectObject(memory, canvas);
    HBRUSH grey = CreateSolidBrush(GREY);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, grey);
    DeleteBrush(grey);
    for (int i = 0; i < markCount; ++i) {
        HBITMAP symbol = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(marks[i].bitmapId));
        HDC symbolDc = CreateCompatibleDC(dc);
        HGDIOBJ symbolOld = SelectObject(symbolDc, symbol);
        BitBlt(memory, marks[i].x - x, marks[i].y - y, 16, 22, symbolDc, 0, 0, SRCCOPY);
        SelectObject(symbolDc, symbolOld);
        DeleteDC(symbolDc);
        DeleteObject(symbol);
    }
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, colour);
    TextOutW(memory, 0, 0, text.c_str(), (int)text.size());

    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    int ink = 0;
    for (int row = 0; row < height && result; ++row)
        for (int column = 0; column < width && result; ++column) {
            COLORREF expected = GetPixel(memory, column, row);
            ink += expected != GREY;
            if (GetPixel(dc, x + column, y + row) != expected)
                result = ::testing::AssertionFailure()
                         << "text differs at (" << x + column << "," << y + row << ")";
        }
    if (result && !text.empty() && text != L" " && ink == 0)
        result = ::testing::AssertionFailure() << "reference has no ink";
    SelectObject(memory, canvasOld);
    SelectFont(memory, fontOld);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(app.mainWindow, dc);
    return result;
}

using InfoPanelTest = ViewerTest;

/* Entries with one and with two types, found in the catalogue. */
static int FirstEntryWithTypes(bool two)
{
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        if (entry != FORM_ENTRY && (secondaryTypeIcon[EntrySlot(entry)] != 0) == two)
            return entry;
    return -1;
}

static void ExpectInfoTexts(int entry)
{
    char height[HEIGHT_LINE_SIZE], weight[WEIGHT_LINE_SIZE];
    FormatHeightLine(heightCm[EntrySlot(entry)], height);
    FormatWeightLine(weightTenthKg[EntrySlot(entry)], weight);
    EXPECT_TRUE(PanelTextIs(31, 295, L"Typ:", INFO_TEXT));
    EXPECT_TRUE(PanelTextIs(31, 330, FromCodePage1250(height), INFO_TEXT));
    EXPECT_TRUE(PanelTextIs(150, 330, FromCodePage1250(weight), INFO_TEXT));
}

TEST_F(InfoPanelTest, OneTypeEntryShowsOneIconAndItsSizes)
{
    int entry = FirstEntryWithTypes(false);
    ASSERT_GE(entry, 0);
    SelectEntry(entry);
    EXPECT_TRUE(ImageShows(70, 292, primaryTypeIcon[EntrySlot(entry)], 2));
    RECT secondIcon = {150, 292, 214, 316};
    EXPECT_TRUE(AreaHasColour(secondIcon, GREY));
    ExpectInfoTexts(entry);
}

TEST_F(InfoPanelTest, TwoTypeEntryShowsBothIconsAndTheFirstEntryItsTextAfterStartUp)
{
    ExpectInfoTexts(0);
    int entry = FirstEntryWithTypes(true);
    ASSERT_GE(entry, 0);
    SelectEntry(entry);
    EXPECT_TRUE(ImageShows(70, 292, primaryTypeIcon[EntrySlot(entry)], 2));
    EXPECT_TRUE(ImageShows(150, 292, secondaryTypeIcon[EntrySlot(entry)], 2));
    ExpectInfoTexts(entry);
}

TEST_F(InfoPanelTest, FormEntrysSecondTypeFollowsItsForm)
{
    SelectEntry(FORM_ENTRY);
    const unsigned short secondType[3] = {IDB_TYPE_GRASS, IDB_TYPE_GROUND, IDB_TYPE_STEEL};
    for (int click = 0; click < 4; ++click) {
        SCOPED_TRACE(click);
        EXPECT_TRUE(ImageShows(70, 292, primaryTypeIcon[EntrySlot(FORM_ENTRY)], 2));
        EXPECT_TRUE(ImageShows(150, 292, secondType[click % 3], 2));
        ExpectInfoTexts(FORM_ENTRY);
        ClickFormButton();
    }
}

TEST_F(InfoPanelTest, PaintingAgainDrawsTheSameInfoPanel)
{
    SelectEntry(FORM_ENTRY + 2);
    InvalidateRect(app.mainWindow, NULL, TRUE);
    RepaintNow();
    EXPECT_TRUE(ImageShows(70, 292, primaryTypeIcon[EntrySlot(FORM_ENTRY + 2)], 2));
    ExpectInfoTexts(FORM_ENTRY + 2);
}

using EvolutionPanelTest = ViewerTest;

static void ShowEvolution(int entry)
{
    SelectEntry(entry);
    ClickAt(70, 444);
}

static void ExpectNoteTexts(int entry)
{
    const EvolutionNote &note = FindEvolutionNote(entry);
    EvolutionMark marks[EVOLUTION_MARKS_MAX];
    int markCount = FindEvolutionMarks(entry, marks);
    EXPECT_TRUE(PanelTextIs(31, 330, FromCodePage1250(note.line1), EVOLUTION_TEXT, marks, markCount))
        << "entry " << entry;
    EXPECT_TRUE(PanelTextIs(31, 360, FromCodePage1250(note.line2), EVOLUTION_TEXT, marks, markCount))
        << "entry " << entry;
}

TEST_F(EvolutionPanelTest, EntryWithoutNotesShowsBrak)
{
    for (int entry : {30, 54, 92, 101, 104, 106}) {
        ShowEvolution(entry);
        EXPECT_TRUE(PanelTextIs(31, 330, L"Brak", EVOLUTION_TEXT)) << entry;
    }
}

TEST_F(EvolutionPanelTest, GenderMarksSitAtTheirPlacesWithTheTextAroundThem)
{
    struct Marks {
        int entry;
        int count;
        EvolutionMark mark[2];
    } cases[] = {
        {25, 2, {{IDB_SYMBOL_FEMALE, 110, 311}, {IDB_SYMBOL_MALE, 110, 341}}},
        {26, 2, {{IDB_SYMBOL_FEMALE, 110, 311}, {IDB_SYMBOL_MALE, 110, 341}}},
        {28, 1, {{IDB_SYMBOL_FEMALE, 110, 311}}                             },
        {29, 1, {{IDB_SYMBOL_FEMALE, 110, 311}}                             },
        {88, 1, {{IDB_SYMBOL_MALE, 210, 321}}                               },
        {91, 1, {{IDB_SYMBOL_FEMALE, 83, 320}}                              },
    };
    for (const Marks &c : cases) {
        SCOPED_TRACE(c.entry);
        ShowEvolution(c.entry);
        for (int i = 0; i < c.count; ++i)
            EXPECT_TRUE(ImageShows(c.mark[i].x, c.mark[i].y, c.mark[i].bitmapId, 1));
        ExpectNoteTexts(c.entry);
    }
    /* An entry without marks: the mark places hold only the panel and the text. */
    ShowEvolution(24);
    RECT markPlace = {110, 311, 126, 329};
    EXPECT_TRUE(AreaHasColour(markPlace, GREY));
}

TEST_F(EvolutionPanelTest, PolishLettersDrawAsPolishLetters)
{
    /* Find notes with Polish letters and compare them with their Unicode rendering. */
    int checked = 0;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        const EvolutionNote &note = FindEvolutionNote(entry);
        bool polish = false;
        for (const char *p = note.line1; *p; ++p)
            polish |= (unsigned char)*p >= 0x80;
        for (const char *p = note.line2; *p; ++p)
            polish |= (unsigned char)*p >= 0x80;
        if (polish && checked < 6) {
            ShowEvolution(entry);
            ExpectNoteTexts(entry);
            ++checked;
        }
    }
    EXPECT_GE(checked, 3);
    /* And one text known here by its letters. */
    int happy = -1;
    for (int entry = 0; entry < ENTRY_COUNT && happy < 0; ++entry)
        if (strstr(FindEvolutionNote(entry).line1, "Szcz\xea\x9c"
                                                   "cie"))
            happy = entry;
    ASSERT_GE(happy, 0);
    ShowEvolution(happy);
    std::wstring line1 = FromCodePage1250(FindEvolutionNote(happy).line1);
    EXPECT_NE(line1.find(L"Szczęście"), std::wstring::npos);
    EXPECT_TRUE(PanelTextIs(31, 330, line1, EVOLUTION_TEXT));
}

TEST_F(EvolutionPanelTest, SwitchingFromInfoLeavesNoIconOrInfoText)
{
    SelectEntry(FirstEntryWithTypes(true));
    ShowEvolution(FirstEntryWithTypes(true));
    RECT icons = {31, 290, 270, 326};
    EXPECT_TRUE(AreaHasColour(icons, GREY));
    /* Every entry's note, as the view changes from entry to entry. */
    for (int entry = 0; entry < ENTRY_COUNT; entry += 9) {
        SelectEntry(entry);
        ExpectNoteTexts(entry);
    }
}
