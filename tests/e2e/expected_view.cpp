/* The expected window, drawn independently of the viewer's code: the catalogue's values and
   bitmaps rendered here with GDI, the list lines built from the list strings. */
#include "expected_view.h"

#include "expected_lists.h"

#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "resource.h"

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static const COLORREF WHITE = RGB(255, 255, 255);
static const COLORREF PANEL_GREY = RGB(76, 76, 76);
static const COLORREF INFO_TEXT = RGB(196, 196, 196);
static const COLORREF EVOLUTION_TEXT = RGB(140, 214, 0);

/* The inside of the lower panel, clear of its rounded 5-pixel outline. */
static const RECT PANEL_INSIDE = {30, 290, 271, 424};
/* The header number "413." in the system font on the picture box's white, up to the combo box. */
static const RECT NUMBER_AREA = {70, 39, 118, 57};
static const int NUMBER_X = 70, NUMBER_Y = 39;
static const int PICTURE_X = 91, PICTURE_Y = 57;

struct TabImages {
    int x, y;
    unsigned short on, off;
};
static const TabImages tabImages[] = {
  /* VIEW_INFO      */ {35,  256, IDB_TAB_INFO_ON,      IDB_TAB_INFO_OFF     },
 /* VIEW_MOVES     */
    {115, 256, IDB_TAB_MOVES_ON,     IDB_TAB_MOVES_OFF    },
 /* VIEW_MACHINES  */
    {195, 256, IDB_TAB_MACHINES_ON,  IDB_TAB_MACHINES_OFF },
 /* VIEW_EVOLUTION */
    {35,  430, IDB_TAB_EVOLUTION_ON, IDB_TAB_EVOLUTION_OFF},
};
static const int TAB_WIDTH = 70, TAB_HEIGHT = 28;

static std::wstring FromCodePage1250(const char *text)
{
    wchar_t wide[256] = {};
    MultiByteToWideChar(1250, 0, text, -1, wide, 256);
    return wide;
}

/* A client-sized 32-bit canvas to draw the expectation on, and the mask of what is compared. */
struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ bitmapOld;
    const DWORD *bits;
    ExpectedPixels *out;
};

static void OpenCanvas(Canvas &canvas, ExpectedPixels &out, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = NULL;
    HDC screen = GetDC(NULL);
    canvas.dc = CreateCompatibleDC(screen);
    canvas.bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    ReleaseDC(NULL, screen);
    canvas.bitmapOld = SelectObject(canvas.dc, canvas.bitmap);
    canvas.bits = (const DWORD *)bits;
    canvas.out = &out;
    out.width = width;
    out.height = height;
    out.checked.assign((size_t)width * height, false);
}

static void CloseCanvas(Canvas &canvas)
{
    GdiFlush();
    ExpectedPixels &out = *canvas.out;
    out.pixels.resize((size_t)out.width * out.height);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        DWORD pixel = canvas.bits[i];
        out.pixels[i] = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    SelectObject(canvas.dc, canvas.bitmapOld);
    DeleteObject(canvas.bitmap);
    DeleteDC(canvas.dc);
}

static void Check(Canvas &canvas, const RECT &area)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            canvas.out->checked[(size_t)y * canvas.out->width + x] = true;
}

static void Fill(Canvas &canvas, const RECT &area, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(canvas.dc, &area, brush);
    DeleteObject(brush);
    Check(canvas, area);
}

/* The bitmap of this program's own resources, stretched like the viewer stretches it. */
static void Image(Canvas &canvas, unsigned short id, int x, int y, int width, int height)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(id));
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    HDC source = CreateCompatibleDC(canvas.dc);
    HGDIOBJ sourceOld = SelectObject(source, bitmap);
    StretchBlt(canvas.dc, x, y, width, height, source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, sourceOld);
    DeleteDC(source);
    DeleteObject(bitmap);
    RECT area = {x, y, x + width, y + height};
    Check(canvas, area);
}

