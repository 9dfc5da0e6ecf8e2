/* The views through the real window: tab clicks from every state, combo-box notifications,
   typing into the combo box, the list box's lines and the three forms of the form entry. */
#include "harness.h"

#include "expected_layout.h"
#include "expected_lists.h"

#include "app/move_list_box.h"
#include "catalogue/catalogue.h"
#include "draw/layout.h"
#include "resource.h"
#include "state/app_state.h"

#include <ctype.h>
#include <string.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

static TabKind CurrentView()
{
    EXPECT_EQ(app.infoView + app.evolutionView + app.movesView + app.machinesView, 1);
    return ShownView();
}

using TabTest = ViewerTest;

TEST_F(TabTest, EveryTabSwitchesFromEveryState)
{
    for (int from = 0; from < TAB_COUNT; ++from)
        for (int to = 0; to < TAB_COUNT; ++to) {
            SCOPED_TRACE(testing::Message() << "from " << from << " to " << to);
            ClickTab((TabKind)from);
            ASSERT_EQ(CurrentView(), from);
            ClickTab((TabKind)to);
            EXPECT_EQ(CurrentView(), to);
            EXPECT_EQ(ListBoxVisible(), to == TAB_MOVES || to == TAB_MACHINES);
            for (int tab = 0; tab < TAB_COUNT; ++tab)
                EXPECT_TRUE(TabShows(expectedTab[tab].x, expectedTab[tab].y,
                                     tab == to ? expectedTab[tab].imageOn : expectedTab[tab].imageOff));
        }
}

TEST_F(TabTest, ClicksOnTheRightOrBottomEdgeOrOutsideSwitchNothing)
{
    ClickTab(TAB_MOVES);
    const POINT misses[] = {
        {105, 270},
        {70,  284},
        {185, 270},
        {150, 284},
        {265, 270},
        {230, 284},
        {105, 444},
        {70,  458},
        {34,  270},
        {70,  255},
        {110, 270},
        {150, 200},
        {300, 300},
        {0,   0  }
    };
    for (POINT miss : misses) {
        ClickAt(miss.x, miss.y);
        EXPECT_EQ(CurrentView(), TAB_MOVES) << miss.x << "," << miss.y;
        EXPECT_TRUE(ListBoxVisible());
    }
    /* Left and top edges belong to the tab. */
    ClickAt(35, 256);
    EXPECT_EQ(CurrentView(), TAB_INFO);
    ClickAt(35, 430);
    EXPECT_EQ(CurrentView(), TAB_EVOLUTION);
    ClickAt(195, 256);
    EXPECT_EQ(CurrentView(), TAB_MACHINES);
}

using ComboTest = ViewerTest;

TEST_F(ComboTest, EveryNotificationRedrawsTheHeaderAndTheCurrentView)
{
    const int notifications[] = {CBN_SELCHANGE,  CBN_DBLCLK,   CBN_SETFOCUS, CBN_KILLFOCUS, CBN_EDITCHANGE,
                                 CBN_EDITUPDATE, CBN_DROPDOWN, CBN_CLOSEUP,  CBN_SELENDOK,  CBN_SELENDCANCEL};
    /* Sampled entries whose neighbours in this order differ in picture, sizes and note. */
    const int entries[] = {3, 14, 31, 27, 28, 30, 62, 88, 91, 106, 0};
    for (TabKind view : {TAB_INFO, TAB_EVOLUTION, TAB_MOVES}) {
        ClickTab(view);
        int next = view;
        for (int notification : notifications) {
            SCOPED_TRACE(::testing::Message() << "view " << view << ", notification " << notification);
            int entry = entries[next++ % (sizeof entries / sizeof entries[0])];
            SendMessageA(app.entryCombo, CB_SETCURSEL, entry, 0);
            SendComboNotification(notification);
            EXPECT_EQ(app.EntryIndex, (unsigned)entry);
            EXPECT_TRUE(HeaderShowsPicture((unsigned short)(IDB_PICTURE_BASE + entry)));
            if (view == TAB_INFO) {
                EXPECT_TRUE(InfoTextsShow(entry));
            } else if (view == TAB_EVOLUTION) {
                EXPECT_TRUE(EvolutionTextsShow(entry));
            } else {
                EXPECT_EQ(ListBoxLines(), ListElements(moveListText[EntrySlot(entry)]));
            }
        }
    }
}

