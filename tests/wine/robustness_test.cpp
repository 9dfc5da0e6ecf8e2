/* The real window under abuse: a long run of random messages checked against what a user sees,
   a soak that must not grow GDI objects or device contexts, and painting with every bitmap missing. */
#include "harness.h"

#include "expected_layout.h"
#include "expected_panels.h"

#include "catalogue/catalogue.h"
#include "draw/picture.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include <windowsx.h>

#include <string>
#include <vector>

/* xorshift64*: small, fast and the same on every run with the same seed. */
struct Random {
    uint64_t state;
    uint32_t Next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return (uint32_t)((state * 0x2545F4914F6CDD1DULL) >> 32);
    }
    uint32_t Below(uint32_t bound)
    {
        return Next() % bound;
    }
};

/* Every run plays the same sequence; ZORAVEL_FUZZ_SEED chooses another one, or replays a failure. */
static const uint64_t FUZZ_SEED = 0x20261209A11CE5EDULL;

static uint64_t PickSeed()
{
    const char *chosen = getenv("ZORAVEL_FUZZ_SEED");
    if (chosen && *chosen)
        return strtoull(chosen, NULL, 0);
    return FUZZ_SEED;
}

static double Seconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

/* The hit rectangles in the order the window tests them, with the view each one selects. */
struct TabHit {
    RECT hit;
    TabKind tab;
};
static const TabHit tabHits[TAB_COUNT] = {
    {ExpectedTabRect(TAB_INFO),      TAB_INFO     },
    {ExpectedTabRect(TAB_EVOLUTION), TAB_EVOLUTION},
    {ExpectedTabRect(TAB_MOVES),     TAB_MOVES    },
    {ExpectedTabRect(TAB_MACHINES),  TAB_MACHINES },
};

static HWND ComboEdit()
{
    return GetWindow(app.entryCombo, GW_CHILD);
}

/* A pixel of each tab where its pressed and raised images differ, read from the bitmaps themselves:
   the window shows one of the two there, and which one says whether the tab is pressed. */
struct TabProbe {
    POINT at;
    COLORREF pressed, raised;
};

static COLORREF BitmapPixel(unsigned short id, int x, int y)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id));
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ bitmapOld = SelectObject(memory, bitmap);
    COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, bitmapOld);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return colour;
}

static bool FindTabProbe(int tab, TabProbe &probe)
{
    const ExpectedTab &place = expectedTab[tab];
    for (int y = 0; y < EXPECTED_TAB_HEIGHT / 2; ++y)
        for (int x = 0; x < EXPECTED_TAB_WIDTH / 2; ++x) {
            COLORREF on = BitmapPixel(place.imageOn, x, y), off = BitmapPixel(place.imageOff, x, y);
            if (on != off && on != CLR_INVALID && off != CLR_INVALID) {
                probe = {
                    {place.x + 2 * x, place.y + 2 * y},
                    on, off
                };
                return true;
            }
        }
    return false;
}

static TabProbe tabProbe[TAB_COUNT];
static long tabChecks; /* checks made with no repaint pending, which look at the tabs too */

