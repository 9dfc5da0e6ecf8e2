/* End to end: the real ZoravelD.exe in a process of its own, used only as a person would (mouse
   clicks on the tabs and the ">>" button, typing in the combo box), checked by screen and controls. */
#include "expected_lists.h"
#include "expected_view.h"
#include "viewer_driver.h"

#include "catalogue/catalogue.h"

#include <string.h>

#include <string>

#include <gtest/gtest.h>

/* In the combo box's edit field, in its own client area. */
static const POINT COMBO_EDIT_POINT = {20, 9};
/* On the combo box's drop-down arrow: the right end of the 120-pixel-wide box. */
static const POINT COMBO_ARROW_POINT = {110, 10};
/* Centre of the 25 by 25 ">>" button, in its own client area. */
static const POINT FORM_BUTTON_POINT = {12, 12};

/* Entries of the expected sample spread over the catalogue: a plain one, the first, gender marks
   (28, 88, 91), the last.
   The first chosen is not the start-up entry, so choosing it changes the window. */
static const int SPREAD_ENTRIES[] = {62, 0, 28, 88, 91, 106};

class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::string reason;
        ASSERT_TRUE(StartViewer(viewer, reason)) << reason;
    }
    void TearDown() override
    {
        DisposeViewer(viewer);
    }

    void ClickTab(View view)
    {
        POINT centre = TabCentre(view);
        ClickClient(viewer, viewer.window, centre.x, centre.y);
    }

    /* Select the edit field's text, type over it and wait until the field shows the typing. The keys
       select from the text's end; a click, which puts the caret where it lands, only brings the focus,
       and is waited for before any key. */
    void TypeIntoCombo(const char *text)
    {
        if (!HasFocus(viewer, viewer.comboEdit))
            ClickClient(viewer, viewer.comboEdit, COMBO_EDIT_POINT.x, COMBO_EDIT_POINT.y);
        ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
        PressKey(VK_END);
        PressKeyWith(VK_SHIFT, VK_HOME);
        TypeText(text);
        std::wstring typed(text, text + strlen(text));
        PollUntil([&] { return EditText() == typed; });
        ASSERT_EQ(EditText(), typed);
    }

    /* Type the name, open the list on it (F4) and take it (Enter). */
    void ChooseByTyping(int entry)
    {
        TypeIntoCombo(entryName[entry]);
        PressKey(VK_F4);
        PressKey(VK_RETURN);
    }

    /* Type the name so the list opens scrolled to it (F4), then click its row: a mouse pick, which
       notifies a selection change (choosing with Enter does not). */
    void ChooseByMouse(int entry)
    {
        TypeIntoCombo(entryName[entry]);
        PressKey(VK_F4);
        HWND list = DroppedList();
        ASSERT_NE(list, (HWND)NULL);
        ClickListItem(list, entry);
    }

    void ClickFormButton()
    {
        ClickClient(viewer, viewer.formButton, FORM_BUTTON_POINT.x, FORM_BUTTON_POINT.y);
    }

    std::wstring EditText()
    {
        wchar_t text[64] = {};
        SendMessageW(viewer.comboEdit, WM_GETTEXT, 64, (LPARAM)text);
        return text;
    }

    /* The viewer's list of the combo box (a pop-up window of its own), once it has dropped down
       and holds the mouse capture. */
    HWND DroppedList()
    {
        HWND dropped = NULL;
        for (HWND list = FindWindowExW(NULL, NULL, L"ComboLBox", NULL); list && !dropped;
             list = FindWindowExW(NULL, list, L"ComboLBox", NULL)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(list, &owner);
            if (owner == viewer.process.dwProcessId)
                dropped = list;
        }
        if (!dropped || !WaitForCapture(viewer, dropped) || !IsWindowVisible(dropped))
            return NULL;
        return dropped;
    }

    /* A click on the item's row in the dropped list. The list follows the pointer and may scroll while
       it drops; the button is pressed once the row under the pointer is the item. */
    void ClickListItem(HWND list, int item)
    {
        LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
        ASSERT_GT(height, 0);
        PointClient(viewer, list, 30, (int)((item - top) * height + height / 2), list);
        ASSERT_TRUE(PollUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == item; }))
            << "the row under the pointer is " << SendMessageW(list, LB_GETCURSEL, 0, 0) << " (top "
            << SendMessageW(list, LB_GETTOPINDEX, 0, 0) << ", was " << top << ")";
        PressLeftButton();
    }

    void CloseWithAltF4()
    {
        ClickClient(viewer, viewer.comboEdit, COMBO_EDIT_POINT.x, COMBO_EDIT_POINT.y);
        ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
        PressKeyWith(VK_MENU, VK_F4);
        EXPECT_EQ(WaitForExit(viewer), 0);
    }

    /* Another window takes the activation, as Alt+Tab does; a click on the viewer, below the casing
       where a click does nothing else, brings it back. */
    void SwitchAwayAndBack()
    {
        HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 700, 0, 100, 100, NULL, NULL,
                                     GetModuleHandleW(NULL), NULL);
        ASSERT_NE(other, (HWND)NULL);
        SetForegroundWindow(other);
        ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == other; }));
        ClickClient(viewer, viewer.window, 150, 466);
        ASSERT_TRUE(PollUntil([&] { return GetForegroundWindow() == viewer.window; }));
        DestroyWindow(other);
    }

    /* A click on a row of the moves or machines list in view, once the viewer has taken the click
       whole: the list box holds the capture from the press to the release, and a window switch before
       the release would leave it dragging the selection after the pointer. */
    void ClickListRow(int row)
    {
        const LRESULT top = SendMessageW(viewer.listBox, LB_GETTOPINDEX, 0, 0);
        const int rowHeight = (int)SendMessageW(viewer.listBox, LB_GETITEMHEIGHT, 0, 0);
        ClickClient(viewer, viewer.listBox, 30, row * rowHeight + rowHeight / 2);
        ASSERT_TRUE(PollUntil([&] { return SendMessageW(viewer.listBox, LB_GETCURSEL, 0, 0) == top + row; }))
            << "selected " << SendMessageW(viewer.listBox, LB_GETCURSEL, 0, 0) << ", top "
            << SendMessageW(viewer.listBox, LB_GETTOPINDEX, 0, 0) << ", was " << top;
        ASSERT_TRUE(WaitForCapture(viewer, NULL));
        ASSERT_TRUE(WaitForFocus(viewer, viewer.listBox));
    }

    /* The state after an action, which must change what the window shows (see SettlesOn). */
    ::testing::AssertionResult Shows(const ViewState &state)
    {
        bool sameForm = state.entry != FORM_ENTRY || state.form == shown.form;
        if (state.entry == shown.entry && state.view == shown.view && sameForm)
            return ::testing::AssertionFailure() << "the test's action changes nothing that shows";
        shown = state;
        return SettlesOn(viewer, state);
    }

    /* The screen only (the combo box keeps the typed text), once the viewer has handled what was queued:
       the last paint of a typed key may reach the screen after the edit field shows the key. */
    ::testing::AssertionResult ScreenSettlesOn(const ViewState &state)
    {
        ::testing::AssertionResult shown = ScreenShowsSoon(state);
        if (!shown)
            return shown;
        SyncWithViewer(viewer);
        return ScreenShowsSoon(state);
    }

    /* The screen only (the combo box keeps the typed text). */
    ::testing::AssertionResult ScreenShowsSoon(const ViewState &state)
    {
        return PollUntil([&] { return ScreenShows(viewer, state); });
    }

    Viewer viewer;
    ViewState shown = {-1, 0, VIEW_INFO}; /* nothing before start-up */
};

