/* The main window's procedure: the one dispatcher of the viewer, and its view modes.
   Every message, handled or not, goes on to DefWindowProcA. */
#include "app/app_state.h"
#include "catalogue/catalogue.h"
#include "catalogue/move_list_box.h"
#include "catalogue/typed_name.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "draw/picture.h"
#include "resource.h"

#include <windowsx.h>

/* Room for what the edit field holds: a name and the blanks a user may type around it. */
static const int TYPED_TEXT_SIZE = 64;

/* A tab click redraws the four tab images in an order of its own, the clicked one pressed. */
struct TabClick {
    TabKind tab;
    TabKind drawOrder[TAB_COUNT];
};

/* Tested in this order; the tabs' rectangles do not overlap. */
static const TabClick tabClicks[TAB_COUNT] = {
    {TAB_INFO,      {TAB_MACHINES, TAB_INFO, TAB_MOVES, TAB_EVOLUTION}},
    {TAB_EVOLUTION, {TAB_EVOLUTION, TAB_MACHINES, TAB_INFO, TAB_MOVES}},
    {TAB_MOVES,     {TAB_MOVES, TAB_INFO, TAB_MACHINES, TAB_EVOLUTION}},
    {TAB_MACHINES,  {TAB_MACHINES, TAB_MOVES, TAB_INFO, TAB_EVOLUTION}},
};

static void SetView(TabKind tab)
{
    app.infoView = tab == TAB_INFO;
    app.evolutionView = tab == TAB_EVOLUTION;
    app.movesView = tab == TAB_MOVES;
    app.machinesView = tab == TAB_MACHINES;
}

static void RedrawCurrentView()
{
    if (app.movesView || app.machinesView)
        RefillMoveList();
    else if (app.infoView)
        DrawInfoPanel();
    else if (app.evolutionView)
        DrawEvolutionPanel();
}

/* The selected entry. Typing in the edit field leaves no selection (CB_ERR): then the entry the
   typed text names, else the one shown so far. The field itself is left as the user typed it. */
static unsigned ChosenEntry()
{
    LRESULT selection = SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0);
    if (selection >= 0 && selection < ENTRY_COUNT)
        return (unsigned)selection;
    char typed[TYPED_TEXT_SIZE];
    /* Longer text would be cut here and could then look like a name. */
    if (GetWindowTextLengthA(app.entryCombo) >= TYPED_TEXT_SIZE)
        return app.EntryIndex;
    GetWindowTextA(app.entryCombo, typed, TYPED_TEXT_SIZE);
    int named = EntryNamed(typed);
    return named == NO_ENTRY ? app.EntryIndex : (unsigned)named;
}

static void OnEntryCombo()
{
    app.EntryIndex = ChosenEntry();
    /* After every notification: picks with the keyboard notify no selection change. */
    if (app.EntryIndex != FORM_ENTRY)
        ShowWindow(app.formButton, SW_HIDE);
    DrawHeader(app.EntryIndex + IDB_PICTURE_BASE);
    RedrawCurrentView();
    if (app.EntryIndex == FORM_ENTRY)
        ShowWindow(app.formButton, SW_SHOW);
}

static void OnFormButton(HWND window, int notification)
{
    if (notification == BN_CLICKED)
        ++app.FormIndex;
    if (app.FormIndex == FORM_COUNT)
        app.FormIndex = 0;
    if (app.movesView)
        FillMoveList();
    if (app.infoView)
        DrawInfoPanel();
    InvalidateRect(window, NULL, TRUE);
}

static void OnCommand(HWND window, WPARAM wParam)
{
    int notification = HIWORD(wParam);
    switch (LOWORD(wParam)) {
    case IDC_ENTRY_COMBO:
        OnEntryCombo();
        break;
    case IDC_FORM_BUTTON:
        OnFormButton(window, notification);
        break;
    }
}

static void OnTabClick(HWND window, const TabClick &click)
{
    for (int i = 0; i < TAB_COUNT; ++i)
        DrawTab(window, click.drawOrder[i], click.drawOrder[i] == click.tab);
    switch (click.tab) {
    case TAB_INFO:
        ShowWindow(app.moveListBox, SW_HIDE);
        SetView(TAB_INFO);
        DrawInfoPanel();
        break;
    case TAB_EVOLUTION:
        ShowWindow(app.moveListBox, SW_HIDE);
        SetView(TAB_EVOLUTION);
        DrawEvolutionPanel();
        break;
    case TAB_MOVES:
    case TAB_MACHINES:
        SetView(click.tab);
        FillMoveList();
        ShowWindow(app.moveListBox, SW_SHOW);
        break;
    default:
        break;
    }
}

static void OnLButtonUp(HWND window, LPARAM lParam)
{
    POINT point = {(LONG)LOWORD(lParam), (LONG)HIWORD(lParam)};
    for (int i = 0; i < TAB_COUNT; ++i) {
        /* A tab is hit where its image lies: right and bottom edges outside. */
        const TabPlace &place = tabPlace[tabClicks[i].tab];
        RECT hit = {place.x, place.y, place.x + TAB_WIDTH, place.y + TAB_HEIGHT};
        if (PtInRect(&hit, point)) {
            OnTabClick(window, tabClicks[i]);
            break;
        }
    }
}

static void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC paintDc = BeginPaint(window, &paint);
    HFONT fontOld = SelectFont(paintDc, app.textFont);
    PaintWindow(window, paintDc);
    SelectFont(paintDc, fontOld);
    EndPaint(window, &paint);
}

/* Re-activation gives the focus to the main window, which has no use for keys. */
static void OnSetFocus()
{
    if (app.entryCombo)
        SetFocus(app.entryCombo);
}

/* A new caption or border size (text size, high contrast, another display) keeps the outer size
   and takes the room from the client area. */
static void OnMetricsChange()
{
    FitLayoutInClientArea();
}

static void OnDestroy()
{
    FreePicture();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        InitCatalogue();
        break;
    case WM_PAINT:
        OnPaint(window);
        break;
    case WM_COMMAND:
        OnCommand(window, wParam);
        break;
    case WM_LBUTTONUP:
        OnLButtonUp(window, lParam);
        break;
    case WM_SETFOCUS:
        OnSetFocus();
        break;
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
    case WM_DISPLAYCHANGE:
        OnMetricsChange();
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