TEST_F(ComboTest, FormButtonShowsExactlyOnTheFormEntryAfterEveryNotification)
{
    SelectEntry(FORM_ENTRY);
    EXPECT_TRUE(FormButtonVisible());
    SendComboNotification(CBN_DROPDOWN);
    EXPECT_TRUE(FormButtonVisible());
    SelectEntry(FORM_ENTRY + 1);
    EXPECT_FALSE(FormButtonVisible());
    /* Picks with the keyboard (a typed name, F4, Enter) notify no selection change. */
    SendMessageA(app.entryCombo, CB_SETCURSEL, FORM_ENTRY, 0);
    SendComboNotification(CBN_SELENDOK);
    SendComboNotification(CBN_CLOSEUP);
    EXPECT_TRUE(FormButtonVisible());
    SendMessageA(app.entryCombo, CB_SETCURSEL, FORM_ENTRY - 1, 0);
    SendComboNotification(CBN_SELENDOK);
    SendComboNotification(CBN_CLOSEUP);
    EXPECT_EQ(app.EntryIndex, (unsigned)(FORM_ENTRY - 1));
    EXPECT_FALSE(FormButtonVisible());
}

/* Types into the combo box's edit field over whatever it holds, as the keys would. */
static void TypeOverComboText(const std::string &text)
{
    HWND edit = GetWindow(app.entryCombo, GW_CHILD);
    ASSERT_NE(edit, (HWND)NULL);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char key : text)
        SendMessageA(edit, WM_CHAR, (WPARAM)(unsigned char)key, 1);
    PumpMessages();
}

static std::string ComboText()
{
    char text[256] = {};
    GetWindowTextA(app.entryCombo, text, sizeof text);
    return text;
}

/* The name with its letters' case swapped, as a user with Caps Lock on types it. */
static std::string SwappedCase(const char *name)
{
    std::string swapped = name;
    for (char &c : swapped)
        if (c >= 'a' && c <= 'z')
            c = (char)(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return swapped;
}

TEST_F(ComboTest, TypedNameShowsItsEntryAndOtherTextKeepsTheLastInEveryView)
{
    for (int view = 0; view < TAB_COUNT; ++view) {
        SCOPED_TRACE(view);
        /* Names that fit the field with their blanks: it takes no more text than it shows. */
        const int entries[TAB_COUNT] = {FORM_ENTRY, 0, 104, 57};
        const int entry = entries[view];
        SelectEntry(40 + view);
        ClickTab((TabKind)view);

        const std::string typed = "  " + SwappedCase(entryName[entry]) + " ";
        TypeOverComboText(typed);
        /* The box still has no selection: the window took the name without touching the field. */
        EXPECT_EQ(SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(ComboText(), typed);
        DWORD selStart = 0, selEnd = 0;
        SendMessageA(app.entryCombo, CB_GETEDITSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
        EXPECT_EQ(selStart, typed.size());
        EXPECT_EQ(selEnd, typed.size());
        EXPECT_EQ(app.EntryIndex, (unsigned)entry);
        EXPECT_EQ(FormButtonVisible(), entry == FORM_ENTRY);
        EXPECT_EQ(CurrentView(), view);
        if (view == TAB_MOVES) {
            EXPECT_EQ(ListBoxLines(), ListElements(moveListText[EntrySlot(entry)]));
        } else if (view == TAB_MACHINES) {
            EXPECT_EQ(ListBoxLines(), ExpectedMachineLines(machineListText[EntrySlot(entry)]));
        }

        /* A name with more after it, text that begins no name, or nothing: the entry stays. (Part of a name
           is completed to a name: the autocompletion tests.) */
        std::vector<std::string> linesBefore = ListBoxLines();
        const std::string others[] = {std::string(entryName[entry]) + "x", "@q9 ", " "};
        for (const std::string &other : others) {
            TypeOverComboText(other);
            EXPECT_EQ(ComboText(), other);
            EXPECT_EQ(app.EntryIndex, (unsigned)entry) << other;
            EXPECT_EQ(ListBoxLines(), linesBefore);
        }
        /* A notification with no selection and no name reads CB_ERR too. */
        SendComboNotification(CBN_SELCHANGE);
        EXPECT_EQ(app.EntryIndex, (unsigned)entry);
    }
}

TEST_F(ComboTest, TextLongerThanAFieldShowsIsNoNameEvenWhenItBeginsWithOne)
{
    /* A program puts text in the field that no user could type there: a name padded with blanks. Up to
       63 characters it still names its entry; at 64 it names none, and the entry shown stays. */
    const int shown = 30, named = 7;
    for (size_t length : {(size_t)63, (size_t)64}) {
        SelectEntry(shown);
        TypeOverComboText("x");
        std::string padded = entryName[named];
        padded.resize(length, ' ');
        SendMessageA(app.entryCombo, WM_SETTEXT, 0, (LPARAM)padded.c_str());
        SendComboNotification(CBN_EDITCHANGE);
        ASSERT_EQ(ComboText(), padded);
        unsigned expected = length < 64 ? named : shown;
        EXPECT_EQ(app.EntryIndex, expected)
            << "the viewer shows the wrong entry for a name padded to " << length << " characters";
        EXPECT_TRUE(HeaderShowsPicture((unsigned short)(IDB_PICTURE_BASE + expected))) << length;
    }
}

TEST_F(ComboTest, ReactivatedWindowGivesTheKeyboardBackToTheComboBox)
{
    HWND edit = GetWindow(app.entryCombo, GW_CHILD);
    ASSERT_EQ(GetFocus(), edit);
    /* Another window of the desktop takes the activation (Alt+Tab), then the viewer gets it back. */
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 0, 100, 100,
                                 NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(other, (HWND)NULL);
    SetActiveWindow(other);
    PumpMessages();
    ASSERT_EQ(GetActiveWindow(), other);
    ASSERT_NE(GetFocus(), edit);
    SetActiveWindow(app.mainWindow);
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), app.mainWindow);
    EXPECT_EQ(GetFocus(), edit);
    DestroyWindow(other);
    /* A focus given to the main window itself goes on to the combo box as well. */
    SetFocus(app.mainWindow);
    PumpMessages();
    EXPECT_EQ(GetFocus(), edit);
}

/* The characters that reach the combo box's edit field's own procedure. A test procedure put in front
   of it when the field is created sees what the viewer lets through. */
static WNDPROC editOwnProc;
static std::vector<WPARAM> charsReached;
static HHOOK editHook;

static LRESULT CALLBACK RecordChars(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR)
        charsReached.push_back(wParam);
    return CallWindowProcA(editOwnProc, edit, message, wParam, lParam);
}