TEST_F(EndToEndTest, StartsOnTheFirstEntrysInfoAndAltF4EndsWithExitCodeZero)
{
    EXPECT_TRUE(Shows({0, 0, VIEW_INFO}));
    CloseWithAltF4();
}

TEST_F(EndToEndTest, EntriesAcrossTheCatalogueShowWhatTheCatalogueSaysInEveryView)
{
    /* Each entry is chosen in the view the previous one ended in, then every tab is clicked. */
    const View order[] = {VIEW_EVOLUTION, VIEW_MOVES, VIEW_INFO, VIEW_MACHINES};
    View current = VIEW_INFO;
    int step = 0;
    for (int entry : SPREAD_ENTRIES) {
        SCOPED_TRACE(entry);
        ChooseByTyping(entry);
        ASSERT_TRUE(Shows({entry, 0, current}));
        for (int i = 0; i < 4; ++i) {
            current = order[(step + i) % 4];
            ClickTab(current);
            ASSERT_TRUE(Shows({entry, 0, current}));
        }
        ++step;
    }
    /* What a window manager's close button or Alt+F4 sends. */
    PostMessageW(viewer.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(viewer), 0);
}

TEST_F(EndToEndTest, FormButtonCyclesTheThreeFormsOfTheFormEntry)
{
    ChooseByTyping(FORM_ENTRY);
    ASSERT_TRUE(Shows({FORM_ENTRY, 0, VIEW_INFO}));
    /* Picture and second type follow the form in the info view. */
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 1, VIEW_INFO}));
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 2, VIEW_INFO}));
    /* The move list follows it in the moves view. */
    ClickTab(VIEW_MOVES);
    ASSERT_TRUE(Shows({FORM_ENTRY, 2, VIEW_MOVES}));
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 0, VIEW_MOVES}));
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 1, VIEW_MOVES}));
    /* The machine list does not depend on it; the evolution note neither. */
    ClickTab(VIEW_MACHINES);
    ASSERT_TRUE(Shows({FORM_ENTRY, 1, VIEW_MACHINES}));
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 2, VIEW_MACHINES}));
    ClickTab(VIEW_EVOLUTION);
    ASSERT_TRUE(Shows({FORM_ENTRY, 2, VIEW_EVOLUTION}));
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 0, VIEW_EVOLUTION}));
    /* Another entry chosen with the keyboard (no selection change is notified) hides the button;
       coming back shows the form last chosen; a mouse pick hides it as well. */
    ClickFormButton();
    ASSERT_TRUE(Shows({FORM_ENTRY, 1, VIEW_EVOLUTION}));
    ChooseByTyping(FORM_ENTRY + 1);
    ASSERT_TRUE(Shows({FORM_ENTRY + 1, 1, VIEW_EVOLUTION}));
    ClickTab(VIEW_INFO);
    ASSERT_TRUE(Shows({FORM_ENTRY + 1, 1, VIEW_INFO}));
    ChooseByTyping(FORM_ENTRY);
    ASSERT_TRUE(Shows({FORM_ENTRY, 1, VIEW_INFO}));
    ChooseByMouse(FORM_ENTRY - 1);
    ASSERT_TRUE(Shows({FORM_ENTRY - 1, 1, VIEW_INFO}));
    CloseWithAltF4();
}