/* Text in the panels' font (Arial for Central European text), without a background of its own. */
static void PanelText(Canvas &canvas, int x, int y, const std::wstring &text, COLORREF colour)
{
    HFONT font =
        CreateFontA(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ fontOld = SelectObject(canvas.dc, font);
    SetBkMode(canvas.dc, TRANSPARENT);
    SetTextColor(canvas.dc, colour);
    TextOutW(canvas.dc, x, y, text.c_str(), (int)text.size());
    SelectObject(canvas.dc, fontOld);
    DeleteObject(font);
}

static void Header(Canvas &canvas, const ViewState &state)
{
    unsigned short picture = (unsigned short)(IDB_PICTURE_BASE + state.entry);
    if (state.entry == FORM_ENTRY)
        picture = formPicture[state.form];
    Image(canvas, picture, PICTURE_X, PICTURE_Y, 120, 120);

    /* The window DC's defaults: system font, black on opaque white. */
    Fill(canvas, NUMBER_AREA, WHITE);
    wchar_t number[8];
    swprintf(number, 8, L"%d.", FIRST_NUMBER + state.entry);
    HGDIOBJ fontOld = SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(canvas.dc, OPAQUE);
    SetBkColor(canvas.dc, WHITE);
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    TextOutW(canvas.dc, NUMBER_X, NUMBER_Y, number, 4);
    SelectObject(canvas.dc, fontOld);
}

static void Tabs(Canvas &canvas, View view)
{
    for (int tab = VIEW_INFO; tab <= VIEW_EVOLUTION; ++tab) {
        const TabImages &images = tabImages[tab];
        Image(canvas, tab == view ? images.on : images.off, images.x, images.y, TAB_WIDTH, TAB_HEIGHT);
    }
}

static std::wstring HeightLine(int centimetres)
{
    return L"Wzrost: " + std::to_wstring(centimetres) + L" cm";
}

static std::wstring WeightLine(int tenthsOfKilogram)
{
    return L"Masa: " + std::to_wstring(tenthsOfKilogram / 10) + L"," +
           std::to_wstring(tenthsOfKilogram % 10) + L" kg";
}

static void InfoPanel(Canvas &canvas, const ViewState &state)
{
    unsigned slot = EntrySlot(state.entry);
    Fill(canvas, PANEL_INSIDE, PANEL_GREY);
    Image(canvas, primaryTypeIcon[slot], 70, 292, 64, 24);
    unsigned short second =
        state.entry == FORM_ENTRY ? formSecondaryTypeIcon[state.form] : secondaryTypeIcon[slot];
    if (second)
        Image(canvas, second, 150, 292, 64, 24);
    PanelText(canvas, 31, 295, L"Typ:", INFO_TEXT);
    PanelText(canvas, 31, 330, HeightLine(heightCm[slot]), INFO_TEXT);
    PanelText(canvas, 150, 330, WeightLine(weightTenthKg[slot]), INFO_TEXT);
}

static void EvolutionPanel(Canvas &canvas, const ViewState &state)
{
    Fill(canvas, PANEL_INSIDE, PANEL_GREY);
    EvolutionMark marks[EVOLUTION_MARKS_MAX];
    int markCount = FindEvolutionMarks(state.entry, marks);
    for (int i = 0; i < markCount; ++i)
        Image(canvas, marks[i].bitmapId, marks[i].x, marks[i].y, 16, 22);
    const EvolutionNote &note = FindEvolutionNote(state.entry);
    PanelText(canvas, 31, 330, FromCodePage1250(note.line1), EVOLUTION_TEXT);
    PanelText(canvas, 31, 360, FromCodePage1250(note.line2), EVOLUTION_TEXT);
}

static const char *ViewName(View view)
{
    static const char *const names[] = {"info", "moves", "machines", "evolution"};
    return names[view];
}

/* The first differences, with their count, or success. */
static ::testing::AssertionResult ComparePixels(const Shot &shot, const ExpectedPixels &expected)
{
    if (shot.width != expected.width || shot.height != expected.height)
        return ::testing::AssertionFailure() << "client area is " << shot.width << "x" << shot.height
                                             << ", expected " << expected.width << "x" << expected.height;
    int wrong = 0;
    char first[96] = "";
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            size_t i = (size_t)y * shot.width + x;
            if (expected.checked[i] && shot.pixels[i] != expected.pixels[i] && wrong++ == 0)
                snprintf(first, sizeof first, "(%d,%d) is 0x%06lx, expected 0x%06lx", x, y,
                         (unsigned long)shot.pixels[i], (unsigned long)expected.pixels[i]);
        }
    if (wrong)
        return ::testing::AssertionFailure() << wrong << " pixels differ, first " << first;
    return ::testing::AssertionSuccess();
}

/* A shown list box paints its white over the grey panel. */
static ::testing::AssertionResult ListBoxCoversPanel(const Shot &shot)
{
    int white = 0;
    for (int y = 300; y < 420; ++y)
        for (int x = 35; x < 250; ++x)
            white += shot.At(x, y) == WHITE;
    if (white < 2000)
        return ::testing::AssertionFailure() << "the list box does not show over the panel";
    return ::testing::AssertionSuccess();
}

