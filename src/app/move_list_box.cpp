/* Filling the list box of the moves and machines views from the catalogue's list strings.
   The parsing lives in list_strings; here its lines become LB_ADDSTRING calls. */
#include "app/move_list_box.h"

#include "catalogue/catalogue.h"
#include "catalogue/list_strings.h"
#include "state/app_state.h"

static void AddListLine(const char *line, void *context)
{
    (void)context;
    SendMessageA(app.moveListBox, LB_ADDSTRING, 0, (LPARAM)line);
}

static bool SameAsLastFill()
{
    const ListFill &last = app.listFill;
    return last.entry == app.EntryIndex && last.form == app.FormIndex && last.movesView == app.movesView &&
           last.machinesView == app.machinesView;
}

static void Fill(bool keepPlace)
{
    /* A shown list box would repaint after every added line; let it paint once, when full.
       A hidden one is left alone: turning redrawing back on would show it. */
    bool shown = IsWindowVisible(app.moveListBox) != FALSE;
    if (shown)
        SendMessageA(app.moveListBox, WM_SETREDRAW, FALSE, 0);

    keepPlace = keepPlace && SameAsLastFill();
    LRESULT top = SendMessageA(app.moveListBox, LB_GETTOPINDEX, 0, 0);
    LRESULT selected = SendMessageA(app.moveListBox, LB_GETCURSEL, 0, 0);
    SendMessageA(app.moveListBox, LB_RESETCONTENT, 0, 0);
    if (app.EntryIndex == FORM_ENTRY)
        moveListText[EntrySlot(FORM_ENTRY)] = formMoveListText[app.FormIndex];

    unsigned slot = EntrySlot(app.EntryIndex);
    if (app.movesView)
        WalkMoveList(moveListText[slot], AddListLine, NULL);
    else if (app.machinesView)
        WalkMachineList(machineListText[slot], AddListLine, NULL);
    /* Selecting scrolls the row into view: the top line is set after it. */
    if (keepPlace) {
        SendMessageA(app.moveListBox, LB_SETCURSEL, (WPARAM)selected, 0);
        SendMessageA(app.moveListBox, LB_SETTOPINDEX, (WPARAM)top, 0);
    }
    app.listFill = {app.EntryIndex, app.FormIndex, app.movesView, app.machinesView};

    if (shown) {
        SendMessageA(app.moveListBox, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(app.moveListBox, NULL, TRUE);
    }
}

void FillMoveList()
{
    Fill(false);
}

void RefillMoveList()
{
    Fill(true);
}