TEST_F(EndToEndTest, MousePicksFromTheDroppedList)
{
    /* An entry near the top: open the list with the arrow and click its row. */
    ClickClient(viewer, viewer.combo, COMBO_ARROW_POINT.x, COMBO_ARROW_POINT.y);
    HWND list = DroppedList();
    ASSERT_NE(list, (HWND)NULL);
    ClickListItem(list, 5);
    ASSERT_TRUE(Shows({5, 0, VIEW_INFO}));
    /* One far down, in a list view: type to scroll the list to it, then click it. */
    ClickTab(VIEW_MACHINES);
    ASSERT_TRUE(Shows({5, 0, VIEW_MACHINES}));
    ChooseByMouse(88);
    ASSERT_TRUE(Shows({88, 0, VIEW_MACHINES}));
    CloseWithAltF4();
}

TEST_F(EndToEndTest, TypedNameShowsItsEntryAndOtherTextKeepsIt)
{
    ChooseByTyping(62);
    ASSERT_TRUE(Shows({62, 0, VIEW_INFO}));
    ClickTab(VIEW_MOVES);
    ASSERT_TRUE(Shows({62, 0, VIEW_MOVES}));
    /* A whole name in small letters with a blank before it, the list never opened. */
    std::string typed = std::string(" ") + entryName[88];
    for (char &c : typed)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    TypeIntoCombo(typed.c_str());
    ASSERT_TRUE(ScreenShowsSoon({88, 0, VIEW_MOVES}));
    EXPECT_TRUE(PollUntil([&] {
        return ListBoxLines(viewer.listBox) == ExpectedListLines({88, 0, VIEW_MOVES});
    }));
    /* The field keeps the typing and the caret at its end; the box has no selection. */
    SyncWithViewer(viewer);
    EXPECT_EQ(EditText(), std::wstring(typed.begin(), typed.end()));
    EXPECT_EQ(SendMessageW(viewer.combo, CB_GETEDITSEL, 0, 0), MAKELRESULT(typed.size(), typed.size()));
    EXPECT_EQ(SendMessageW(viewer.combo, CB_GETCURSEL, 0, 0), CB_ERR);

    /* Text that names no entry keeps it, in the tabs too. */
    std::vector<std::wstring> lines = ListBoxLines(viewer.listBox);
    TypeIntoCombo("Qwerty");
    EXPECT_TRUE(ScreenSettlesOn({88, 0, VIEW_MOVES}));
    EXPECT_EQ(ListBoxLines(viewer.listBox), lines);
    ClickTab(VIEW_EVOLUTION);
    EXPECT_TRUE(ScreenShowsSoon({88, 0, VIEW_EVOLUTION}));
    ClickTab(VIEW_INFO);
    EXPECT_TRUE(ScreenShowsSoon({88, 0, VIEW_INFO}));
    CloseWithAltF4();
}