static LRESULT CALLBACK WatchEditCreation(int code, WPARAM wParam, LPARAM lParam)
{
    char className[16] = {};
    if (code == HCBT_CREATEWND && GetClassNameA((HWND)wParam, className, sizeof className) &&
        _stricmp(className, "Edit") == 0)
        editOwnProc = (WNDPROC)SetWindowLongPtrA((HWND)wParam, GWLP_WNDPROC, (LONG_PTR)RecordChars);
    return CallNextHookEx(editHook, code, wParam, lParam);
}

/* The width the field shows text in. */
static int FieldWidth(HWND edit)
{
    RECT format = {};
    SendMessageA(edit, EM_GETRECT, 0, (LPARAM)&format);
    return format.right - format.left;
}

/* Lower-case letters whose text, in the field's font, is exactly the width; empty if none is. */
static std::string LettersOfWidth(HWND edit, int width)
{
    HDC dc = GetDC(edit);
    HFONT font = GetWindowFont(edit);
    HFONT fontOld = font ? SelectFont(dc, font) : NULL;
    /* The fewest letters for each width, wide ones first, by adding one letter at a time. */
    std::vector<std::string> reach((size_t)width + 1);
    std::vector<bool> reached((size_t)width + 1, false);
    reached[0] = true;
    for (int w = 0; w < width; ++w) {
        if (!reached[(size_t)w])
            continue;
        for (char c = 'z'; c >= 'a'; --c) {
            SIZE size = {};
            GetTextExtentPoint32A(dc, &c, 1, &size);
            int next = w + (int)size.cx;
            if (size.cx > 0 && next <= width && !reached[(size_t)next]) {
                reached[(size_t)next] = true;
                reach[(size_t)next] = reach[(size_t)w] + c;
            }
        }
    }
    std::string letters = reached[(size_t)width] ? reach[(size_t)width] : std::string();
    SIZE whole = {};
    GetTextExtentPoint32A(dc, letters.c_str(), (int)letters.size(), &whole);
    if (font)
        SelectFont(dc, fontOld);
    ReleaseDC(edit, dc);
    return whole.cx == width ? letters : std::string();
}

class EditFieldTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        editOwnProc = NULL;
        editHook = SetWindowsHookExA(WH_CBT, WatchEditCreation, NULL, GetCurrentThreadId());
        StartViewer();
        UnhookWindowsHookEx(editHook);
        edit = GetWindow(app.entryCombo, GW_CHILD);
        ASSERT_NE(editOwnProc, (WNDPROC)NULL);
        charsReached.clear();
    }
    void TearDown() override
    {
        StopViewer();
    }

    /* A key stroke at the focused field: its key-down, the character TranslateMessage makes, key-up. */
    void PressKey(WPARAM virtualKey, WPARAM character)
    {
        SendMessageA(edit, WM_KEYDOWN, virtualKey, 1);
        if (character)
            SendMessageA(edit, WM_CHAR, character, 1);
        SendMessageA(edit, WM_KEYUP, virtualKey, 0xC0000001);
        PumpMessages();
    }

    /* A key pressed with Ctrl (and Shift) held, through the queue as the keyboard delivers it to the
       focused control: the message loop and the keyboard's state decide what it does. */
    void PressWithModifiers(WPARAM virtualKey, bool control, bool shift, bool alt = false)
    {
        PressQueuedKey(virtualKey, shift, control, alt);
    }

    bool ListDropped()
    {
        return SendMessageA(app.entryCombo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }

    HWND edit = NULL;
};

TEST_F(EditFieldTest, EnterEscapeAndTabNeverReachTheEditFieldLettersDo)
{
    ASSERT_EQ(GetFocus(), edit);
    PressKey(VK_RETURN, '\r');
    PressKey(VK_ESCAPE, 0x1B);
    PressKey(VK_TAB, '\t');
    PressKey(VK_RETURN, '\n'); /* Ctrl+Enter */
    PressKey('K', 'k');
    EXPECT_EQ(charsReached, std::vector<WPARAM>{'k'});
    EXPECT_FALSE(ListDropped());
}

TEST_F(EditFieldTest, TextPastTheFieldsWidthStopsBeforeItAndWhatFitsReachesIt)
{
    /* A box like the viewer's, left alone: its field's own judgement of what fits. */
    HWND reference = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN,
                                     120, 80, 120, 200, app.mainWindow, NULL, GetModuleHandleA(NULL), NULL);
    HWND referenceEdit = GetWindow(reference, GW_CHILD);
    ASSERT_NE(referenceEdit, (HWND)NULL);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    /* Wide letters until nothing fits, then narrow ones that may fit again, a blank and a Polish letter;
       after a sign that begins no name, so that no name is proposed. */
    const std::string typed = "@WWWWWWWWWWWWWWWWWWWW" + std::string("iiii l\xEA\xEA");
    for (char c : typed) {
        PressKey(VkKeyScanA(c) & 0xFF, (WPARAM)(unsigned char)c);
        SendMessageA(referenceEdit, WM_CHAR, (WPARAM)(unsigned char)c, 1);
    }
    char fitted[64] = {};
    GetWindowTextA(referenceEdit, fitted, sizeof fitted);
    ASSERT_LT(strlen(fitted), typed.size());
    EXPECT_EQ(ComboText(), fitted);
    EXPECT_EQ(std::string(charsReached.begin(), charsReached.end()), fitted);

    /* A text as wide as the field to its last pixel fits; one letter more does not. */
    const std::string exact = LettersOfWidth(edit, FieldWidth(edit));
    ASSERT_FALSE(exact.empty()) << "no letters add up to the field's width";
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(referenceEdit, WM_SETTEXT, 0, (LPARAM) "");
    for (char c : exact + "i") {
        PressKey(VkKeyScanA(c) & 0xFF, (WPARAM)(unsigned char)c);
        SendMessageA(referenceEdit, WM_CHAR, (WPARAM)(unsigned char)c, 1);
    }
    GetWindowTextA(referenceEdit, fitted, sizeof fitted);
    ASSERT_EQ(std::string(fitted), exact) << "the field's own judgement of a text that fills it";
    EXPECT_EQ(ComboText(), exact) << "the field refused a letter that fills it to its last pixel";
    DestroyWindow(reference);
}

TEST_F(EditFieldTest, EnterStillPicksFromTheDroppedListAndEscapeClosesIt)
{
    SelectEntry(3);
    PressKey(VK_F4, 0);
    ASSERT_TRUE(ListDropped());
    PressKey(VK_DOWN, 0);
    PressKey(VK_RETURN, '\r');
    EXPECT_FALSE(ListDropped());
    EXPECT_EQ(app.EntryIndex, 4u);
    EXPECT_TRUE(HeaderShowsPicture(IDB_PICTURE_BASE + 4));

    PressKey(VK_F4, 0);
    ASSERT_TRUE(ListDropped());
    PressKey(VK_ESCAPE, 0x1B);
    EXPECT_FALSE(ListDropped());
}

/* The first entry whose name begins with the letter, either case, as the dropped list finds it. */
static int FirstEntryBeginningWith(char letter)
{
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        if (tolower((unsigned char)entryName[entry][0]) == tolower((unsigned char)letter))
            return entry;
    return -1;
}

