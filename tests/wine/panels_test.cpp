/* The info and evolution panels by pixel: type icons, the texts of the expected sample against
   renderings drawn from Unicode with TextOutW, and the gender marks at their places. */
#include "harness.h"

#include "expected_layout.h"
#include "expected_panels.h"

#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "resource.h"
#include "state/app_state.h"

#include <cstring>
#include <string>

#include <windowsx.h>

using InfoPanelTest = ViewerTest;

/* A sampled entry with one or with two types. */
static int SampledEntryWithTypes(bool two)
{
    for (const ExpectedPanel &panel : expectedPanels)
        if (panel.entry != FORM_ENTRY && (secondaryTypeIcon[EntrySlot(panel.entry)] != 0) == two)
            return panel.entry;
    return -1;
}

TEST_F(InfoPanelTest, OneTypeEntryShowsOneIconAndItsSizes)
{
    int entry = SampledEntryWithTypes(false);
    ASSERT_GE(entry, 0);
    SelectEntry(entry);
    EXPECT_TRUE(
        ImageShows(EXPECTED_TYPE_ICON1_X, EXPECTED_TYPE_ICON_Y, primaryTypeIcon[EntrySlot(entry)], 2));
    RECT secondIcon = {EXPECTED_TYPE_ICON2_X, EXPECTED_TYPE_ICON_Y, EXPECTED_TYPE_ICON2_X + 64,
                       EXPECTED_TYPE_ICON_Y + 24};
    EXPECT_TRUE(AreaHasColour(secondIcon, EXPECTED_PANEL_COLOUR));
    EXPECT_TRUE(InfoTextsShow(entry));
}

TEST_F(InfoPanelTest, TwoTypeEntryShowsBothIconsAndTheFirstEntryItsTextAfterStartUp)
{
    EXPECT_TRUE(InfoTextsShow(0));
    int entry = SampledEntryWithTypes(true);
    ASSERT_GE(entry, 0);
    SelectEntry(entry);
    EXPECT_TRUE(
        ImageShows(EXPECTED_TYPE_ICON1_X, EXPECTED_TYPE_ICON_Y, primaryTypeIcon[EntrySlot(entry)], 2));
    EXPECT_TRUE(
        ImageShows(EXPECTED_TYPE_ICON2_X, EXPECTED_TYPE_ICON_Y, secondaryTypeIcon[EntrySlot(entry)], 2));
    EXPECT_TRUE(InfoTextsShow(entry));
}

TEST_F(InfoPanelTest, FormEntrysSecondTypeFollowsItsForm)
{
    SelectEntry(FORM_ENTRY);
    const unsigned short secondType[3] = {IDB_TYPE_GRASS, IDB_TYPE_GROUND, IDB_TYPE_STEEL};
    for (int click = 0; click < 4; ++click) {
        SCOPED_TRACE(click);
        EXPECT_TRUE(ImageShows(EXPECTED_TYPE_ICON1_X, EXPECTED_TYPE_ICON_Y,
                               primaryTypeIcon[EntrySlot(FORM_ENTRY)], 2));
        EXPECT_TRUE(ImageShows(EXPECTED_TYPE_ICON2_X, EXPECTED_TYPE_ICON_Y, secondType[click % 3], 2));
        EXPECT_TRUE(InfoTextsShow(FORM_ENTRY));
        ClickFormButton();
    }
}

TEST_F(InfoPanelTest, PaintingAgainDrawsTheSameInfoPanel)
{
    SelectEntry(FORM_ENTRY + 2);
    InvalidateRect(app.mainWindow, NULL, TRUE);
    RepaintNow();
    EXPECT_TRUE(ImageShows(EXPECTED_TYPE_ICON1_X, EXPECTED_TYPE_ICON_Y,
                           primaryTypeIcon[EntrySlot(FORM_ENTRY + 2)], 2));
    EXPECT_TRUE(InfoTextsShow(FORM_ENTRY + 2));
}

using EvolutionPanelTest = ViewerTest;

static void ShowEvolution(int entry)
{
    SelectEntry(entry);
    ClickTab(TAB_EVOLUTION);
}

