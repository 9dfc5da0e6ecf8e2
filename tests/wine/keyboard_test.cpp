/* The keyboard between the controls and the entry box's completion, through the real window: Tab and
   Shift+Tab in screen order, the form button's keys and mouse click, names proposed as letters are
   typed, numbers, and the colour of text that names nothing. */
#include "harness.h"

#include "catalogue/catalogue.h"
#include "resource.h"
#include "state/app_state.h"

#include <string.h>

#include <string>
#include <vector>

class KeyboardTest : public ViewerTest {
  protected:
    void SetUp() override
    {
        ViewerTest::SetUp();
        edit = GetWindow(app.entryCombo, GW_CHILD);
        ASSERT_NE(edit, (HWND)NULL);
        ASSERT_EQ(GetFocus(), edit);
    }

    /* A key through the message queue to the focused control, with Shift or Ctrl held as given. */
    void Press(WPARAM virtualKey, bool shift = false, bool control = false)
    {
        PressQueuedKey(virtualKey, shift, control);
    }

    /* Characters as the keyboard gives them to the focused control. */
    void Type(const std::string &text)
    {
        for (char c : text)
            SendMessageA(GetFocus(), WM_CHAR, (WPARAM)(unsigned char)c, 1);
        PumpMessages();
    }

    std::string Text()
    {
        char text[256] = {};
        GetWindowTextA(edit, text, sizeof text);
        return text;
    }

    void Selection(DWORD &start, DWORD &end)
    {
        SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    }

    HWND edit = NULL;
};

/* The shown controls top to bottom: the entry box (its edit field holds the focus), the form button
   beside the picture, the list over the lower panel. */
static std::vector<HWND> ExpectedTabStops(HWND edit)
{
    std::vector<HWND> stops = {edit};
    if (app.EntryIndex == FORM_ENTRY)
        stops.push_back(app.formButton);
    if (app.movesView || app.machinesView)
        stops.push_back(app.moveListBox);
    return stops;
}