/* Empty when the window holds every rule a user can see, else the first one broken. */
static std::string CheckWindow()
{
    char problem[256] = "";
    const int flags[TAB_COUNT] = {app.infoView, app.movesView, app.machinesView, app.evolutionView};
    int setTab = -1, setCount = 0;
    for (int tab = 0; tab < TAB_COUNT; ++tab) {
        if (flags[tab] != 0 && flags[tab] != 1)
            setCount = TAB_COUNT + 1;
        if (flags[tab] == 1) {
            setTab = tab;
            ++setCount;
        }
    }
    const LRESULT selection = SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0);
    const bool listView = setTab == TAB_MOVES || setTab == TAB_MACHINES;
    if (!IsWindow(app.mainWindow) || !IsWindow(app.entryCombo) || !IsWindow(app.moveListBox) ||
        !IsWindow(app.formButton))
        snprintf(problem, sizeof problem, "a window is gone");
    else if (setCount != 1)
        snprintf(problem, sizeof problem, "view flags info %d, moves %d, machines %d, evolution %d", flags[0],
                 flags[1], flags[2], flags[3]);
    else if (ListBoxVisible() != listView)
        snprintf(problem, sizeof problem, "list box %s in view %d", ListBoxVisible() ? "shown" : "hidden",
                 setTab);
    else if (app.EntryIndex >= (unsigned)ENTRY_COUNT)
        snprintf(problem, sizeof problem, "EntryIndex %u", app.EntryIndex);
    else if (selection != CB_ERR && (LRESULT)app.EntryIndex != selection)
        snprintf(problem, sizeof problem, "EntryIndex %u while the combo box selects %d", app.EntryIndex,
                 (int)selection);
    else if (app.FormIndex < 0 || app.FormIndex >= FORM_COUNT)
        snprintf(problem, sizeof problem, "FormIndex %d", app.FormIndex);
    else if (FormButtonVisible() != (app.EntryIndex == FORM_ENTRY))
        snprintf(problem, sizeof problem, "form button %s on entry %u",
                 FormButtonVisible() ? "shown" : "hidden", app.EntryIndex);
    else if (pictureBitmap || pictureDc || pictureDcOldBitmap)
        snprintf(problem, sizeof problem, "a picture stayed loaded");
    /* A repaint still pending may have erased the tabs already (hiding the list box erases at once). */
    const bool painted = GetUpdateRect(app.mainWindow, NULL, FALSE) == FALSE;
    tabChecks += painted && !problem[0];
    for (int tab = 0; tab < TAB_COUNT && painted && !problem[0]; ++tab) {
        COLORREF seen = PixelAt(tabProbe[tab].at.x, tabProbe[tab].at.y);
        COLORREF expected = tab == setTab ? tabProbe[tab].pressed : tabProbe[tab].raised;
        if (seen != expected)
            snprintf(problem, sizeof problem,
                     "tab %d shows 0x%06lx at (%ld,%ld) in view %d, pressed 0x%06lx, raised 0x%06lx", tab,
                     (unsigned long)seen, tabProbe[tab].at.x, tabProbe[tab].at.y, setTab,
                     (unsigned long)tabProbe[tab].pressed, (unsigned long)tabProbe[tab].raised);
    }
    return problem;
}

/* Message kinds of the fuzzer. */
enum FuzzKind {
    FUZZ_COMMAND,
    FUZZ_BUTTON_UP,
    FUZZ_FORM_CLICK,
    FUZZ_COMBO_PICK,
    FUZZ_TYPING,
    FUZZ_REPAINT,
    FUZZ_KINDS
};
/* Redrawing messages are the slow ones under Wine (a refilled list box above all): they are kept
   rarer, and the list views are entered less often than the drawn views, to run fast. */
static const int fuzzWeight[FUZZ_KINDS] = {590, 335, 20, 30, 20, 5}; /* out of 1000 */
/* Chance in 100 that an aimed click goes to each tab, in the order of tabHits. */
static const int tabAimWeight[TAB_COUNT] = {48, 48, 2, 2};
/* Queued paints (the form button's repaint, the list box's) are let through this often: a user
   clicking faster than the window repaints gets the same coalesced paints. */
static const int PUMP_EVERY = 8;
static const char *const fuzzName[FUZZ_KINDS] = {"WM_COMMAND", "WM_LBUTTONUP", "form click",
                                                 "combo pick", "WM_CHAR",      "repaint"};

static const int FUZZ_ACTIONS = 100000;

/* ZORAVEL_FUZZ_ACTIONS overrides the length of the run, for longer hunts. */
static int FuzzActions()
{
    const char *count = getenv("ZORAVEL_FUZZ_ACTIONS");
    return count && *count ? atoi(count) : FUZZ_ACTIONS;
}

