/* Start-up of the viewer: the state's first values, the window class, the main window, its show and
   the message loop. WinMain only calls RunZoravel, so tests can drive the very same steps. */
#include "app/startup.h"

#include "app/control_keys.h"
#include "app/controls.h"
#include "app/entry_box.h"
#include "app/window_proc.h"
#include "resource.h"
#include "state/app_state.h"

#include <windowsx.h>

const char MAIN_CLASS_NAME[] = "Zoravel 4th by tobrik";
const char MAIN_WINDOW_TITLE[] = "Zoravel 4th 2.0";

static const char NO_CLASS_TEXT[] = "This program requires Windows NT!";

void InitAppState(HINSTANCE instance)
{
    app.instance = instance;
    app.EntryIndex = 0;
    app.infoView = 1;
    app.movesView = 0;
    app.machinesView = 0;
    app.evolutionView = 0;
}

ATOM RegisterMainClass()
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = app.instance;
    windowClass.hIcon = LoadIconA(app.instance, MAKEINTRESOURCEA(IDI_MAIN));
    windowClass.hCursor = LoadCursorA(NULL, MAKEINTRESOURCEA(32512)); /* IDC_ARROW */
    windowClass.hbrBackground = GetStockBrush(WHITE_BRUSH);
    windowClass.lpszMenuName = NULL;
    windowClass.lpszClassName = MAIN_CLASS_NAME;
    return RegisterClassA(&windowClass);
}

void ReportNoClass()
{
    MessageBoxA(NULL, NO_CLASS_TEXT, MAIN_CLASS_NAME, MB_ICONERROR);
}

HWND CreateMainWindow()
{
    /* WM_CREATE fills the catalogue inside this call. */
    app.mainWindow =
        CreateWindowExA(0, MAIN_CLASS_NAME, MAIN_WINDOW_TITLE, MAIN_WINDOW_STYLE, MAIN_WINDOW_X,
                        MAIN_WINDOW_Y, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT, NULL, NULL, app.instance, NULL);
    if (app.mainWindow)
        FitLayoutInClientArea();
    return app.mainWindow;
}

/* The fixed layout has no use for a maximized window (Windows maximizes it even without a maximize
   box). SW_RESTORE shows it normally; SW_SHOWNORMAL would not do: the process's first show of a
   captioned window turns SW_SHOWNORMAL and SW_SHOW into the starter's command, maximized included. */
static int NeverMaximized(int showCommand)
{
    if (showCommand == SW_SHOWDEFAULT) {
        STARTUPINFOA startup;
        GetStartupInfoA(&startup);
        showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    }
    return showCommand == SW_SHOWMAXIMIZED ? SW_RESTORE : showCommand;
}

void ShowMainWindow(int showCommand)
{
    ShowWindow(app.mainWindow, NeverMaximized(showCommand));
    /* Undoes a maximize by a Windows version that gives the first show the starter's command anyway. */
    if (IsZoomed(app.mainWindow))
        ShowWindow(app.mainWindow, SW_RESTORE);
    UpdateWindow(app.mainWindow);
}

void DispatchViewerMessage(MSG *msg)
{
    /* The view keys go before TranslateMessage, as accelerators do, and Tab as a dialog box takes it:
       they make no character. */
    if (TranslateViewKey(msg) || TranslateControlKey(msg))
        return;
    TranslateMessage(msg);
    DispatchMessageA(msg);
    FollowMouseClick(msg);
}

int RunMessageLoop()
{
    MSG msg;
    /* -1 (an invalid call) keeps the loop going like any other non-zero result. */
    while (GetMessageA(&msg, NULL, 0, 0))
        DispatchViewerMessage(&msg);
    return (int)msg.wParam;
}

int RunZoravel(HINSTANCE instance, int showCommand)
{
    InitAppState(instance);
    if (!RegisterMainClass()) {
        ReportNoClass();
        return 0;
    }
    if (!CreateMainWindow())
        return EXIT_NO_WINDOW;
    ShowMainWindow(showCommand);
    CreateControls();
    return RunMessageLoop();
}