TEST_F(EndToEndTest, KeysReachTheComboBoxAfterSwitchingBackToTheViewer)
{
    SwitchAwayAndBack();
    ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
    /* Keys only, no click in the field: type the name over the text, open the list, take it. */
    PressKey(VK_END);
    PressKeyWith(VK_SHIFT, VK_HOME);
    TypeText(entryName[30]);
    PressKey(VK_F4);
    PressKey(VK_RETURN);
    ASSERT_TRUE(Shows({30, 0, VIEW_INFO}));
    CloseWithAltF4();
}

TEST_F(EndToEndTest, MoveListKeepsItsPlaceAndClickedRowThroughFocusChangesAndTheDroppedList)
{
    /* The longest move list, longer than the box shows. */
    int entry = 0;
    for (int candidate = 1; candidate < ENTRY_COUNT; ++candidate)
        if (candidate != FORM_ENTRY && ListElements(moveListText[EntrySlot(candidate)]).size() >
                                           ListElements(moveListText[EntrySlot(entry)]).size())
            entry = candidate;
    ChooseByTyping(entry);
    ASSERT_TRUE(Shows({entry, 0, VIEW_INFO}));
    ClickTab(VIEW_MOVES);
    ASSERT_TRUE(Shows({entry, 0, VIEW_MOVES}));
    RECT client = {};
    GetClientRect(viewer.listBox, &client);
    const int rowHeight = (int)SendMessageW(viewer.listBox, LB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(rowHeight, 0);
    const std::vector<std::wstring> lines = ExpectedListLines({entry, 0, VIEW_MOVES});
    ASSERT_GT((int)lines.size(), client.bottom / rowHeight + 2);

    /* Into the list, which takes the focus from the combo box, and down to its end with the keyboard.
       (A press on the scroll bar pages on for as long as a loaded machine delays the release.) */
    ClickListRow(0);
    PressKey(VK_END);
    const LRESULT last = (LRESULT)lines.size() - 1;
    ASSERT_TRUE(PollUntil([&] { return SendMessageW(viewer.listBox, LB_GETCURSEL, 0, 0) == last; }));
    const LRESULT top = SendMessageW(viewer.listBox, LB_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, 0);
    /* The third row in view. */
    ClickListRow(2);

    SwitchAwayAndBack();
    ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
    ClickClient(viewer, viewer.combo, COMBO_ARROW_POINT.x, COMBO_ARROW_POINT.y);
    ASSERT_NE(DroppedList(), (HWND)NULL);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForCapture(viewer, NULL));
    ASSERT_TRUE(PollUntil([&] { return SendMessageW(viewer.combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    SyncWithViewer(viewer);

    EXPECT_EQ(ListBoxLines(viewer.listBox), lines);
    EXPECT_EQ(SendMessageW(viewer.listBox, LB_GETTOPINDEX, 0, 0), top);
    EXPECT_EQ(SendMessageW(viewer.listBox, LB_GETCURSEL, 0, 0), top + 2);
    EXPECT_TRUE(ScreenShows(viewer, {entry, 0, VIEW_MOVES}));
    CloseWithAltF4();
}

TEST_F(EndToEndTest, TabWalksTheShownControlsAndTheFormButtonAnswersKeysAndClicks)
{
    TypeIntoCombo(std::to_string(FORM_ENTRY + 387).c_str());
    ASSERT_TRUE(ScreenSettlesOn({FORM_ENTRY, 0, VIEW_INFO}));
    ClickTab(VIEW_MOVES);
    ASSERT_TRUE(ScreenSettlesOn({FORM_ENTRY, 0, VIEW_MOVES}));
    ClickClient(viewer, viewer.comboEdit, COMBO_EDIT_POINT.x, COMBO_EDIT_POINT.y);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
    /* Screen order: the entry box, the ">>" button beside the picture, the list below. */
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.formButton));
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.listBox));
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
    PressKeyWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.listBox));
    /* The arrow keys move in the list as in any list box. */
    PressKey(VK_DOWN);
    EXPECT_TRUE(PollUntil([&] { return SendMessageW(viewer.listBox, LB_GETCURSEL, 0, 0) >= 0; }));
    PressKeyWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.formButton));
    /* Space and Enter on ">>" show the next form and leave the focus there. */
    PressKey(VK_SPACE);
    EXPECT_TRUE(ScreenSettlesOn({FORM_ENTRY, 1, VIEW_MOVES}));
    PressKey(VK_RETURN);
    EXPECT_TRUE(ScreenSettlesOn({FORM_ENTRY, 2, VIEW_MOVES}));
    EXPECT_TRUE(WaitForFocus(viewer, viewer.formButton));
    /* The view keys work from the button too. */
    PressKeyWith(VK_CONTROL, VK_TAB);
    EXPECT_TRUE(ScreenSettlesOn({FORM_ENTRY, 2, VIEW_MACHINES}));
    /* A click on ">>" gives the focus back to the entry box: typing goes on there. */
    ClickFormButton();
    EXPECT_TRUE(ScreenSettlesOn({FORM_ENTRY, 0, VIEW_MACHINES}));
    ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
    TypeText("475");
    EXPECT_TRUE(ScreenSettlesOn({475 - 387, 0, VIEW_MACHINES}));
    EXPECT_EQ(EditText(), L"475");
    CloseWithAltF4();
}