static const int comboNotifications[] = {CBN_SELCHANGE,  CBN_DBLCLK,      CBN_SETFOCUS, CBN_KILLFOCUS,
                                         CBN_EDITCHANGE, CBN_EDITUPDATE,  CBN_DROPDOWN, CBN_CLOSEUP,
                                         CBN_SELENDOK,   CBN_SELENDCANCEL};
static const int COMBO_NOTIFICATION_COUNT = sizeof comboNotifications / sizeof comboNotifications[0];

struct Fuzzer {
    Random random;
    long messages;

    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        ++messages;
        return SendMessageA(window, message, wParam, lParam);
    }

    int Notification()
    {
        switch (random.Below(3)) {
        case 0:
            return comboNotifications[random.Below(COMBO_NOTIFICATION_COUNT)];
        case 1:
            return (int)random.Below(16);
        default:
            return (int)random.Below(0x10000);
        }
    }

    void Command()
    {
        static const int knownIds[] = {IDC_ENTRY_COMBO, IDC_MOVE_LIST, IDC_FORM_BUTTON, 0, 1, 2, 1001, 1005};
        int id = random.Below(4) ? (int)random.Below(0x10000) : knownIds[random.Below(8)];
        int notification = Notification();
        HWND controls[] = {app.entryCombo, app.moveListBox, app.formButton, NULL};
        LPARAM lParam = random.Below(4) ? (LPARAM)controls[random.Below(4)] : (LPARAM)random.Next();
        Send(app.mainWindow, WM_COMMAND, MAKEWPARAM(id, notification), lParam);
    }

    void ButtonUp()
    {
        LPARAM lParam;
        if (random.Below(4)) {
            lParam = (LPARAM)random.Next();
        } else {
            /* Around a tab, edges and a little outside included. */
            int roll = (int)random.Below(100), aim = 0;
            while (roll >= tabAimWeight[aim])
                roll -= tabAimWeight[aim++];
            const RECT &hit = tabHits[aim].hit;
            int x = hit.left - 2 + (int)random.Below(hit.right - hit.left + 4);
            int y = hit.top - 2 + (int)random.Below(hit.bottom - hit.top + 4);
            lParam = MAKELPARAM(x, y);
        }
        Send(app.mainWindow, WM_LBUTTONUP, 0, lParam);
    }

    void FormClick()
    {
        /* The real button only while it is shown; the command it sends on any entry. */
        if (FormButtonVisible() && random.Below(2))
            Send(app.formButton, BM_CLICK, 0, 0);
        else
            Send(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_FORM_BUTTON, BN_CLICKED), (LPARAM)app.formButton);
    }

    void ComboPick()
    {
        int item;
        switch (random.Below(5)) {
        case 0:
            item = CB_ERR;
            break;
        case 1:
            item = FORM_ENTRY;
            break;
        case 2:
            item = ENTRY_COUNT + (int)random.Below(200);
            break;
        default:
            item = (int)random.Below(ENTRY_COUNT);
            break;
        }
        Send(app.entryCombo, CB_SETCURSEL, (WPARAM)item, 0);
        if (random.Below(4) == 0) {
            for (int notification : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}) {
                Send(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ENTRY_COMBO, notification),
                     (LPARAM)app.entryCombo);
            }
        } else {
            int notification = comboNotifications[random.Below(COMBO_NOTIFICATION_COUNT)];
            Send(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ENTRY_COMBO, notification),
                 (LPARAM)app.entryCombo);
        }
    }

    static const char CTRL_C = 0x03, CTRL_V = 0x16, CTRL_X = 0x18;

    void Typing()
    {
        static const char keys[] = "abcxyzAQ09 ;-.\xea\x9c\xbf\xb9\xa3\x8c\b\b\b\r\x1b";
        HWND edit = ComboEdit();
        char key = random.Below(8) ? keys[random.Below(sizeof keys - 1)] : (char)random.Below(256);
        /* Copy, paste and cut would reach the desktop's clipboard, outside this process. */
        if (key == CTRL_C || key == CTRL_V || key == CTRL_X)
            key = 'k';
        Send(edit, WM_CHAR, (WPARAM)(unsigned char)key, 1);
    }

    void Repaint()
    {
        ++messages;
        InvalidateRect(app.mainWindow, NULL, TRUE);
        UpdateWindow(app.mainWindow);
    }

    FuzzKind Pick()
    {
        int roll = (int)random.Below(1000);
        for (int kind = 0; kind < FUZZ_KINDS; ++kind) {
            if (roll < fuzzWeight[kind])
                return (FuzzKind)kind;
            roll -= fuzzWeight[kind];
        }
        return FUZZ_COMMAND;
    }

    void Run(FuzzKind kind)
    {
        switch (kind) {
        case FUZZ_COMMAND:
            Command();
            break;
        case FUZZ_BUTTON_UP:
            ButtonUp();
            break;
        case FUZZ_FORM_CLICK:
            FormClick();
            break;
        case FUZZ_COMBO_PICK:
            ComboPick();
            break;
        case FUZZ_TYPING:
            Typing();
            break;
        default:
            Repaint();
            break;
        }
    }
};

