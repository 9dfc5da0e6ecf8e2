/* The main window's child controls and the text font, created in the order the start needs.
   The list box and the form button start hidden; the window procedure shows them. */
#include "app/controls.h"

#include "app/entry_box.h"
#include "catalogue/catalogue.h"
#include "resource.h"
#include "state/app_state.h"

/* Controls: the combo box height includes its dropped-down list. */
static const int COMBO_X = 120, COMBO_Y = 33, COMBO_WIDTH = 120, COMBO_HEIGHT = 200;
static const int LIST_X = 31, LIST_Y = 292, LIST_WIDTH = 240, LIST_HEIGHT = 130;
static const int FORM_BUTTON_X = 215, FORM_BUTTON_Y = 150, FORM_BUTTON_SIZE = 25;

static HWND CreateChild(const char *className, const char *text, DWORD style, int x, int y, int width,
                        int height, int id)
{
    return CreateWindowExA(0, className, text, style, x, y, width, height, app.mainWindow, (HMENU)(INT_PTR)id,
                           app.instance, NULL);
}

void CreateControls()
{
    app.FormIndex = 0;

    /* East European charset: the panels' texts are Windows-1250 bytes on every system. */
    app.textFont =
        CreateFontA(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0, 0, "Arial");

    app.entryCombo = CreateChild("COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, COMBO_X,
                                 COMBO_Y, COMBO_WIDTH, COMBO_HEIGHT, IDC_ENTRY_COMBO);
    for (int entry = 0; entry < ENTRY_COUNT; ++entry)
        SendMessageA(app.entryCombo, CB_ADDSTRING, 0, (LPARAM)entryName[entry]);
    SendMessageA(app.entryCombo, CB_SETCURSEL, 0, 0);
    FilterEntryBoxKeys();
    /* Focuses the box's edit field; the box's CBN_SETFOCUS then redraws with the new font. */
    SendMessageA(app.entryCombo, WM_SETFOCUS, 0, 0);

    app.moveListBox = CreateChild("LISTBOX", "", WS_CHILD | WS_VSCROLL, LIST_X, LIST_Y, LIST_WIDTH,
                                  LIST_HEIGHT, IDC_MOVE_LIST);
    app.formButton = CreateChild("BUTTON", ">>", WS_CHILD, FORM_BUTTON_X, FORM_BUTTON_Y, FORM_BUTTON_SIZE,
                                 FORM_BUTTON_SIZE, IDC_FORM_BUTTON);
}