/* The keys that step through the tabs, with the way each goes. */
struct ViewKey {
    const char *name;
    WPARAM virtualKey;
    bool shift;
    int step;
};

static const ViewKey viewKeys[] = {
    {"Ctrl+Tab",       VK_TAB,   false, 1 },
    {"Ctrl+PageDown",  VK_NEXT,  false, 1 },
    {"Ctrl+Shift+Tab", VK_TAB,   true,  -1},
    {"Ctrl+PageUp",    VK_PRIOR, false, -1},
};

/* The tabs in the order they sit on screen: by rows from the top, each row from the left. */
static std::vector<TabKind> TabsInScreenOrder()
{
    std::vector<TabKind> order;
    for (int tab = 0; tab < TAB_COUNT; ++tab)
        order.push_back((TabKind)tab);
    std::sort(order.begin(), order.end(), [](TabKind a, TabKind b) {
        return expectedTab[a].y != expectedTab[b].y ? expectedTab[a].y < expectedTab[b].y
                                                    : expectedTab[a].x < expectedTab[b].x;
    });
    return order;
}

/* The client area without the blinking caret. */
static Capture CaptureWithoutCaret(HWND edit)
{
    HideCaret(edit);
    Capture capture = CaptureWindow();
    ShowCaret(edit);
    return capture;
}

static ::testing::AssertionResult SameWindow(const Capture &clicked, const Capture &keyed)
{
    if (clicked.width != keyed.width || clicked.height != keyed.height)
        return ::testing::AssertionFailure() << "the window changed size";
    for (int y = 0; y < clicked.height; ++y)
        for (int x = 0; x < clicked.width; ++x)
            if (clicked.At(x, y) != keyed.At(x, y))
                return ::testing::AssertionFailure()
                       << "the window differs from the click's at (" << x << "," << y << ")";
    return ::testing::AssertionSuccess();
}

TEST_F(EditFieldTest, ViewKeysStepThroughTheTabsInScreenOrderAsClicksDo)
{
    const std::vector<TabKind> order = TabsInScreenOrder();
    SelectEntry(FORM_ENTRY);
    const std::string text = ComboText();
    for (int from = 0; from < TAB_COUNT; ++from)
        for (const ViewKey &key : viewKeys) {
            const TabKind to = order[(size_t)((from + key.step + TAB_COUNT) % TAB_COUNT)];
            SCOPED_TRACE(::testing::Message() << key.name << " from tab " << order[(size_t)from]);
            ClickTab(order[(size_t)from]);
            ClickTab(to);
            const Capture clicked = CaptureWithoutCaret(edit);
            ClickTab(order[(size_t)from]);
            PressWithModifiers(key.virtualKey, true, key.shift);
            EXPECT_EQ(CurrentView(), to) << key.name << " shows the wrong view";
            EXPECT_EQ(ListBoxVisible(), to == TAB_MOVES || to == TAB_MACHINES);
            EXPECT_TRUE(SameWindow(clicked, CaptureWithoutCaret(edit)));
            EXPECT_EQ(GetFocus(), edit) << key.name << " took the keyboard from the entry box";
        }
    EXPECT_EQ(ComboText(), text) << "a view key changed the entry box's text";
    EXPECT_EQ(charsReached, std::vector<WPARAM>()) << "a view key typed into the entry box";

    /* Without Ctrl, or with Alt or Shift as well, the keys stay the field's: the view stays. */
    ClickTab(TAB_MOVES);
    PressWithModifiers(VK_TAB, false, false);
    PressWithModifiers(VK_NEXT, false, false);
    PressWithModifiers(VK_PRIOR, false, true);
    PressWithModifiers(VK_TAB, true, false, true);
    PressWithModifiers(VK_NEXT, true, true);
    EXPECT_EQ(CurrentView(), TAB_MOVES);

    /* A click on a row gives the list box the focus: the keys still step through the views from there. */
    RECT row = {};
    SendMessageA(app.moveListBox, LB_GETITEMRECT, 0, (LPARAM)&row);
    SendMessageA(app.moveListBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.left + 2, row.top + 2));
    SendMessageA(app.moveListBox, WM_LBUTTONUP, 0, MAKELPARAM(row.left + 2, row.top + 2));
    PumpMessages();
    ASSERT_EQ(GetFocus(), app.moveListBox);
    PressWithModifiers(VK_NEXT, true, false);
    EXPECT_EQ(CurrentView(), TAB_MACHINES) << "Ctrl+PageDown in the list box";
    PressWithModifiers(VK_TAB, true, false);
    EXPECT_EQ(CurrentView(), TAB_EVOLUTION) << "Ctrl+Tab in the list box";
}