using FuzzTest = ViewerTest;

TEST_F(FuzzTest, RandomMessagesKeepTheViewStateSound)
{
    ASSERT_NE(ComboEdit(), (HWND)NULL);
    Fuzzer fuzzer = {};
    const uint64_t seed = PickSeed();
    fuzzer.random.state = seed ? seed : 1;
    printf(
        "fuzz seed 0x%016llx (ZORAVEL_FUZZ_SEED=0x%016llx repeats this run, another value plays another)\n",
        (unsigned long long)seed, (unsigned long long)seed);
    for (int tab = 0; tab < TAB_COUNT; ++tab)
        ASSERT_TRUE(FindTabProbe(tab, tabProbe[tab]))
            << "tab " << tab << " looks the same pressed and raised";
    ASSERT_EQ(CheckWindow(), "");

    const int actions = FuzzActions();
    long perKind[FUZZ_KINDS] = {};
    double secondsPerKind[FUZZ_KINDS] = {};
    long perView[TAB_COUNT] = {};
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int action = 0; action < actions; ++action) {
        FuzzKind kind = fuzzer.Pick();
        ++perKind[kind];
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        fuzzer.Run(kind);
        if (action % PUMP_EVERY == PUMP_EVERY - 1)
            PumpMessages();
        QueryPerformanceCounter(&after);
        secondsPerKind[kind] += Seconds(before, after);
        ++perView[ShownView()];
        std::string problem = CheckWindow();
        if (!problem.empty()) {
            FAIL() << "after action " << action << " (" << fuzzName[kind] << ", seed 0x" << std::hex << seed
                   << "): " << problem;
        }
    }
    QueryPerformanceCounter(&end);

    const double seconds = Seconds(start, end);
    printf("fuzz: %d actions, %ld messages sent in %.2f s (%.0f messages/s)\n", actions, fuzzer.messages,
           seconds, fuzzer.messages / seconds);
    for (int kind = 0; kind < FUZZ_KINDS; ++kind)
        printf("fuzz:   %-13s %6ld actions, %7.3f ms each\n", fuzzName[kind], perKind[kind],
               perKind[kind] ? 1000 * secondsPerKind[kind] / perKind[kind] : 0.0);
    printf("fuzz: actions ending in the info, moves, machines, evolution view: %ld, %ld, %ld, %ld\n",
           perView[TAB_INFO], perView[TAB_MOVES], perView[TAB_MACHINES], perView[TAB_EVOLUTION]);
    printf("fuzz: ended in view %d on entry %u, form %d; no crash, no broken state\n", (int)ShownView(),
           app.EntryIndex, app.FormIndex);
    printf("fuzz: %ld checks looked at the tabs as well\n", tabChecks);
    EXPECT_GE(fuzzer.messages, actions);
    EXPECT_GT(tabChecks, actions / 4);
}