static std::wstring WindowText(HWND window)
{
    wchar_t text[64] = {};
    SendMessageW(window, WM_GETTEXT, 64, (LPARAM)text);
    return text;
}

POINT TabCentre(View view)
{
    POINT centre = {tabImages[view].x + TAB_WIDTH / 2, tabImages[view].y + TAB_HEIGHT / 2};
    return centre;
}

ExpectedPixels RenderExpected(const ViewState &state, int clientWidth, int clientHeight)
{
    ExpectedPixels out;
    Canvas canvas;
    OpenCanvas(canvas, out, clientWidth, clientHeight);
    Header(canvas, state);
    Tabs(canvas, state.view);
    if (state.view == VIEW_INFO)
        InfoPanel(canvas, state);
    else if (state.view == VIEW_EVOLUTION)
        EvolutionPanel(canvas, state);
    CloseCanvas(canvas);
    return out;
}

std::vector<std::wstring> ExpectedListLines(const ViewState &state)
{
    std::vector<std::wstring> lines;
    unsigned slot = EntrySlot(state.entry);
    if (state.view == VIEW_MOVES) {
        const char *list = state.entry == FORM_ENTRY ? formMoveListText[state.form] : moveListText[slot];
        for (const std::string &element : ListElements(list))
            lines.push_back(FromCodePage1250(element.c_str()));
    } else if (state.view == VIEW_MACHINES) {
        for (const std::string &line : ExpectedMachineLines(machineListText[slot]))
            lines.push_back(FromCodePage1250(line.c_str()));
    }
    return lines;
}

::testing::AssertionResult ScreenShows(const Viewer &viewer, const ViewState &state)
{
    RECT client = {};
    GetClientRect(viewer.window, &client);
    return ComparePixels(CaptureClient(viewer.window), RenderExpected(state, client.right, client.bottom));
}

::testing::AssertionResult ViewerShows(const Viewer &viewer, const ViewState &state)
{
    RECT client = {};
    GetClientRect(viewer.window, &client);
    Shot shot = CaptureClient(viewer.window);
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    bool failed = false;
    auto fail = [&](const ::testing::Message &what) {
        failure << (failed ? "; " : "") << what;
        failed = true;
    };
    failure << "entry " << state.entry << " form " << state.form << " " << ViewName(state.view) << " view: ";

    ::testing::AssertionResult pixels =
        ComparePixels(shot, RenderExpected(state, client.right, client.bottom));
    if (!pixels)
        fail(::testing::Message() << "screen: " << pixels.message());

    LRESULT selection = SendMessageW(viewer.combo, CB_GETCURSEL, 0, 0);
    if (selection != state.entry)
        fail(::testing::Message() << "combo selection " << selection);
    std::wstring name = FromCodePage1250(entryName[state.entry]);
    if (WindowText(viewer.comboEdit) != name)
        fail(::testing::Message() << "combo text is not the entry's name");

    bool listView = state.view == VIEW_MOVES || state.view == VIEW_MACHINES;
    if ((IsWindowVisible(viewer.listBox) != FALSE) != listView)
        fail(::testing::Message() << "list box " << (listView ? "hidden" : "shown"));
    if (listView) {
        std::vector<std::wstring> lines = ExpectedListLines(state);
        std::vector<std::wstring> listed = ListBoxLines(viewer.listBox);
        if (lines.empty())
            fail(::testing::Message() << "the catalogue gives no lines");
        if (listed != lines) {
            size_t line = 0;
            while (line < listed.size() && line < lines.size() && listed[line] == lines[line])
                ++line;
            fail(::testing::Message() << "list box holds " << listed.size() << " lines, expected "
                                      << lines.size() << ", first difference at line " << line);
        }
        ::testing::AssertionResult covered = ListBoxCoversPanel(shot);
        if (!covered)
            fail(::testing::Message() << covered.message());
    }
    if ((IsWindowVisible(viewer.formButton) != FALSE) != (state.entry == FORM_ENTRY))
        fail(::testing::Message() << "form button " << (state.entry == FORM_ENTRY ? "hidden" : "shown"));
    return failed ? failure : ::testing::AssertionSuccess();
}

static ::testing::AssertionResult PollFor(const Viewer &viewer, const ViewState &state)
{
    return PollUntil([&] { return ViewerShows(viewer, state); });
}

::testing::AssertionResult SettlesOn(const Viewer &viewer, const ViewState &state)
{
    ::testing::AssertionResult result = PollFor(viewer, state);
    if (!result)
        return result;
    /* Whatever the action still queued (a repaint, a closing list) must leave the state standing. */
    SyncWithViewer(viewer);
    return PollFor(viewer, state);
}
