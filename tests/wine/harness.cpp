/* Test harness for the real window under Wine, and the test program's main.
   Wine's own cold start is retried here; the program's behaviour never is. */
#include "harness.h"

#include "expected_layout.h"

#include "app/controls.h"
#include "app/startup.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdio.h>
#include <windowsx.h>

void StartViewer()
{
    InitAppState(GetModuleHandleA(NULL));
    ASSERT_NE(RegisterMainClass(), 0);
    ASSERT_NE(CreateMainWindow(), (HWND)NULL);
    ShowMainWindow(SW_SHOWNORMAL);
    CreateControls();
    PumpMessages();
}

void StopViewer()
{
    if (IsWindow(app.mainWindow))
        DestroyWindow(app.mainWindow);
    PumpMessages();
    UnregisterClassA(MAIN_CLASS_NAME, GetModuleHandleA(NULL));
    app = AppState();
}

int PumpMessages()
{
    int exitCode = -1;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            exitCode = (int)msg.wParam;
            continue;
        }
        DispatchViewerMessage(&msg);
    }
    return exitCode;
}

void ClickAt(int x, int y)
{
    SendMessageA(app.mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(app.mainWindow, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

void ClickTab(TabKind tab)
{
    POINT centre = ExpectedTabCentre(tab);
    ClickAt(centre.x, centre.y);
}

void SendComboNotification(int notification)
{
    SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ENTRY_COMBO, notification),
                 (LPARAM)app.entryCombo);
    PumpMessages();
}

void SelectEntry(int entryIndex)
{
    SendMessageA(app.entryCombo, CB_SETCURSEL, entryIndex, 0);
    SendComboNotification(CBN_SELENDOK);
    SendComboNotification(CBN_CLOSEUP);
    SendComboNotification(CBN_SELCHANGE);
}

void ClickFormButton()
{
    SendMessageA(app.formButton, BM_CLICK, 0, 0);
    PumpMessages();
    RepaintNow();
}

void RepaintNow()
{
    UpdateWindow(app.mainWindow);
    PumpMessages();
}

void PressQueuedKey(WPARAM virtualKey, bool shift, bool control, bool alt)
{
    BYTE keys[256] = {};
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = keys[VK_LMENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(GetFocus(), WM_KEYDOWN, virtualKey, 1);
    PumpMessages();
    PostMessageA(GetFocus(), WM_KEYUP, virtualKey, 0xC0000001);
    PumpMessages();
    BYTE released[256] = {};
    SetKeyboardState(released);
}

TabKind ShownView()
{
    if (app.movesView)
        return TAB_MOVES;
    if (app.machinesView)
        return TAB_MACHINES;
    if (app.evolutionView)
        return TAB_EVOLUTION;
    return TAB_INFO;
}

COLORREF PixelAt(int x, int y)
{
    HDC dc = GetDC(app.mainWindow);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(app.mainWindow, dc);
    return colour;
}

std::vector<std::string> ListBoxLines()
{
    std::vector<std::string> lines;
    LRESULT count = SendMessageA(app.moveListBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        LRESULT length = SendMessageA(app.moveListBox, LB_GETTEXTLEN, i, 0);
        if (length < 0 || length >= (LRESULT)sizeof text)
            lines.push_back("<bad length>");
        else {
            SendMessageA(app.moveListBox, LB_GETTEXT, i, (LPARAM)text);
            lines.push_back(text);
        }
    }
    return lines;
}

bool ListBoxVisible()
{
    return IsWindowVisible(app.moveListBox) != FALSE;
}

bool FormButtonVisible()
{
    return IsWindowVisible(app.formButton) != FALSE;
}

int CountGdiObjects()
{
    int count = 0;
    for (ULONG_PTR handle = 1; handle <= 0xFFFF; ++handle)
        if (GetObjectType((HGDIOBJ)handle) != 0)
            ++count;
    return count;
}

::testing::AssertionResult AreaHasColour(const RECT &area, COLORREF colour)
{
    HDC dc = GetDC(app.mainWindow);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            COLORREF seen = GetPixel(dc, x, y);
            if (seen != colour) {
                ReleaseDC(app.mainWindow, dc);
                return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is 0x" << std::hex
                                                     << seen << ", expected 0x" << colour;
            }
        }
    ReleaseDC(app.mainWindow, dc);
    return ::testing::AssertionSuccess();
}

/* Every pixel of the image on the window equals the bitmap's pixel, repeated scale times. */
::testing::AssertionResult ImageShows(int left, int top, unsigned short id, int scale)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id));
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ bitmapOld = SelectObject(memory, bitmap);
    HDC dc = GetDC(app.mainWindow);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (!bitmap)
        result = ::testing::AssertionFailure() << "no bitmap " << id;
    for (int y = 0; y < size.bmHeight * scale && result; ++y)
        for (int x = 0; x < size.bmWidth * scale && result; ++x)
            if (GetPixel(dc, left + x, top + y) != GetPixel(memory, x / scale, y / scale))
                result = ::testing::AssertionFailure()
                         << "image " << id << " differs at (" << left + x << "," << top + y << ")";
    ReleaseDC(app.mainWindow, dc);
    SelectObject(memory, bitmapOld);
    DeleteDC(memory);
    DeleteBitmap(bitmap);
    return result;
}

