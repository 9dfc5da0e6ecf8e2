/* The expected window, drawn independently of the viewer's code: the catalogue's values and
   bitmaps rendered here with GDI, the list lines built from the list strings. */
#include "expected_view.h"

#include "expected_layout.h"
#include "expected_lists.h"
#include "expected_panels.h"
#include "top_down_dib.h"

#include "catalogue/catalogue.h"
#include "resource.h"

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

/* The header number "413." in the system font on the picture box's white, up to the combo box. */
static const RECT NUMBER_AREA = {70, 39, 118, 57};

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
    BITMAPINFO info = TopDownInfo(width, height);
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
    Image(canvas, picture, EXPECTED_PICTURE_X, EXPECTED_PICTURE_Y, 120, 120);

    /* The window DC's defaults: system font, black on opaque white. */
    Fill(canvas, NUMBER_AREA, EXPECTED_WHITE);
    wchar_t number[8];
    swprintf(number, 8, L"%d.", FIRST_NUMBER + state.entry);
    HGDIOBJ fontOld = SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
    SetBkMode(canvas.dc, OPAQUE);
    SetBkColor(canvas.dc, EXPECTED_WHITE);
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    TextOutW(canvas.dc, EXPECTED_NUMBER_X, EXPECTED_NUMBER_Y, number, 4);
    SelectObject(canvas.dc, fontOld);
}

static void Tabs(Canvas &canvas, View view)
{
    for (int tab = VIEW_INFO; tab <= VIEW_EVOLUTION; ++tab) {
        const ExpectedTab &images = expectedTab[tab];
        Image(canvas, tab == view ? images.imageOn : images.imageOff, images.x, images.y, EXPECTED_TAB_WIDTH,
              EXPECTED_TAB_HEIGHT);
    }
}

static void InfoPanel(Canvas &canvas, const ViewState &state)
{
    unsigned slot = EntrySlot(state.entry);
    Fill(canvas, EXPECTED_PANEL_INSIDE, EXPECTED_PANEL_COLOUR);
    Image(canvas, primaryTypeIcon[slot], EXPECTED_TYPE_ICON1_X, EXPECTED_TYPE_ICON_Y, 64, 24);
    unsigned short second =
        state.entry == FORM_ENTRY ? formSecondaryTypeIcon[state.form] : secondaryTypeIcon[slot];
    if (second)
        Image(canvas, second, EXPECTED_TYPE_ICON2_X, EXPECTED_TYPE_ICON_Y, 64, 24);
    PanelText(canvas, EXPECTED_TYPE_LABEL_X, EXPECTED_TYPE_LABEL_Y, L"Typ:", EXPECTED_INFO_TEXT_COLOUR);
    const ExpectedPanel *panel = FindExpectedPanel(state.entry);
    PanelText(canvas, EXPECTED_HEIGHT_LINE_X, EXPECTED_SIZE_LINES_Y, panel->heightLine,
              EXPECTED_INFO_TEXT_COLOUR);
    PanelText(canvas, EXPECTED_WEIGHT_LINE_X, EXPECTED_SIZE_LINES_Y, panel->weightLine,
              EXPECTED_INFO_TEXT_COLOUR);
}

static void EvolutionPanel(Canvas &canvas, const ViewState &state)
{
    Fill(canvas, EXPECTED_PANEL_INSIDE, EXPECTED_PANEL_COLOUR);
    ExpectedMark marks[2];
    int markCount = ExpectedMarks(state.entry, marks);
    for (int i = 0; i < markCount; ++i)
        Image(canvas, marks[i].bitmapId, marks[i].x, marks[i].y, 16, 22);
    const ExpectedPanel *panel = FindExpectedPanel(state.entry);
    PanelText(canvas, EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE1_Y, panel->evolutionLine1,
              EXPECTED_EVOLUTION_TEXT_COLOUR);
    PanelText(canvas, EXPECTED_EVOLUTION_LINE_X, EXPECTED_EVOLUTION_LINE2_Y, panel->evolutionLine2,
              EXPECTED_EVOLUTION_TEXT_COLOUR);
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
            white += shot.At(x, y) == EXPECTED_WHITE;
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
    return ExpectedTabCentre(view);
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
    if (!FindExpectedPanel(state.entry))
        return ::testing::AssertionFailure() << "entry " << state.entry << " is not in the expected sample";
    RECT client = {};
    GetClientRect(viewer.window, &client);
    return ComparePixels(CaptureClient(viewer.window), RenderExpected(state, client.right, client.bottom));
}

::testing::AssertionResult ViewerShows(const Viewer &viewer, const ViewState &state)
{
    if (!FindExpectedPanel(state.entry))
        return ::testing::AssertionFailure() << "entry " << state.entry << " is not in the expected sample";
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
