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
    WNDPROC entryEditProc; /* the combo box's edit field's own procedure */
    HWND moveListBox;
    HWND formButton;
    unsigned EntryIndex;
    int FormIndex;
    int infoView;
    int evolutionView;
    int movesView;
    int machinesView;
    ListFill listFill;
};

extern AppState app;

extern const char MAIN_CLASS_NAME[];
extern const char MAIN_WINDOW_TITLE[];

/* Window geometry: a fixed outer size at a fixed place, grown only when a larger frame would
   clip the layout. */
const int MAIN_WINDOW_X = 250;
const int MAIN_WINDOW_Y = 20;
const int MAIN_WINDOW_WIDTH = 309;
const int MAIN_WINDOW_HEIGHT = 495;
const DWORD MAIN_WINDOW_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

/* Exit code when the main window cannot be created: there is no window to end a message loop. */
const int EXIT_NO_WINDOW = 1;

/* The start-up steps, in the order WinMain runs them. */
void InitAppState(HINSTANCE instance);
ATOM RegisterMainClass();
void ReportNoClass();
HWND CreateMainWindow();
/* Grows the window until its client area holds the layout; never shrinks it. */
void FitLayoutInClientArea();
/* Shows and paints the window as the starter asks, except that it is never maximized. */
void ShowMainWindow(int showCommand);
void CreateControls();
int RunMessageLoop();

/* The whole program: returns the process exit code. */
int RunZoravel(HINSTANCE instance, int showCommand);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