TEST_F(EditFieldTest, AViewKeyClosesTheDroppedListKeepingTheEntryItSelects)
{
    const std::vector<TabKind> order = TabsInScreenOrder();
    const char letter = entryName[FORM_ENTRY][0];
    const int picked = FirstEntryBeginningWith(letter);
    for (int from = 0; from < TAB_COUNT; ++from) {
        const ViewKey &key = viewKeys[(size_t)from];
        const TabKind to = order[(size_t)((from + key.step + TAB_COUNT) % TAB_COUNT)];
        SCOPED_TRACE(::testing::Message() << key.name << " from tab " << order[(size_t)from]);
        /* The user picks by typing in the dropped list, closes it with F4 and clicks the tab. */
        Capture clicked;
        for (bool withKey : {false, true}) {
            SelectEntry(ENTRY_COUNT - 1);
            ClickTab(order[(size_t)from]);
            PressKey(VK_F4, 0);
            ASSERT_TRUE(ListDropped());
            SendMessageA(edit, EM_SETSEL, 0, -1);
            PressKey(VkKeyScanA(letter) & 0xFF, (WPARAM)(unsigned char)letter);
            if (withKey) {
                PressWithModifiers(key.virtualKey, true, key.shift);
            } else {
                PressKey(VK_F4, 0);
                ClickTab(to);
                clicked = CaptureWithoutCaret(edit);
            }
        }
        EXPECT_FALSE(ListDropped()) << key.name << " left the list dropped";
        EXPECT_EQ(SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0), picked);
        EXPECT_EQ(app.EntryIndex, (unsigned)picked) << key.name << " lost the entry the list selected";
        EXPECT_EQ(CurrentView(), to);
        EXPECT_TRUE(SameWindow(clicked, CaptureWithoutCaret(edit)));
        EXPECT_EQ(GetFocus(), edit);
    }
}

TEST_F(EditFieldTest, LetterTypedInTheDroppedListShowsTheEntryTheListSelects)
{
    /* The first entry's initial, and another initial whose first entry comes later. */
    char later = 0;
    for (int entry = 1; entry < ENTRY_COUNT && !later; ++entry)
        if (FirstEntryBeginningWith(entryName[entry][0]) == entry)
            later = entryName[entry][0];
    ASSERT_NE(later, 0);
    for (TabKind view : {TAB_INFO, TAB_MOVES}) {
        for (char letter : {(char)tolower((unsigned char)entryName[0][0]), later}) {
            const int expected = FirstEntryBeginningWith(letter);
            SCOPED_TRACE(::testing::Message() << "view " << view << ", letter " << letter);
            SelectEntry(ENTRY_COUNT - 1);
            ClickTab(view);
            PressKey(VK_F4, 0);
            ASSERT_TRUE(ListDropped());
            SendMessageA(edit, EM_SETSEL, 0, -1);
            PressKey(VkKeyScanA(letter) & 0xFF, (WPARAM)(unsigned char)letter);
            /* The letter, and the rest of the name the list selects proposed after it. */
            ASSERT_EQ(ComboText(), std::string(1, letter) + (entryName[expected] + 1));
            ASSERT_EQ(SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0), expected);
            EXPECT_EQ(app.EntryIndex, (unsigned)expected)
                << "the viewer does not show the entry the list selects";
            EXPECT_TRUE(HeaderShowsPicture((unsigned short)(IDB_PICTURE_BASE + expected)));
            if (view == TAB_MOVES) {
                EXPECT_EQ(ListBoxLines(), ListElements(moveListText[EntrySlot(expected)]));
            }
            PressKey(VK_ESCAPE, 0x1B);
            ASSERT_FALSE(ListDropped());
        }
    }
}

using ListTest = ViewerTest;

TEST_F(ListTest, MovesViewShowsEveryElementOfTheEntrysList)
{
    ClickTab(TAB_MOVES);
    for (unsigned entry : {0u, 1u, 57u, 105u, 106u}) {
        SelectEntry(entry);
        std::vector<std::string> lines = ListBoxLines();
        EXPECT_EQ(lines, ListElements(moveListText[EntrySlot(entry)])) << entry;
        EXPECT_GE(lines.size(), 2u);
    }
}

