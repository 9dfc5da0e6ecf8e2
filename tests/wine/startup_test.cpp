/* Start-up of the real window: class, frame, controls, the combo box's items, the font,
   the failure paths and the exit code, read back through Win32. */
#include "harness.h"

#include "app/startup.h"
#include "app/window_proc.h"
#include "catalogue/catalogue.h"
#include "resource.h"
#include "state/app_state.h"

#include <string.h>

#include <string>
#include <vector>

static std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

static std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

static RECT ClientRectOfChild(HWND child)
{
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(NULL, app.mainWindow, (POINT *)&rect, 2);
    return rect;
}

/* Other test processes run beside this one on the same Wine desktop: look only at this thread's windows. */
struct ClassSearch {
    const char *className;
    HWND found;
};

static BOOL CALLBACK MatchClass(HWND window, LPARAM lParam)
{
    ClassSearch *search = (ClassSearch *)lParam;
    if (ClassOf(window) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND FindThreadWindow(const char *className)
{
    ClassSearch search = {className, NULL};
    EnumThreadWindows(GetCurrentThreadId(), MatchClass, (LPARAM)&search);
    return search.found;
}

using StartupTest = ViewerTest;

TEST_F(StartupTest, MainWindowHasFixedFrameTitleAndPlace)
{
    char className[64] = {};
    GetClassNameA(app.mainWindow, className, sizeof className);
    EXPECT_STREQ(className, "Zoravel 4th by tobrik");
    EXPECT_EQ(TextOf(app.mainWindow), "Zoravel 4th 2.0");

    LONG style = GetWindowLongA(app.mainWindow, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(GetWindowLongA(app.mainWindow, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);

    RECT outer;
    GetWindowRect(app.mainWindow, &outer);
    EXPECT_EQ(outer.left, 250);
    EXPECT_EQ(outer.top, 20);
    EXPECT_EQ(outer.right - outer.left, 309);
    EXPECT_EQ(outer.bottom - outer.top, 495);
    EXPECT_TRUE(IsWindowVisible(app.mainWindow));
}

TEST_F(StartupTest, ClassRecordAsRegistered)
{
    EXPECT_EQ(GetClassLongPtrA(app.mainWindow, GCL_STYLE), (ULONG_PTR)(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(GetClassLongPtrA(app.mainWindow, GCLP_HBRBACKGROUND), (ULONG_PTR)GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetClassLongPtrA(app.mainWindow, GCL_CBCLSEXTRA), 0u);
    EXPECT_EQ(GetClassLongPtrA(app.mainWindow, GCL_CBWNDEXTRA), 0u);
    EXPECT_EQ(GetClassLongPtrA(app.mainWindow, GCLP_HCURSOR), (ULONG_PTR)LoadCursorA(NULL, IDC_ARROW));
    EXPECT_EQ(GetClassLongPtrA(app.mainWindow, GCLP_HICON),
              (ULONG_PTR)LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_MAIN)));
    EXPECT_NE(GetClassLongPtrA(app.mainWindow, GCLP_HICON), 0u);
    EXPECT_EQ(GetWindowLongPtrA(app.mainWindow, GWLP_WNDPROC), (LONG_PTR)MainWndProc);
}

/* What the program asked for when it created each child, recorded by a CBT hook. */
struct Creation {
    std::string className;
    std::string text;
    LONG style;
    RECT place;
    int id;
};
static std::vector<Creation> creations;
static HHOOK creationHook;

static LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA *create = ((CBT_CREATEWNDA *)lParam)->lpcs;
        if (create->hwndParent == app.mainWindow && app.mainWindow && HIWORD(create->lpszClass) != 0) {
            Creation creation = {
                create->lpszClass,
                create->lpszName ? create->lpszName : "",
                create->style,
                {create->x, create->y, create->x + create->cx, create->y + create->cy},
                (int)(INT_PTR)create->hMenu
            };
            creations.push_back(creation);
        }
    }
    (void)wParam;
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

struct ExpectedControl {
    int id;
    const char *className;
    LONG style;
    RECT place;
    bool visible;
    const char *text;
};

TEST_F(StartupTest, ChildControlsHaveTheirIdsStylesAndPlaces)
{
    StopViewer();
    creations.clear();
    creationHook = SetWindowsHookExA(WH_CBT, RecordCreation, NULL, GetCurrentThreadId());
    StartViewer();
    UnhookWindowsHookEx(creationHook);

    const ExpectedControl controls[] = {
        {IDC_ENTRY_COMBO, "COMBOBOX", 0x50200002, {120, 33, 240, 233},  true,  ""  },
        {IDC_MOVE_LIST,   "LISTBOX",  0x40200000, {31, 292, 271, 422},  false, ""  },
        {IDC_FORM_BUTTON, "BUTTON",   0x40000000, {215, 150, 240, 175}, false, ">>"},
    };
    ASSERT_EQ(creations.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const ExpectedControl &expected = controls[i];
        const Creation &created = creations[i];
        SCOPED_TRACE(expected.className);
        EXPECT_EQ(created.className, expected.className);
        EXPECT_EQ(created.text, expected.text);
        EXPECT_EQ(created.style, expected.style);
        EXPECT_EQ(created.id, expected.id);
        EXPECT_TRUE(EqualRect(&created.place, &expected.place));

        HWND control = GetDlgItem(app.mainWindow, expected.id);
        ASSERT_NE(control, (HWND)NULL);
        EXPECT_EQ(_stricmp(ClassOf(control).c_str(), expected.className), 0) << ClassOf(control);
        /* The controls move WS_VSCROLL to where a scroll bar shows; the rest of the style stays. */
        EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & ~WS_VSCROLL, expected.style & ~WS_VSCROLL);
        RECT place = ClientRectOfChild(control);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right - place.left, expected.place.right - expected.place.left);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, expected.visible);
    }
    EXPECT_EQ(TextOf(app.formButton), ">>");
    EXPECT_EQ(GetDlgItem(app.mainWindow, IDC_ENTRY_COMBO), app.entryCombo);
    EXPECT_EQ(GetDlgItem(app.mainWindow, IDC_MOVE_LIST), app.moveListBox);
    EXPECT_EQ(GetDlgItem(app.mainWindow, IDC_FORM_BUTTON), app.formButton);
}