TEST_F(EvolutionPanelTest, EntryWithoutNotesShowsBrak)
{
    for (int entry : {30, 54, 92, 101, 104, 106}) {
        ShowEvolution(entry);
        EXPECT_TRUE(PanelTextIs(EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE1_Y, L"Brak",
                                EXPECTED_EVOLUTION_TEXT_COLOUR))
            << entry;
    }
}

TEST_F(EvolutionPanelTest, GenderMarksSitAtTheirPlacesWithTheTextAroundThem)
{
    for (int entry : {25, 26, 27, 28, 29, 88, 91}) {
        SCOPED_TRACE(entry);
        ShowEvolution(entry);
        ExpectedMark marks[2];
        int markCount = ExpectedMarks(entry, marks);
        EXPECT_GT(markCount, 0);
        for (int i = 0; i < markCount; ++i)
            EXPECT_TRUE(ImageShows(marks[i].x, marks[i].y, marks[i].bitmapId, 1));
        if (FindExpectedPanel(entry)) {
            EXPECT_TRUE(EvolutionTextsShow(entry));
        }
    }
    /* An entry without marks: the mark places hold only the panel and the text. */
    ShowEvolution(24);
    RECT markPlace = {110, 311, 126, 329};
    EXPECT_TRUE(AreaHasColour(markPlace, EXPECTED_PANEL_COLOUR));
}

/* Measured with the program's own font: a line that ran past the panel would show beside the list box
   after a switch to a list view. */
TEST_F(EvolutionPanelTest, EveryLineEndsInsideThePanel)
{
    HDC dc = GetDC(app.mainWindow);
    HFONT fontOld = SelectFont(dc, app.textFont);
    for (unsigned entry = 0; entry < (unsigned)ENTRY_COUNT; ++entry) {
        const EvolutionNote &note = FindEvolutionNote(entry);
        for (const char *line : {note.line1, note.line2}) {
            SIZE extent = {0, 0};
            ASSERT_TRUE(GetTextExtentPoint32A(dc, line, (int)strlen(line), &extent));
            EXPECT_LT(EXPECTED_EVOLUTION_LINE_X + extent.cx, EXPECTED_PANEL_INSIDE.right)
                << "entry " << FIRST_NUMBER + entry << ": " << line;
        }
    }
    SelectFont(dc, fontOld);
    ReleaseDC(app.mainWindow, dc);
}

static bool HasPolishLetters(const wchar_t *line)
{
    for (const wchar_t *c = line; *c; ++c)
        if (*c >= 0x80)
            return true;
    return false;
}

TEST_F(EvolutionPanelTest, PolishLettersDrawAsPolishLetters)
{
    int checked = 0;
    bool happiness = false;
    for (const ExpectedPanel &panel : expectedPanels)
        if (HasPolishLetters(panel.evolutionLine1) || HasPolishLetters(panel.evolutionLine2)) {
            ShowEvolution(panel.entry);
            EXPECT_TRUE(EvolutionTextsShow(panel.entry));
            happiness |= std::wstring(panel.evolutionLine1).find(L"Szczęście") != std::wstring::npos ||
                         std::wstring(panel.evolutionLine2).find(L"Szczęście") != std::wstring::npos;
            ++checked;
        }
    EXPECT_GE(checked, 3);
    EXPECT_TRUE(happiness);
}

TEST_F(EvolutionPanelTest, SwitchingFromInfoLeavesNoIconOrInfoText)
{
    int twoTypes = SampledEntryWithTypes(true);
    SelectEntry(twoTypes);
    ShowEvolution(twoTypes);
    RECT icons = {31, 290, 270, 326};
    EXPECT_TRUE(AreaHasColour(icons, EXPECTED_PANEL_COLOUR));
    /* Every sampled entry's note, as the view changes from entry to entry. */
    for (const ExpectedPanel &panel : expectedPanels) {
        SelectEntry(panel.entry);
        EXPECT_TRUE(EvolutionTextsShow(panel.entry));
    }
}