::testing::AssertionResult TabShows(int tabX, int tabY, unsigned short id)
{
    return ImageShows(tabX, tabY, id, 2);
}

Canvas OpenCanvas()
{
    RECT client;
    GetClientRect(app.mainWindow, &client);
    Canvas canvas = {};
    canvas.width = client.right;
    canvas.height = client.bottom;
    BITMAPINFO info = TopDownInfo(canvas.width, canvas.height);
    void *bits = NULL;
    canvas.dc = CreateCompatibleDC(NULL);
    canvas.bitmap = CreateDIBSection(canvas.dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    canvas.bits = (uint32_t *)bits;
    canvas.bitmapOld = SelectObject(canvas.dc, canvas.bitmap);
    return canvas;
}

Capture CloseCanvas(Canvas &canvas)
{
    GdiFlush();
    Capture capture;
    capture.width = canvas.width;
    capture.height = canvas.height;
    capture.pixels.assign(canvas.bits, canvas.bits + (size_t)canvas.width * canvas.height);
    SelectObject(canvas.dc, canvas.bitmapOld);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
    return capture;
}

Capture CaptureWindow()
{
    Canvas canvas = OpenCanvas();
    HDC dc = GetDC(app.mainWindow);
    BitBlt(canvas.dc, 0, 0, canvas.width, canvas.height, dc, 0, 0, SRCCOPY);
    ReleaseDC(app.mainWindow, dc);
    return CloseCanvas(canvas);
}

/* The header picture: exactly (91,57)..(210,176), each picture pixel shown 1 or 2 times. */
::testing::AssertionResult HeaderShowsPicture(unsigned short id)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id));
    HDC memory = CreateCompatibleDC(NULL);
    HGDIOBJ bitmapOld = SelectObject(memory, bitmap);
    HDC dc = GetDC(app.mainWindow);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    /* Rows and columns of the source appear in order; check the corners and a scan of the middle row. */
    for (int y = 0; y < 120 && result; ++y)
        for (int x = 0; x < 120 && result; ++x) {
            COLORREF seen = GetPixel(dc, 91 + x, 57 + y);
            int sx = x * 80 / 120, sy = y * 80 / 120;
            bool matches = false;
            for (int dy = -1; dy <= 1 && !matches; ++dy)
                for (int dx = -1; dx <= 1 && !matches; ++dx)
                    if (sx + dx >= 0 && sx + dx < 80 && sy + dy >= 0 && sy + dy < 80)
                        matches = GetPixel(memory, sx + dx, sy + dy) == seen;
            if (!matches)
                result = ::testing::AssertionFailure()
                         << "picture " << id << " wrong at (" << 91 + x << "," << 57 + y << ")";
        }
    ReleaseDC(app.mainWindow, dc);
    SelectObject(memory, bitmapOld);
    DeleteDC(memory);
    DeleteBitmap(bitmap);
    return result;
}

