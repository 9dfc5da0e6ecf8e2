/* The process-wide state of the viewer: handles, the selected entry and form, the view flags.
   One set of globals, alive for the whole run, read and written by every module. */
#ifndef ZORAVEL_APP_STATE_H
#define ZORAVEL_APP_STATE_H

#include <windows.h>

/* What the list box was last filled with: a refill with the same keeps the user's place in it. */
struct ListFill {
    unsigned entry;
    int form;
    int movesView;
    int machinesView;
};

struct AppState {
    HINSTANCE instance;
    HWND mainWindow;
    HFONT textFont;
    HWND entryCombo;
    HWND entryEdit;        /* the combo box's edit field */
    WNDPROC entryEditProc; /* the edit field's own procedure */
    HWND moveListBox;
    HWND formButton;
    unsigned EntryIndex;
    int FormIndex;
    int infoView;
    int evolutionView;
    int movesView;
    int machinesView;
    ListFill listFill;
    int unnamedText; /* the entry box's text names no entry: drawn in a colour of its own */
};

extern AppState app;

#endif