/* Live GDI objects of the process and, among them, device contexts. */
struct GdiCount {
    int objects;
    int dcs;
};

static GdiCount CountGdi()
{
    GdiCount count = {0, 0};
    for (ULONG_PTR handle = 1; handle <= 0xFFFF; ++handle) {
        DWORD type = GetObjectType((HGDIOBJ)handle);
        if (type != 0)
            ++count.objects;
        if (type == OBJ_DC || type == OBJ_MEMDC)
            ++count.dcs;
    }
    return count;
}

/* Called once per soak action: lets the test of the check leak on purpose. */
typedef void (*SoakHook)(int action);

/* A tab picked as the soak's user does: mostly the drawn views, whose redraws exercise the images;
   the list views less, as refilling a shown list box is slow under Wine. */
static TabKind SoakTab(Random &random)
{
    static const TabKind tabs[] = {TAB_INFO, TAB_EVOLUTION, TAB_INFO, TAB_EVOLUTION, TAB_INFO,  TAB_EVOLUTION,
                                   TAB_INFO, TAB_EVOLUTION, TAB_INFO, TAB_EVOLUTION, TAB_INFO,  TAB_EVOLUTION,
                                   TAB_INFO, TAB_EVOLUTION, TAB_INFO, TAB_EVOLUTION, TAB_MOVES, TAB_MACHINES};
    return tabs[random.Below(sizeof tabs / sizeof tabs[0])];
}

/* Runs user actions of every kind in every view and returns the growth over the measured part. */
static GdiCount SoakGrowth(int actions, SoakHook hook, Random &random)
{
    /* Every path once first, so whatever Wine creates on first use exists before counting. */
    for (int warmUp = 0; warmUp < 4 * TAB_COUNT; ++warmUp) {
        ClickTab((TabKind)(warmUp % TAB_COUNT));
        SelectEntry(warmUp % 2 ? FORM_ENTRY : warmUp);
        ClickFormButton();
        InvalidateRect(app.mainWindow, NULL, TRUE);
        RepaintNow();
    }
    const GdiCount before = CountGdi();
    int perKind[4] = {};
    for (int action = 0; action < actions; ++action) {
        /* Out of 20: 6 tab clicks, 8 selections, 3 form clicks, 3 repaints (whole repaints are slowest). */
        int roll = (int)random.Below(20);
        int kind = roll < 6 ? 0 : roll < 14 ? 1 : roll < 17 ? 2 : 3;
        ++perKind[kind];
        switch (kind) {
        case 0:
            ClickTab(SoakTab(random));
            break;
        case 1: {
            /* A mouse pick, or a keyboard step in the closed box, which notifies only the change. */
            int entry = random.Below(4) ? (int)random.Below(ENTRY_COUNT) : FORM_ENTRY;
            if (random.Below(4) == 0) {
                SelectEntry(entry);
            } else {
                SendMessageA(app.entryCombo, CB_SETCURSEL, entry, 0);
                SendComboNotification(CBN_SELCHANGE);
            }
            break;
        }
        case 2:
            ClickFormButton();
            break;
        default:
            InvalidateRect(app.mainWindow, NULL, TRUE);
            RepaintNow();
            break;
        }
        if (hook)
            hook(action);
    }
    const GdiCount after = CountGdi();
    printf(
        "soak: %d actions (%d tab clicks, %d selections, %d form clicks, %d repaints), GDI objects %d -> %d, "
        "device contexts %d -> %d\n",
        actions, perKind[0], perKind[1], perKind[2], perKind[3], before.objects, after.objects, before.dcs,
        after.dcs);
    return {after.objects - before.objects, after.dcs - before.dcs};
}

static const int SOAK_ACTIONS = 10000;

using SoakTest = ViewerTest;