TEST_F(ListTest, MachinesViewShowsLabelsSeparatorAndHmLabels)
{
    int withHms = -1, withoutDivider = -1, withoutMachines = -1;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        const char *list = machineListText[EntrySlot(entry)];
        const char *divider = strstr(list, "-;");
        if (strcmp(list, "-;") == 0)
            withoutMachines = entry;
        else if (!divider)
            withoutDivider = entry;
        else if (divider[2] != '\0' && divider != list)
            withHms = entry;
    }
    ASSERT_GE(withHms, 0);
    ASSERT_GE(withoutDivider, 0);
    ASSERT_GE(withoutMachines, 0);

    ClickTab(TAB_MACHINES);
    for (int entry : {withHms, withoutDivider, withoutMachines}) {
        SCOPED_TRACE(entry);
        SelectEntry(entry);
        std::vector<std::string> lines = ListBoxLines();
        EXPECT_EQ(lines, ExpectedMachineLines(machineListText[EntrySlot(entry)]));
        EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(34, '-')), 1);
    }
    SelectEntry(withoutMachines);
    EXPECT_EQ(ListBoxLines(), std::vector<std::string>{std::string(34, '-')});
}

TEST_F(ListTest, FormClicksCycleTheMoveListsInTheMovesView)
{
    SelectEntry(FORM_ENTRY);
    ClickTab(TAB_MOVES);
    EXPECT_EQ(ListBoxLines(), ListElements(formMoveListText[0]));
    for (int click = 1; click <= 3; ++click) {
        ClickFormButton();
        EXPECT_EQ(app.FormIndex, click % 3);
        EXPECT_EQ(ListBoxLines(), ListElements(formMoveListText[click % 3])) << click;
        EXPECT_EQ(ListBoxLines().size(), 12u);
    }
    EXPECT_NE(ListElements(formMoveListText[1]), ListElements(formMoveListText[0]));
    EXPECT_NE(ListElements(formMoveListText[2]), ListElements(formMoveListText[1]));
}

/* The user's place in the list: the scroll bar's thumb dragged to the top line, then a row clicked
   (row -1: none). */
static void ScrollAndClickRow(int top, int row)
{
    SendMessageA(app.moveListBox, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, top), 0);
    int rowHeight = (int)SendMessageA(app.moveListBox, LB_GETITEMHEIGHT, 0, 0);
    if (row < 0) {
        PumpMessages();
        return;
    }
    LPARAM point = MAKELPARAM(30, (row - top) * rowHeight + rowHeight / 2);
    SendMessageA(app.moveListBox, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(app.moveListBox, WM_LBUTTONUP, 0, point);
    PumpMessages();
}

static bool ListPlaceIs(int top, int row)
{
    return SendMessageA(app.moveListBox, LB_GETTOPINDEX, 0, 0) == top &&
           SendMessageA(app.moveListBox, LB_GETCURSEL, 0, 0) == row;
}

static int VisibleRows()
{
    RECT client;
    GetClientRect(app.moveListBox, &client);
    return client.bottom / (int)SendMessageA(app.moveListBox, LB_GETITEMHEIGHT, 0, 0);
}

/* The entry with the most lines in a list view, so that its list scrolls. */
static int EntryWithTheLongestList(TabKind view)
{
    int longest = 0;
    size_t most = 0;
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        size_t lines = view == TAB_MOVES ? ListElements(moveListText[EntrySlot(entry)]).size()
                                         : ExpectedMachineLines(machineListText[EntrySlot(entry)]).size();
        if (entry != FORM_ENTRY && lines > most) {
            most = lines;
            longest = entry;
        }
    }
    return longest;
}

TEST_F(ListTest, NotificationsKeepThePlaceInTheSameListAndAnotherListStartsAtTheTop)
{
    const int notifications[] = {CBN_SETFOCUS, CBN_KILLFOCUS, CBN_DROPDOWN, CBN_CLOSEUP, CBN_SELENDCANCEL};
    for (TabKind view : {TAB_MOVES, TAB_MACHINES}) {
        const int entry = EntryWithTheLongestList(view);
        SelectEntry(entry);
        ClickTab(view);
        /* The clicked row in sight, and scrolled out of it above and below: the list scrolled down
           by up to three lines, as far as it goes. */
        const int top = std::min(3, (int)ListBoxLines().size() - VisibleRows());
        ASSERT_GE(top, 1) << view;
        const int lastInSight = top + VisibleRows() - 1;
        for (int notification : notifications) {
            SCOPED_TRACE(::testing::Message() << "view " << view << ", notification " << notification);
            ScrollAndClickRow(top, 5);
            SendComboNotification(notification);
            EXPECT_TRUE(ListPlaceIs(top, 5)) << "the list lost the user's place";
            ScrollAndClickRow(0, 0);
            ScrollAndClickRow(top, -1);
            SendComboNotification(notification);
            EXPECT_TRUE(ListPlaceIs(top, 0)) << "the list scrolled back to its clicked row above";
            ScrollAndClickRow(top, lastInSight);
            ScrollAndClickRow(0, -1);
            SendComboNotification(notification);
            EXPECT_TRUE(ListPlaceIs(0, lastInSight)) << "the list scrolled down to its clicked row below";
        }
        /* Another entry, and the same list again from its tab, start at the top. */
        SelectEntry((entry + 1) % ENTRY_COUNT);
        EXPECT_TRUE(ListPlaceIs(0, LB_ERR)) << view;
        ScrollAndClickRow(3, 5);
        ClickTab(view);
        EXPECT_TRUE(ListPlaceIs(0, LB_ERR)) << view;
    }
    /* So does another form: at once in the moves view, at the next refill in the machines view. */
    SelectEntry(FORM_ENTRY);
    ClickTab(TAB_MOVES);
    ScrollAndClickRow(3, 5);
    ClickFormButton();
    EXPECT_TRUE(ListPlaceIs(0, LB_ERR)) << "another form's moves kept the last form's place";
    ClickTab(TAB_MACHINES);
    ScrollAndClickRow(3, 5);
    ClickFormButton();
    SendComboNotification(CBN_SETFOCUS);
    EXPECT_TRUE(ListPlaceIs(0, LB_ERR)) << "the machines list kept its place past a change of form";
}

