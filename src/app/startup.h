/* Start-up of the viewer: the window class, the main window, its show and the message loop.
   WinMain only calls RunZoravel, so tests can drive the very same steps. */
#ifndef ZORAVEL_STARTUP_H
#define ZORAVEL_STARTUP_H

#include <windows.h>

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

/* The start-up steps, in the order WinMain runs them; CreateControls comes between the show and
   the loop. */
void InitAppState(HINSTANCE instance);
ATOM RegisterMainClass();
void ReportNoClass();
HWND CreateMainWindow();
/* Shows and paints the window as the starter asks, except that it is never maximized. */
void ShowMainWindow(int showCommand);
/* One message of the loop: a view key as an accelerator, any other translated and dispatched. */
void DispatchViewerMessage(MSG *msg);
int RunMessageLoop();

/* The whole program: returns the process exit code. */
int RunZoravel(HINSTANCE instance, int showCommand);

#endif