/* The text drawn with TextOutW in the text font on the panel's grey (with the entry's gender
   marks beneath it), compared pixel by pixel with the window over the text's extent and a margin. */
::testing::AssertionResult PanelTextIs(int x, int y, const std::wstring &text, COLORREF colour,
                                       const ExpectedMark *marks, int markCount)
{
    HDC dc = GetDC(app.mainWindow);
    HDC memory = CreateCompatibleDC(dc);
    HFONT fontOld = SelectFont(memory, app.textFont);
    SIZE extent = {};
    GetTextExtentPoint32W(memory, text.c_str(), (int)text.size(), &extent);
    const int width = extent.cx + 4, height = extent.cy;
    HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ canvasOld = SelectObject(memory, canvas);
    HBRUSH grey = CreateSolidBrush(EXPECTED_PANEL_COLOUR);
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
            ink += expected != EXPECTED_PANEL_COLOUR;
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

::testing::AssertionResult InfoTextsShow(int entry)
{
    const ExpectedPanel *panel = FindExpectedPanel(entry);
    if (!panel)
        return ::testing::AssertionFailure() << "entry " << entry << " is not in the expected sample";
    ::testing::AssertionResult result =
        PanelTextIs(EXPECTED_TYPE_LABEL_X, EXPECTED_TYPE_LABEL_Y, L"Typ:", EXPECTED_INFO_TEXT_COLOUR);
    if (result)
        result = PanelTextIs(EXPECTED_HEIGHT_LINE_X, EXPECTED_SIZE_LINES_Y, panel->heightLine,
                             EXPECTED_INFO_TEXT_COLOUR);
    if (result)
        result = PanelTextIs(EXPECTED_WEIGHT_LINE_X, EXPECTED_SIZE_LINES_Y, panel->weightLine,
                             EXPECTED_INFO_TEXT_COLOUR);
    return result << " (entry " << entry << ")";
}

::testing::AssertionResult EvolutionTextsShow(int entry)
{
    const ExpectedPanel *panel = FindExpectedPanel(entry);
    if (!panel)
        return ::testing::AssertionFailure() << "entry " << entry << " is not in the expected sample";
    ExpectedMark marks[2];
    int markCount = ExpectedMarks(entry, marks);
    ::testing::AssertionResult result =
        PanelTextIs(EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE1_Y, panel->evolutionLine1,
                    EXPECTED_EVOLUTION_TEXT_COLOUR, marks, markCount);
    if (result)
        result = PanelTextIs(EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE2_Y, panel->evolutionLine2,
                             EXPECTED_EVOLUTION_TEXT_COLOUR, marks, markCount);
    return result << " (entry " << entry << ")";
}

/* Wine sometimes fails the very first CreateWindow of a cold prefix: warm it up before any test. */
static bool WarmUpWine()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "ZoravelWarmUp";
    RegisterClassA(&windowClass);
    for (int attempt = 0; attempt < 10; ++attempt) {
        HWND window = CreateWindowExA(0, "ZoravelWarmUp", "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL,
                                      GetModuleHandleA(NULL), NULL);
        if (window) {
            DestroyWindow(window);
            UnregisterClassA("ZoravelWarmUp", GetModuleHandleA(NULL));
            return true;
        }
        Sleep(500);
    }
    return false;
}

/* ctest runs two test programs at once. On one desktop the other program's window takes the activation,
   and with it the focus, the caret and the highlights that tests look at and count: a desktop each. */
static bool UseOwnDesktop()
{
    char name[64];
    snprintf(name, sizeof name, "ZoravelTest%lu", GetCurrentProcessId());
    HDESK desktop = CreateDesktopA(name, NULL, NULL, 0, GENERIC_ALL, NULL);
    return desktop && SetThreadDesktop(desktop);
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests) && !UseOwnDesktop()) {
        fprintf(stderr, "no desktop of its own for the test program\n");
        return 2;
    }
    if (!::testing::GTEST_FLAG(list_tests) && !WarmUpWine()) {
        fprintf(stderr, "Wine could not create a window\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