TEST_F(KeyboardTest, TabAndShiftTabWalkTheShownControlsInScreenOrderInEveryViewAndShowTheFocus)
{
    for (int entry : {3, FORM_ENTRY})
        for (int view = 0; view < TAB_COUNT; ++view) {
            SCOPED_TRACE(testing::Message() << "entry " << entry << ", view " << view);
            SelectEntry(entry);
            ClickTab((TabKind)view);
            SetFocus(app.entryCombo);
            PumpMessages();
            const std::vector<HWND> stops = ExpectedTabStops(edit);
            ASSERT_EQ(GetFocus(), edit);
            for (size_t i = 1; i <= stops.size(); ++i) {
                Press(VK_TAB);
                EXPECT_EQ(GetFocus(), stops[i % stops.size()]) << "Tab " << i;
                if (GetFocus() != edit) {
                    EXPECT_EQ(SendMessageA(GetFocus(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0)
                        << "the focus is not shown";
                }
            }
            for (size_t i = 1; i <= stops.size(); ++i) {
                Press(VK_TAB, true);
                EXPECT_EQ(GetFocus(), stops[(stops.size() * 2 - i) % stops.size()]) << "Shift+Tab " << i;
            }
            EXPECT_EQ(app.EntryIndex, (unsigned)entry);
            EXPECT_EQ(ShownView(), view);
        }
}

TEST_F(KeyboardTest, SpaceAndEnterOnTheFormButtonCycleTheFormAndKeepTheFocusThere)
{
    SelectEntry(FORM_ENTRY);
    const int first = app.FormIndex;
    Press(VK_TAB);
    ASSERT_EQ(GetFocus(), app.formButton);
    Press(VK_SPACE);
    EXPECT_EQ(app.FormIndex, (first + 1) % 3);
    EXPECT_EQ(GetFocus(), app.formButton);
    Press(VK_RETURN);
    EXPECT_EQ(app.FormIndex, (first + 2) % 3);
    EXPECT_EQ(GetFocus(), app.formButton);
    RepaintNow();
    const unsigned short pictures[3] = {127, IDB_FORM1_PICTURE, IDB_FORM2_PICTURE};
    EXPECT_TRUE(HeaderShowsPicture(pictures[app.FormIndex]));
}

TEST_F(KeyboardTest, AMouseClickOnTheFormButtonGivesTheFocusBackToTheEntryBox)
{
    SelectEntry(FORM_ENTRY);
    const int first = app.FormIndex;
    PostMessageA(app.formButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
    PostMessageA(app.formButton, WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
    PumpMessages();
    EXPECT_EQ(app.FormIndex, (first + 1) % 3);
    EXPECT_EQ(GetFocus(), edit);
    /* Letters typed next reach the box and find their entry. */
    Type("458");
    EXPECT_EQ(Text(), "458");
    EXPECT_EQ(app.EntryIndex, 458u - 387u);
}

TEST_F(KeyboardTest, ViewKeysWorkFromEveryControlAndAHiddenListHandsTheFocusBack)
{
    SelectEntry(FORM_ENTRY);
    ClickTab(TAB_MOVES);
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_EQ(GetFocus(), app.moveListBox);
    Press(VK_TAB, false, true); /* Ctrl+Tab: machines, the list stays */
    EXPECT_EQ(ShownView(), TAB_MACHINES);
    EXPECT_EQ(GetFocus(), app.moveListBox);
    Press(VK_TAB, false, true); /* evolution: the list hides */
    EXPECT_EQ(ShownView(), TAB_EVOLUTION);
    EXPECT_EQ(GetFocus(), edit);
    Press(VK_TAB);
    ASSERT_EQ(GetFocus(), app.formButton);
    Press(VK_TAB, true, true); /* Ctrl+Shift+Tab */
    EXPECT_EQ(ShownView(), TAB_MACHINES);
    EXPECT_EQ(GetFocus(), app.formButton);
}

/* The first name in catalogue order that begins with the letters (any case); a whole name itself. */
static int ExpectedProposal(const std::string &typed)
{
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        if (_stricmp(entryName[entry], typed.c_str()) == 0)
            return entry;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        if (_strnicmp(entryName[entry], typed.c_str(), typed.size()) == 0)
            return entry;
    return -1;
}

TEST_F(KeyboardTest, TypedLettersProposeTheFirstNameTheyBeginWithTheAddedPartSelected)
{
    for (int entry : {FORM_ENTRY, 71, ENTRY_COUNT - 1}) {
        SelectEntry(entry == 71 ? 0 : 71);
        const std::string name = entryName[entry];
        SendMessageA(edit, EM_SETSEL, 0, -1);
        std::string typed;
        for (size_t length = 1; length <= name.size(); ++length) {
            /* Every other letter in capitals: case does not matter. */
            char c = name[length - 1];
            typed += length % 2 ? (char)toupper((unsigned char)c) : (char)tolower((unsigned char)c);
            Type(std::string(1, typed.back()));
            int proposed = ExpectedProposal(typed);
            SCOPED_TRACE(typed);
            ASSERT_GE(proposed, 0);
            const std::string expected = typed + (entryName[proposed] + typed.size());
            EXPECT_EQ(Text(), expected);
            DWORD start = 0, end = 0;
            Selection(start, end);
            EXPECT_EQ(start, typed.size());
            EXPECT_EQ(end, expected.size());
            /* The box holds a whole name: its entry shows. */
            EXPECT_EQ(app.EntryIndex, (unsigned)proposed);
            EXPECT_FALSE(app.unnamedText);
        }
    }
    /* Backspace takes the proposal away and proposes nothing again; the last entry stays. */
    const std::string name = entryName[FORM_ENTRY];
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Type(name.substr(0, 2));
    const int proposed = ExpectedProposal(name.substr(0, 2));
    Type("\b");
    EXPECT_EQ(Text(), name.substr(0, 2));
    EXPECT_EQ(app.EntryIndex, (unsigned)proposed);
    EXPECT_TRUE(app.unnamedText);
    /* Delete too. */
    Type(name.substr(2, 1));
    ASSERT_GT(Text().size(), 3u);
    Press(VK_DELETE);
    EXPECT_EQ(Text(), name.substr(0, 3));
    /* Enter keeps a proposal, the caret at its end. */
    Type(name.substr(3, 1));
    const std::string kept = Text();
    Press(VK_RETURN);
    EXPECT_EQ(Text(), kept);
    DWORD start = 0, end = 0;
    Selection(start, end);
    EXPECT_EQ(start, kept.size());
    EXPECT_EQ(end, kept.size());
    EXPECT_EQ(app.EntryIndex, (unsigned)ExpectedProposal(kept));
}

TEST_F(KeyboardTest, NumbersShowTheirEntryWithOrWithoutAFullStopAndOthersKeepIt)
{
    for (const char *number : {"458", "393.", "493", "387."}) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        Type(number);
        EXPECT_EQ(Text(), number);
        EXPECT_EQ(app.EntryIndex, (unsigned)(atoi(number) - 387)) << number;
        EXPECT_FALSE(app.unnamedText);
        EXPECT_TRUE(HeaderShowsPicture((unsigned short)(IDB_PICTURE_BASE + app.EntryIndex)));
    }
    for (const char *other : {"386", "494", "45", "9999", "39 3"}) {
        SelectEntry(0);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        Type(other);
        EXPECT_EQ(app.EntryIndex, 0u) << other;
        EXPECT_TRUE(app.unnamedText) << other;
    }
}

/* Pixels of the edit field in the colour, the caret hidden. */
static int CountInField(HWND edit, COLORREF colour)
{
    HideCaret(edit);
    UpdateWindow(edit);
    RECT client;
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            count += GetPixel(dc, x, y) == colour;
    ReleaseDC(edit, dc);
    ShowCaret(edit);
    return count;
}

TEST_F(KeyboardTest, TextThatNamesNothingIsDrawnInItsOwnRedAndANameInTheNormalColour)
{
    const COLORREF mutedRed = RGB(170, 51, 51), black = RGB(0, 0, 0);
    const COLORREF normal = GetSysColor(COLOR_WINDOWTEXT);
    ASSERT_EQ(normal, black);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Type("@qw");
    SendMessageA(edit, EM_SETSEL, 3, 3);
    UpdateWindow(edit);
    EXPECT_GT(CountInField(edit, mutedRed), 10);
    EXPECT_EQ(CountInField(edit, black), 0);
    /* The shown entry stays, and so does its header. */
    EXPECT_EQ(app.EntryIndex, 0u);
    EXPECT_TRUE(HeaderShowsPicture(IDB_PICTURE_BASE));
    /* A number names an entry: every letter back in the normal colour, the red gone. */
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Type("400");
    SendMessageA(edit, EM_SETSEL, 3, 3);
    UpdateWindow(edit);
    EXPECT_EQ(CountInField(edit, mutedRed), 0);
    EXPECT_GT(CountInField(edit, black), 10);
    /* Red again, with the first typed letters still on show. */
    Type("9");
    UpdateWindow(edit);
    EXPECT_EQ(CountInField(edit, black), 0);
    EXPECT_GT(CountInField(edit, mutedRed), 10);
}