TEST_F(ListTest, RefillAfterAChangeOfViewStartsAtTheTop)
{
    /* Each click on a list's tab fills it from the top, so the filler is asked itself: the place in one
       list, then a refill with the view switched to the other list and back, as the tabs set it. */
    SelectEntry(FORM_ENTRY);
    ClickTab(TAB_MOVES);
    ScrollAndClickRow(3, 5);
    app.movesView = 0;
    app.machinesView = 1;
    RefillMoveList();
    EXPECT_EQ(ListBoxLines(), ExpectedMachineLines(machineListText[EntrySlot(FORM_ENTRY)]));
    EXPECT_TRUE(ListPlaceIs(0, LB_ERR)) << "the machines list took the place of the moves list";
    ScrollAndClickRow(3, 5);
    app.movesView = 1;
    app.machinesView = 0;
    RefillMoveList();
    EXPECT_EQ(ListBoxLines(), ListElements(formMoveListText[0]));
    EXPECT_TRUE(ListPlaceIs(0, LB_ERR)) << "the moves list took the place of the machines list";
}

TEST_F(ListTest, FormClicksLeaveTheMachinesListAlone)
{
    SelectEntry(FORM_ENTRY);
    ClickTab(TAB_MACHINES);
    std::vector<std::string> machines = ListBoxLines();
    ASSERT_EQ(machines, ExpectedMachineLines(machineListText[EntrySlot(FORM_ENTRY)]));
    for (int click = 1; click <= 3; ++click) {
        ClickFormButton();
        EXPECT_EQ(ListBoxLines(), machines);
    }
    EXPECT_EQ(app.FormIndex, 0);
}

TEST_F(ListTest, ReturningToTheFormEntryShowsTheLastForm)
{
    SelectEntry(FORM_ENTRY);
    ClickFormButton();
    ClickFormButton();
    SelectEntry(3);
    ClickTab(TAB_MOVES);
    SelectEntry(FORM_ENTRY);
    EXPECT_EQ(app.FormIndex, 2);
    EXPECT_EQ(ListBoxLines(), ListElements(formMoveListText[2]));
    /* Other entries are untouched by the form. */
    SelectEntry(FORM_ENTRY + 1);
    EXPECT_EQ(ListBoxLines(), ListElements(moveListText[EntrySlot(FORM_ENTRY + 1)]));
}

TEST_F(ListTest, FillingWithNeitherListViewCurrentLeavesTheListBoxEmpty)
{
    for (TabKind drawnView : {TAB_INFO, TAB_EVOLUTION}) {
        SCOPED_TRACE(drawnView);
        ClickTab(TAB_MOVES);
        ASSERT_FALSE(ListBoxLines().empty());
        ClickTab(drawnView);
        FillMoveList();
        EXPECT_EQ(ListBoxLines(), std::vector<std::string>());
        EXPECT_FALSE(ListBoxVisible());
    }
}

TEST_F(ListTest, FormNotificationsOtherThanAClickDoNotAdvance)
{
    SelectEntry(FORM_ENTRY);
    SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_FORM_BUTTON, BN_SETFOCUS),
                 (LPARAM)app.formButton);
    SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_FORM_BUTTON, BN_KILLFOCUS),
                 (LPARAM)app.formButton);
    PumpMessages();
    EXPECT_EQ(app.FormIndex, 0);
}
