/* The main window's procedure: the one dispatcher of the viewer, and its view modes.
   Every message, handled or not, goes on to DefWindowProcA. */
#include "app/window_proc.h"

#include "access/accessible_view.h"
#include "app/entry_box.h"
#include "app/move_list_box.h"
#include "catalogue/catalogue.h"
#include "catalogue/typed_name.h"
#include "draw/evolution_panel.h"
#include "draw/info_panel.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "draw/picture.h"
#include "resource.h"
#include "state/app_state.h"

#include <windowsx.h>

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

static void OnEntryCombo()
{
    /* Text that names nothing keeps the entry shown so far. */
    int chosen = EntryInBox();
    MarkUnnamedText(chosen == NO_ENTRY);
    unsigned shown = app.EntryIndex;
    if (chosen != NO_ENTRY)
        app.EntryIndex = (unsigned)chosen;
    /* After every notification: picks with the keyboard notify no selection change. */
    if (app.EntryIndex != FORM_ENTRY)
        ShowWindow(app.formButton, SW_HIDE);
    DrawHeader(app.EntryIndex + IDB_PICTURE_BASE);
    RedrawCurrentView();
    if (app.EntryIndex == FORM_ENTRY)
        ShowWindow(app.formButton, SW_SHOW);
    if (app.EntryIndex != shown)
        AnnounceEntry();
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
    if (notification == BN_CLICKED)
        AnnounceForm();
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
    AnnounceView();
}

/* The view keys step through the tabs in their order on screen, which TabKind follows, and round
   again; the tab they land on is clicked. */
static void OnViewKey(HWND window, int step)
{
    TabKind next = (TabKind)((ShownTab() + step + TAB_COUNT) % TAB_COUNT);
    for (const TabClick &click : tabClicks)
        if (click.tab == next)
            OnTabClick(window, click);
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
    case IDM_NEXT_VIEW:
        OnViewKey(window, 1);
        break;
    case IDM_PREVIOUS_VIEW:
        OnViewKey(window, -1);
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

/* The frame takes what the system's metrics say (caption font, padded borders), so the fixed
   outer size may leave too little inside: grow it by exactly what the layout lacks. */
void FitLayoutInClientArea()
{
    /* A minimized window has no client area to measure. */
    if (IsIconic(app.mainWindow))
        return;
    RECT client;
    GetClientRect(app.mainWindow, &client);
    int missingWidth = LAYOUT_WIDTH - client.right;
    int missingHeight = LAYOUT_HEIGHT - client.bottom;
    if (missingWidth <= 0 && missingHeight <= 0)
        return;
    RECT outer;
    GetWindowRect(app.mainWindow, &outer);
    int width = outer.right - outer.left + (missingWidth > 0 ? missingWidth : 0);
    int height = outer.bottom - outer.top + (missingHeight > 0 ? missingHeight : 0);
    SetWindowPos(app.mainWindow, NULL, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/* A new caption or border size (text size, high contrast, another display) keeps the outer size
   and takes the room from the client area. */
static void OnMetricsChange()
{
    FitLayoutInClientArea();
}

/* The entry box's text in its own colour while it names no entry; otherwise the system's colours. */
static LRESULT OnCtlColorEdit(HWND window, WPARAM wParam, LPARAM lParam)
{
    LRESULT brush = DefWindowProcA(window, WM_CTLCOLOREDIT, wParam, lParam);
    if ((HWND)lParam == app.entryEdit && app.unnamedText)
        SetTextColor((HDC)wParam, UNNAMED_TEXT_COLOUR);
    return brush;
}

static void OnDestroy()
{
    DisconnectAccessibleView();
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
    /* These two answer with results of their own, the system's where theirs is not wanted. */
    case WM_GETOBJECT:
        return AnswerGetObject(window, wParam, lParam);
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit(window, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