TEST_F(SoakTest, TenThousandActionsLeaveNoGdiObjectOrDeviceContextBehind)
{
    Random random = {0x5EEDF00DULL};
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    GdiCount growth = SoakGrowth(SOAK_ACTIONS, NULL, random);
    QueryPerformanceCounter(&end);
    printf("soak: growth %d objects, %d device contexts, %.2f s\n", growth.objects, growth.dcs,
           Seconds(start, end));
    EXPECT_EQ(growth.objects, 0);
    EXPECT_EQ(growth.dcs, 0);
}

/* The check itself: objects leaked during the soak show up exactly. */
static const int LEAK_ACTIONS = 1000;
static const int PEN_EVERY = 50, DC_EVERY = 100;
static std::vector<HGDIOBJ> leakedPens;
static std::vector<HDC> leakedDcs;

static void LeakNow(int action)
{
    if (action % PEN_EVERY == 0)
        leakedPens.push_back(CreatePen(PS_SOLID, 1, RGB(action % 256, 0, 0)));
    if (action % DC_EVERY == 0)
        leakedDcs.push_back(CreateCompatibleDC(NULL));
}

TEST_F(SoakTest, CheckReportsObjectsAndDeviceContextsLeakedOnPurpose)
{
    Random random = {0x1EA4ULL};
    GdiCount growth = SoakGrowth(LEAK_ACTIONS, LeakNow, random);
    const int pens = LEAK_ACTIONS / PEN_EVERY, dcs = LEAK_ACTIONS / DC_EVERY;
    printf("soak check: leaked %d pens and %d memory DCs on purpose, measured growth %d objects, %d DCs\n",
           pens, dcs, growth.objects, growth.dcs);
    EXPECT_EQ((int)leakedPens.size(), pens);
    EXPECT_EQ(growth.objects, pens + dcs);
    EXPECT_EQ(growth.dcs, dcs);
    for (HGDIOBJ pen : leakedPens)
        DeleteObject(pen);
    for (HDC dc : leakedDcs)
        DeleteDC(dc);
    leakedPens.clear();
    leakedDcs.clear();
}

/* Where images go, and the layout colour beneath each of them. */
struct ImagePlace {
    RECT place;
    COLORREF beneath;
};

static std::vector<ImagePlace> ImagePlaces(TabKind view, unsigned entry)
{
    std::vector<ImagePlace> places = {
        {{EXPECTED_PICTURE_X, EXPECTED_PICTURE_Y, EXPECTED_PICTURE_X + 120, EXPECTED_PICTURE_Y + 120},
         EXPECTED_WHITE},
    };
    for (const ExpectedTab &tab : expectedTab)
        places.push_back({
            {tab.x, tab.y, tab.x + EXPECTED_TAB_WIDTH, tab.y + EXPECTED_TAB_HEIGHT},
            EXPECTED_CASING_COLOUR
        });
    if (view == TAB_INFO) {
        places.push_back({
            {EXPECTED_TYPE_ICON1_X, EXPECTED_TYPE_ICON_Y, EXPECTED_TYPE_ICON1_X + 64,
             EXPECTED_TYPE_ICON_Y + 24},
            EXPECTED_PANEL_COLOUR
        });
        places.push_back({
            {EXPECTED_TYPE_ICON2_X, EXPECTED_TYPE_ICON_Y, EXPECTED_TYPE_ICON2_X + 64,
             EXPECTED_TYPE_ICON_Y + 24},
            EXPECTED_PANEL_COLOUR
        });
    }
    if (view == TAB_EVOLUTION) {
        ExpectedMark marks[2];
        int count = ExpectedMarks((int)entry, marks);
        for (int i = 0; i < count; ++i)
            places.push_back({
                {marks[i].x, marks[i].y, marks[i].x + 16, marks[i].y + 22},
                EXPECTED_PANEL_COLOUR
            });
    }
    return places;
}

/* The window as it should look with no image drawn: each image's place shows the layout beneath it,
   and in the evolution view the note's text, which lies over the marks, is drawn there again. */