/* The shortest beginning of the entry's name whose first name in catalogue order is the entry's own. */
static std::string BeginningOf(int entry)
{
    const std::string name = entryName[entry];
    for (size_t length = 1; length < name.size(); ++length) {
        int first = -1;
        for (int other = 0; other < ENTRY_COUNT && first < 0; ++other)
            if (_strnicmp(entryName[other], name.c_str(), length) == 0)
                first = other;
        if (first == entry)
            return name.substr(0, length);
    }
    return name;
}

/* Pixels of the entry box's field in the colour, as the screen shows them. */
static int CountOnScreen(HWND window, COLORREF colour)
{
    Shot shot = CaptureClient(window);
    int count = 0;
    for (COLORREF pixel : shot.pixels)
        count += pixel == colour;
    return count;
}

TEST_F(EndToEndTest, EntryBoxFindsNumbersCompletesNamesAndDrawsTextThatNamesNothingInItsOwnRed)
{
    const COLORREF mutedRed = RGB(170, 51, 51);
    TypeIntoCombo("475");
    ASSERT_TRUE(ScreenSettlesOn({88, 0, VIEW_INFO}));
    TypeIntoCombo("392.");
    ASSERT_TRUE(ScreenSettlesOn({5, 0, VIEW_INFO}));
    EXPECT_EQ(CountOnScreen(viewer.comboEdit, mutedRed), 0);

    /* The first letters of a name, in small letters: the rest is proposed, the entry shows, Enter keeps it.
     */
    const int entry = 91;
    std::string typed = BeginningOf(entry);
    for (char &c : typed)
        c = (char)tolower((unsigned char)c);
    ClickClient(viewer, viewer.comboEdit, COMBO_EDIT_POINT.x, COMBO_EDIT_POINT.y);
    ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
    PressKey(VK_END);
    PressKeyWith(VK_SHIFT, VK_HOME);
    TypeText(typed.c_str());
    const std::string proposed = typed + (entryName[entry] + typed.size());
    const std::wstring proposedWide(proposed.begin(), proposed.end());
    ASSERT_TRUE(PollUntil([&] { return EditText() == proposedWide; }));
    ASSERT_TRUE(ScreenSettlesOn({entry, 0, VIEW_INFO}));
    EXPECT_EQ(SendMessageW(viewer.combo, CB_GETEDITSEL, 0, 0), MAKELRESULT(typed.size(), proposed.size()));
    PressKey(VK_RETURN);
    EXPECT_TRUE(PollUntil([&] {
        return SendMessageW(viewer.combo, CB_GETEDITSEL, 0, 0) ==
               MAKELRESULT(proposed.size(), proposed.size());
    }));
    EXPECT_EQ(EditText(), proposedWide);

    /* Backspace takes the proposal away without a new one: the text names nothing and turns red, and
       the header keeps its entry. */
    PressKey(VK_END);
    PressKeyWith(VK_SHIFT, VK_LEFT);
    PressKey(VK_BACK);
    const std::wstring shortened = proposedWide.substr(0, proposedWide.size() - 1);
    ASSERT_TRUE(PollUntil([&] { return EditText() == shortened; }));
    SyncWithViewer(viewer);
    EXPECT_TRUE(PollUntil([&] { return CountOnScreen(viewer.comboEdit, mutedRed) > 10; }));
    EXPECT_TRUE(ScreenShows(viewer, {entry, 0, VIEW_INFO}));
    /* A number turns it back. */
    TypeIntoCombo("400");
    EXPECT_TRUE(ScreenSettlesOn({13, 0, VIEW_INFO}));
    EXPECT_TRUE(PollUntil([&] { return CountOnScreen(viewer.comboEdit, mutedRed) == 0; }));
    CloseWithAltF4();
}

