/* Start-up of the viewer: the state, the window class, the main window and its controls.
   WinMain only calls RunZoravel, so tests can drive the very same steps. */
#include "app/app_state.h"

#include "catalogue/catalogue.h"
#include "draw/layout.h"
#include "resource.h"

#include <windowsx.h>

#include <string.h>

AppState app;

const char MAIN_CLASS_NAME[] = "Zoravel 4th by tobrik";
const char MAIN_WINDOW_TITLE[] = "Zoravel 4th 2.0";

static const char NO_CLASS_TEXT[] = "This program requires Windows NT!";

/* Controls: the combo box height includes its dropped-down list. */
static const int COMBO_X = 120, COMBO_Y = 33, COMBO_WIDTH = 120, COMBO_HEIGHT = 200;
static const int LIST_X = 31, LIST_Y = 292, LIST_WIDTH = 240, LIST_HEIGHT = 130;
static const int FORM_BUTTON_X = 215, FORM_BUTTON_Y = 150, FORM_BUTTON_SIZE = 25;

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

/* Room for the edit field's text, which holds no more than its width shows. */
static const int EDIT_TEXT_SIZE = 256;

/* The field has no horizontal scrolling: it refuses a character its text would not fit with. */
static bool FitsInEditField(HWND edit, char character)
{
    char text[EDIT_TEXT_SIZE];
    int length = GetWindowTextA(edit, text, EDIT_TEXT_SIZE);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    /* Anything unexpected is left to the field's own judgement. */
    if (length >= EDIT_TEXT_SIZE - 1 || start > end || end > (DWORD)length)
        return true;
    memmove(text + start + 1, text + end, length - end + 1);
    text[start] = character;

    HDC dc = GetDC(edit);
    HFONT font = GetWindowFont(edit);
    HFONT fontOld = font ? SelectFont(dc, font) : NULL;
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, length - (int)(end - start) + 1, &extent);
    if (font)
        SelectFont(dc, fontOld);
    ReleaseDC(edit, dc);
    RECT format;
    SendMessageA(edit, EM_GETRECT, 0, (LPARAM)&format);
    return extent.cx <= format.right - format.left;
}

/* Characters the edit field would refuse or has no use for, which Windows answers with a beep outside
   a dialog. Only the characters stop here: the key-down messages pass, so F4 still opens the list. */
static bool StopsBeforeEditField(HWND edit, WPARAM character)
{
    if (character == '\t' || character == '\n')
        return true;
    /* A dropped list takes Enter and Escape from its edit field (Wine closes it on the character). */
    if (character == '\r' || character == VK_ESCAPE)
        return !SendMessageA(app.entryCombo, CB_GETDROPPEDSTATE, 0, 0);
    if (character >= ' ' && character != 0x7F)
        return !FitsInEditField(edit, (char)character);
    return false;
}

static LRESULT CALLBACK EntryEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && StopsBeforeEditField(edit, wParam))
        return 0;
    return CallWindowProcA(app.entryEditProc, edit, message, wParam, lParam);
}

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
    COMBOBOXINFO comboInfo = {};
    comboInfo.cbSize = sizeof comboInfo;
    if (GetComboBoxInfo(app.entryCombo, &comboInfo) && comboInfo.hwndItem)
        app.entryEditProc =
            (WNDPROC)SetWindowLongPtrA(comboInfo.hwndItem, GWLP_WNDPROC, (LONG_PTR)EntryEditProc);
    /* Focuses the box's edit field; the box's CBN_SETFOCUS then redraws with the new font. */
    SendMessageA(app.entryCombo, WM_SETFOCUS, 0, 0);

    app.moveListBox = CreateChild("LISTBOX", "", WS_CHILD | WS_VSCROLL, LIST_X, LIST_Y, LIST_WIDTH,
                                  LIST_HEIGHT, IDC_MOVE_LIST);
    app.formButton = CreateChild("BUTTON", ">>", WS_CHILD, FORM_BUTTON_X, FORM_BUTTON_Y, FORM_BUTTON_SIZE,
                                 FORM_BUTTON_SIZE, IDC_FORM_BUTTON);
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

int RunMessageLoop()
{
    MSG msg;
    /* -1 (an invalid call) keeps the loop going like any other non-zero result. */
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
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