static Capture WithoutImages(const Capture &shown, TabKind view, unsigned entry)
{
    Canvas canvas = OpenCanvas();
    memcpy(canvas.bits, shown.pixels.data(), shown.pixels.size() * sizeof(uint32_t));
    std::vector<ImagePlace> places = ImagePlaces(view, entry);
    HRGN marks = CreateRectRgn(0, 0, 0, 0);
    for (const ImagePlace &image : places) {
        HBRUSH brush = CreateSolidBrush(image.beneath);
        FillRect(canvas.dc, &image.place, brush);
        DeleteBrush(brush);
        if (image.beneath == EXPECTED_PANEL_COLOUR) {
            HRGN place = CreateRectRgnIndirect(&image.place);
            CombineRgn(marks, marks, place, RGN_OR);
            DeleteObject(place);
        }
    }
    if (view == TAB_EVOLUTION) {
        const ExpectedPanel *note = FindExpectedPanel((int)entry);
        SelectClipRgn(canvas.dc, marks);
        HFONT fontOld = SelectFont(canvas.dc, app.textFont);
        SetBkMode(canvas.dc, TRANSPARENT);
        SetTextColor(canvas.dc, EXPECTED_EVOLUTION_TEXT_COLOUR);
        TextOutW(canvas.dc, EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE1_Y, note->evolutionLine1,
                 (int)wcslen(note->evolutionLine1));
        TextOutW(canvas.dc, EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE2_Y, note->evolutionLine2,
                 (int)wcslen(note->evolutionLine2));
        SelectFont(canvas.dc, fontOld);
        SelectClipRgn(canvas.dc, NULL);
    }
    DeleteObject(marks);
    return CloseCanvas(canvas);
}

/* Equal everywhere but on the combo box and the form button: focus and caret change them. */
static ::testing::AssertionResult SameOutsideControls(const Capture &seen, const Capture &expected)
{
    RECT controls[2];
    HWND windows[2] = {app.entryCombo, app.formButton};
    for (int i = 0; i < 2; ++i) {
        GetWindowRect(windows[i], &controls[i]);
        MapWindowPoints(NULL, app.mainWindow, (POINT *)&controls[i], 2);
    }
    for (int y = 0; y < seen.height; ++y)
        for (int x = 0; x < seen.width; ++x) {
            POINT point = {x, y};
            if (!PtInRect(&controls[0], point) && !PtInRect(&controls[1], point) &&
                seen.At(x, y) != expected.At(x, y)) {
                char text[96];
                snprintf(text, sizeof text, "pixel (%d,%d) is 0x%06lx, expected 0x%06lx", x, y,
                         (unsigned long)seen.At(x, y), (unsigned long)expected.At(x, y));
                return ::testing::AssertionFailure() << text;
            }
        }
    return ::testing::AssertionSuccess();
}

static int CountColour(const Capture &capture, const RECT &area, COLORREF colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += capture.At(x, y) == colour;
    return count;
}

/* A loaded module with no bitmap of ours: every LoadPicture from it fails. */
static HINSTANCE ModuleWithoutOurBitmaps()
{
    for (const char *name : {"kernel32.dll", "ntdll.dll", "gdi32.dll"}) {
        HINSTANCE module = GetModuleHandleA(name);
        bool none = module != NULL;
        for (int id = IDB_PICTURE_BASE; none && id <= IDB_FORM2_PICTURE; ++id) {
            HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(id));
            if (bitmap) {
                DeleteObject(bitmap);
                none = false;
            }
        }
        if (none)
            return module;
    }
    return NULL;
}

class MissingBitmapTest : public ViewerTest {
  protected:
    void TearDown() override
    {
        app.instance = GetModuleHandleA(NULL);
        ViewerTest::TearDown();
    }