/* What a starter's show command (a shortcut's "Run: Normal window, Minimized, Maximized") must leave. */
struct ShowStart {
    int command;
    bool visible;
    bool minimized;
};

/* clang-format off */
static const ShowStart showStarts[] = {
    {SW_HIDE,            false, false}, /* 0 */
    {SW_SHOWNORMAL,      true,  false}, /* 1 */
    {SW_SHOWMINIMIZED,   true,  true }, /* 2 */
    {SW_SHOWMAXIMIZED,   true,  false}, /* 3, also SW_MAXIMIZE */
    {SW_SHOWNOACTIVATE,  true,  false}, /* 4 */
    {SW_SHOW,            true,  false}, /* 5 */
    {SW_MINIMIZE,        true,  true }, /* 6 */
    {SW_SHOWMINNOACTIVE, true,  true }, /* 7 */
    {SW_SHOWNA,          true,  false}, /* 8 */
    {SW_RESTORE,         true,  false}, /* 9 */
    {SW_SHOWDEFAULT,     true,  false}, /* 10 */
};
/* clang-format on */

TEST(ShowCommandTest, EveryShowCommandKeepsTheFixedOuterSizeAndNoneMaximizes)
{
    /* 309 by 495 at (250, 20). */
    const RECT fixedOuter = {250, 20, 559, 515};
    for (const ShowStart &start : showStarts) {
        SCOPED_TRACE(start.command);
        Viewer viewer;
        std::string reason;
        ASSERT_TRUE(StartViewer(viewer, reason, start.command)) << reason;
        EXPECT_FALSE(IsZoomed(viewer.window));
        EXPECT_EQ(IsIconic(viewer.window) != FALSE, start.minimized);
        EXPECT_EQ(IsWindowVisible(viewer.window) != FALSE, start.visible);
        /* A minimized start is measured where the user brings it back (its taskbar button). */
        if (start.minimized) {
            /* Sent, not posted: it returns once the viewer has restored and placed the window. */
            DWORD_PTR result = 0;
            SendMessageTimeoutW(viewer.window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_NORMAL, WAIT_LIMIT_MS,
                                &result);
            EXPECT_FALSE(IsIconic(viewer.window));
        }
        RECT outer = {};
        GetWindowRect(viewer.window, &outer);
        EXPECT_TRUE(EqualRect(&outer, &fixedOuter))
            << outer.left << "," << outer.top << "," << outer.right << "," << outer.bottom;
        DisposeViewer(viewer);
    }
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    InitCatalogue();
    return RUN_ALL_TESTS();
}
