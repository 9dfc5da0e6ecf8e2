/* Drives the real ZoravelD.exe from another process: starts it, clicks and types through the
   system's input path, reads the screen and the controls, and waits for it to end. */
#ifndef ZORAVEL_E2E_VIEWER_DRIVER_H
#define ZORAVEL_E2E_VIEWER_DRIVER_H

#include <windows.h>

#include <string>
#include <vector>

/* Upper bound for anything the viewer or Wine is waited for, and how often it is looked at. */
const DWORD WAIT_LIMIT_MS = 10000;
const DWORD POLL_STEP_MS = 20;

/* Asks check() until it holds or the wait limit has passed; returns its last answer. */
template <typename Check> auto PollUntil(Check check) -> decltype(check())
{
    DWORD start = GetTickCount();
    auto answer = check();
    while (!answer && GetTickCount() - start < WAIT_LIMIT_MS) {
        Sleep(POLL_STEP_MS);
        answer = check();
    }
    return answer;
}

/* The running viewer: its process and the windows a person sees. */
struct Viewer {
    PROCESS_INFORMATION process;
    HWND window;
    HWND combo;
    HWND comboEdit;
    HWND listBox;
    HWND formButton;
};

/* The starter gives no show command (the program's WinMain then gets SW_SHOWDEFAULT). */
const int NO_SHOW_COMMAND = -1;

/* Starts the program named by ZORAVEL_EXE, with the show command a shortcut would give it, and waits
   until its window and controls exist and it waits for input. Returns false with a reason when it does
   not get there in time. */
bool StartViewer(Viewer &viewer, std::string &reason, int showCommand = NO_SHOW_COMMAND);
/* Ends a viewer that a test left running (after a failure) and closes the handles. */
void DisposeViewer(Viewer &viewer);
/* Waits for the process to end; returns its exit code, or -1 after the wait limit. */
int WaitForExit(Viewer &viewer);

/* Wine routes input when it is queued: mouse input to the window holding the capture, else to
   the one under the pointer; keys to the focus. So each input waits for the state it needs. */
bool WaitForCapture(const Viewer &viewer, HWND capture);
bool WaitForFocus(const Viewer &viewer, HWND focus);
bool HasFocus(const Viewer &viewer, HWND focus);

/* Input as a person gives it: once the viewer's mouse capture is as given (none by default), the
   pointer moves to client point (x, y) of a window and clicks. */
void ClickClient(const Viewer &viewer, HWND window, int x, int y, HWND capture = NULL);
/* The two halves of a click: the pointer moved there, and the left button pressed where it is. */
void PointClient(const Viewer &viewer, HWND window, int x, int y, HWND capture = NULL);
void PressLeftButton();
void PressKey(WORD virtualKey);
void PressKeyWith(WORD modifier, WORD virtualKey);
/* Letters, digits, blanks and full stops as key strokes (shift for capitals). */
void TypeText(const char *text);

/* Returns once the viewer has handled everything queued before the call. */
void SyncWithViewer(const Viewer &viewer);

/* The client area of a window as the screen shows it, 0x00BBGGRR per pixel. */
struct Shot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const
    {
        return pixels[(size_t)y * width + x];
    }
};
Shot CaptureClient(HWND window);

/* The list box's lines, read with the wide messages (the narrow ones are garbled across processes). */
std::vector<std::wstring> ListBoxLines(HWND listBox);

#endif