    /* Each way a view gets drawn, with every bitmap missing, against the same view drawn normally. */
    void CheckView(TabKind view, unsigned entry, HINSTANCE noBitmaps)
    {
        SCOPED_TRACE(::testing::Message() << "view " << view << ", entry " << entry);
        app.instance = GetModuleHandleA(NULL);
        SelectEntry(entry);
        ClickTab(view);
        InvalidateRect(app.mainWindow, NULL, TRUE);
        RepaintNow();
        const Capture shown = CaptureWindow();
        const std::vector<std::string> lines = ListBoxLines();
        const Capture expected = WithoutImages(shown, view, entry);
        /* The images were there to be missed. */
        const std::vector<ImagePlace> places = ImagePlaces(view, entry);
        for (size_t image = 0; image < 1 + TAB_COUNT; ++image) {
            const RECT &place = places[image].place;
            EXPECT_LT(CountColour(shown, place, places[image].beneath),
                      (place.right - place.left) * (place.bottom - place.top));
        }

        const int before = CountGdiObjects();
        app.instance = noBitmaps;
        const char *ways[] = {"full repaint", "tab click", "combo pick", "form clicks"};
        for (int way = 0; way < 4; ++way) {
            SCOPED_TRACE(ways[way]);
            if (way == 0) {
                InvalidateRect(app.mainWindow, NULL, TRUE);
                RepaintNow();
            } else if (way == 1) {
                ClickTab(view);
            } else if (way == 2) {
                SelectEntry(entry);
            } else {
                if (entry != FORM_ENTRY)
                    continue;
                for (int click = 0; click < FORM_COUNT; ++click)
                    ClickFormButton();
            }
            EXPECT_EQ(pictureBitmap, (HBITMAP)NULL);
            EXPECT_EQ(pictureDc, (HDC)NULL);
            EXPECT_EQ(pictureDcOldBitmap, (HGDIOBJ)NULL);
            const Capture seen = CaptureWindow();
            EXPECT_TRUE(SameOutsideControls(seen, expected));
            EXPECT_EQ(ListBoxLines(), lines);
            /* The texts and lines are there, not only equal to a blank panel. */
            if (view == TAB_INFO)
                EXPECT_GT(CountColour(seen, EXPECTED_LOWER_PANEL, EXPECTED_INFO_TEXT_COLOUR), 0);
            else if (view == TAB_EVOLUTION)
                EXPECT_GT(CountColour(seen, EXPECTED_LOWER_PANEL, EXPECTED_EVOLUTION_TEXT_COLOUR), 0);
            else
                EXPECT_FALSE(lines.empty());
            EXPECT_EQ(seen.At(10, 100), EXPECTED_CASING_COLOUR);
        }
        /* Wine may drop a cached object of its own meanwhile; nothing may be added. */
        EXPECT_LE(CountGdiObjects(), before);
        app.instance = GetModuleHandleA(NULL);
    }
};

/* A sampled entry with two types; 25 is the first entry with gender marks. */
static unsigned EntryWithTwoTypes()
{
    for (const ExpectedPanel &panel : expectedPanels)
        if (panel.entry != FORM_ENTRY && secondaryTypeIcon[EntrySlot(panel.entry)] != 0)
            return (unsigned)panel.entry;
    return 0;
}

static const unsigned ENTRY_WITH_MARKS = 25;

TEST_F(MissingBitmapTest, EveryViewDrawsAllButTheImagesAndKeepsNothingLoaded)
{
    HINSTANCE noBitmaps = ModuleWithoutOurBitmaps();
    ASSERT_NE(noBitmaps, (HINSTANCE)NULL);
    ASSERT_NE(secondaryTypeIcon[EntrySlot(EntryWithTwoTypes())], 0);
    const unsigned entries[] = {0, EntryWithTwoTypes(), ENTRY_WITH_MARKS, FORM_ENTRY, ENTRY_COUNT - 1};
    for (int view = 0; view < TAB_COUNT; ++view)
        for (unsigned entry : entries)
            CheckView((TabKind)view, entry, noBitmaps);
    printf("missing bitmaps: %d views x %d entries drawn by repaint, tab click, combo pick and form clicks\n",
           TAB_COUNT, (int)(sizeof entries / sizeof entries[0]));
}