TEST_F(StartupTest, ComboListsEveryNameInCatalogueOrderWithTheFirstShown)
{
    ASSERT_EQ(SendMessageA(app.entryCombo, CB_GETCOUNT, 0, 0), ENTRY_COUNT);
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        char item[64] = {};
        ASSERT_LT(SendMessageA(app.entryCombo, CB_GETLBTEXTLEN, entry, 0), (LRESULT)sizeof item);
        SendMessageA(app.entryCombo, CB_GETLBTEXT, entry, (LPARAM)item);
        EXPECT_STREQ(item, entryName[entry]) << "item " << entry;
    }
    EXPECT_EQ(SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(TextOf(app.entryCombo), entryName[0]);
}

TEST_F(StartupTest, StateAfterStartIsTheInfoViewOfTheFirstEntry)
{
    EXPECT_EQ(app.EntryIndex, 0u);
    EXPECT_EQ(app.FormIndex, 0);
    EXPECT_EQ(app.infoView, 1);
    EXPECT_EQ(app.evolutionView + app.movesView + app.machinesView, 0);
    EXPECT_EQ(app.instance, GetModuleHandleA(NULL));
    EXPECT_EQ(app.mainWindow, FindThreadWindow("Zoravel 4th by tobrik"));
}

TEST_F(StartupTest, TextFontIsArialForCentralEuropeanText)
{
    ASSERT_NE(app.textFont, (HFONT)NULL);
    LOGFONTA font = {};
    ASSERT_EQ(GetObjectA(app.textFont, sizeof font, &font), (int)sizeof font);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    EXPECT_EQ(font.lfCharSet, EASTEUROPE_CHARSET);
    EXPECT_EQ(font.lfHeight, 0);
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfItalic | font.lfUnderline | font.lfStrikeOut, 0);
    /* The controls keep the system font. */
    EXPECT_NE((HFONT)SendMessageA(app.entryCombo, WM_GETFONT, 0, 0), app.textFont);
}

