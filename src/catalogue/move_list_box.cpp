/* Filling the list box of the moves and machines views from the catalogue's list strings.
   The parsing lives in list_strings; here its lines become LB_ADDSTRING calls. */
#include "catalogue/move_list_box.h"

#include "app/app_state.h"
#include "catalogue/catalogue.h"
#include "catalogue/list_strings.h"

static void AddListLine(const char *line, void *context)
{
    (void)context;
    SendMessageA(app.moveListBox, LB_ADDSTRING, 0, (LPARAM)line);
}

void FillMoveList()
{
    /* A shown list box would repaint after every added line; let it paint once, when full.
       A hidden one is left alone: turning redrawing back on would show it. */
    bool shown = IsWindowVisible(app.moveListBox) != FALSE;
    if (shown)
        SendMessageA(app.moveListBox, WM_SETREDRAW, FALSE, 0);

    SendMessageA(app.moveListBox, LB_RESETCONTENT, 0, 0);
    if (app.EntryIndex == FORM_ENTRY)
        moveListText[EntrySlot(FORM_ENTRY)] = formMoveListText[app.FormIndex];

    unsigned slot = EntrySlot(app.EntryIndex);
    if (app.movesView)
        WalkMoveList(moveListText[slot], AddListLine, NULL);
    else if (app.machinesView)
        WalkMachineList(machineListText[slot], AddListLine, NULL);

    if (shown) {
        SendMessageA(app.moveListBox, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(app.moveListBox, NULL, TRUE);
    }
}