TEST_F(StartupTest, ClosingTheWindowQuitsWithExitCodeZero)
{
    SendMessageA(app.mainWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(app.mainWindow));
    EXPECT_EQ(PumpMessages(), 0);
}

/* The failure paths run the whole program; a timer inside the box's own loop answers it. */
static std::string seenCaption, seenText;
static HHOOK boxHook;

static BOOL CALLBACK CollectStaticText(HWND child, LPARAM)
{
    char text[256] = {};
    if (_stricmp(ClassOf(child).c_str(), "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
        seenText = text;
    return TRUE;
}

static BOOL CALLBACK AnswerBoxOfThisThread(HWND window, LPARAM)
{
    if (ClassOf(window) == "#32770" && GetWindowThreadProcessId(window, NULL) == GetCurrentThreadId()) {
        seenCaption = TextOf(window);
        EnumChildWindows(window, CollectStaticText, 0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

static void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (EnumWindows(AnswerBoxOfThisThread, 0) && !seenCaption.empty())
        KillTimer(NULL, timer);
}

TEST(StartupFailure, ClassAlreadyRegisteredShowsTheErrorBoxAndExitsWithZero)
{
    WNDCLASSA taken = {};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(NULL);
    taken.lpszClassName = "Zoravel 4th by tobrik";
    ASSERT_NE(RegisterClassA(&taken), 0);
    seenCaption.clear();
    seenText.clear();
    UINT_PTR timer = SetTimer(NULL, 0, 100, AnswerMessageBox);

    int exitCode = RunZoravel(GetModuleHandleA(NULL), SW_SHOWNORMAL);

    KillTimer(NULL, timer);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(seenCaption, "Zoravel 4th by tobrik");
    EXPECT_EQ(seenText, "This program requires Windows NT!");
    EXPECT_EQ(app.mainWindow, (HWND)NULL);
    EXPECT_EQ(FindThreadWindow("Zoravel 4th by tobrik"), (HWND)NULL);
    UnregisterClassA("Zoravel 4th by tobrik", GetModuleHandleA(NULL));
    app = AppState();
}

static LRESULT CALLBACK RefuseMainWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        return 1;
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

TEST(StartupFailure, NoMainWindowExitsNonZeroWithoutAMessageLoop)
{
    /* Were the loop entered, this quit message would end it with 77. */
    PostQuitMessage(77);
    boxHook = SetWindowsHookExA(WH_CBT, RefuseMainWindow, NULL, GetCurrentThreadId());
    int exitCode = RunZoravel(GetModuleHandleA(NULL), SW_SHOWNORMAL);
    UnhookWindowsHookEx(boxHook);
    EXPECT_EQ(exitCode, EXIT_NO_WINDOW);
    EXPECT_NE(exitCode, 0);
    EXPECT_EQ(PumpMessages(), 77);
    UnregisterClassA("Zoravel 4th by tobrik", GetModuleHandleA(NULL));
    app = AppState();
}

static void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(NULL, timer);
    PostMessageA(FindThreadWindow("Zoravel 4th by tobrik"), WM_CLOSE, 0, 0);
}

TEST(WholeRun, ProgramRunsUntilClosedAndReturnsZero)
{
    SetTimer(NULL, 0, 300, CloseMainWindow);
    int exitCode = RunZoravel(GetModuleHandleA(NULL), SW_SHOWNORMAL);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(app.mainWindow));
    UnregisterClassA("Zoravel 4th by tobrik", GetModuleHandleA(NULL));
    app = AppState();
}
