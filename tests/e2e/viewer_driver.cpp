/* Drives the real ZoravelD.exe from another process through Wine's input path and screen.
   Only Wine's own start-up is waited on with retries; the viewer's behaviour never is. */
#include "viewer_driver.h"

#include "top_down_dib.h"

#include <stdlib.h>

static const char VIEWER_CLASS[] = "Zoravel 4th by tobrik";
static const int IDC_ENTRY_COMBO = 1002, IDC_MOVE_LIST = 1003, IDC_FORM_BUTTON = 1004;

/* A Unix path from the build (/tmp/x/ZoravelD.exe) reaches Wine's programs through drive Z:. */
static std::wstring WindowsPath(const char *path)
{
    std::string converted = path;
    if (!converted.empty() && converted[0] == '/')
        converted = "Z:" + converted;
    for (char &c : converted)
        if (c == '/')
            c = '\\';
    return std::wstring(converted.begin(), converted.end());
}

bool StartViewer(Viewer &viewer, std::string &reason, int showCommand)
{
    viewer = Viewer();
    const char *exe = getenv("ZORAVEL_EXE");
    if (!exe || !*exe) {
        reason = "ZORAVEL_EXE does not name the program";
        return false;
    }
    std::wstring commandLine = L"\"" + WindowsPath(exe) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (showCommand != NO_SHOW_COMMAND) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = (WORD)showCommand;
    }
    /* Wine itself now and then fails to start a process on a loaded machine: retried, within the limit. */
    DWORD start = GetTickCount();
    while (
        !CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &viewer.process)) {
        if (GetTickCount() - start >= WAIT_LIMIT_MS) {
            reason = "CreateProcess failed for " + std::string(exe) + " with error " +
                     std::to_string(GetLastError());
            return false;
        }
        Sleep(POLL_STEP_MS);
    }
    /* The window exists before the controls; the viewer is ready once it waits for input. */
    start = GetTickCount();
    while (GetTickCount() - start < WAIT_LIMIT_MS) {
        HWND window = FindWindowA(VIEWER_CLASS, NULL);
        if (window && GetDlgItem(window, IDC_FORM_BUTTON)) {
            viewer.window = window;
            viewer.combo = GetDlgItem(window, IDC_ENTRY_COMBO);
            viewer.comboEdit = GetWindow(viewer.combo, GW_CHILD);
            viewer.listBox = GetDlgItem(window, IDC_MOVE_LIST);
            viewer.formButton = GetDlgItem(window, IDC_FORM_BUTTON);
            break;
        }
        if (WaitForSingleObject(viewer.process.hProcess, POLL_STEP_MS) == WAIT_OBJECT_0) {
            reason = "the viewer ended before its window was ready";
            return false;
        }
    }
    if (!viewer.window) {
        reason = "no viewer window within the wait limit";
        return false;
    }
    if (WaitForInputIdle(viewer.process.hProcess, WAIT_LIMIT_MS) != 0) {
        reason = "the viewer did not become idle";
        return false;
    }
    SyncWithViewer(viewer);
    return true;
}

void DisposeViewer(Viewer &viewer)
{
    if (viewer.process.hProcess) {
        if (WaitForSingleObject(viewer.process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(viewer.process.hProcess, 99);
            WaitForSingleObject(viewer.process.hProcess, WAIT_LIMIT_MS);
        }
        CloseHandle(viewer.process.hProcess);
        CloseHandle(viewer.process.hThread);
    }
    viewer = Viewer();
}

int WaitForExit(Viewer &viewer)
{
    if (WaitForSingleObject(viewer.process.hProcess, WAIT_LIMIT_MS) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(viewer.process.hProcess, &code);
    return (int)code;
}

static void SendMouse(DWORD flags, int screenX, int screenY)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    /* Absolute input spans 0..65535 over the primary screen. */
    input.mi.dx = MulDiv(screenX, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screenY, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    SendInput(1, &input, sizeof input);
}

static GUITHREADINFO InputState(const Viewer &viewer)
{
    GUITHREADINFO state = {};
    state.cbSize = sizeof state;
    GetGUIThreadInfo(viewer.process.dwThreadId, &state);
    return state;
}

bool WaitForCapture(const Viewer &viewer, HWND capture)
{
    return PollUntil([&] { return InputState(viewer).hwndCapture == capture; });
}

bool HasFocus(const Viewer &viewer, HWND focus)
{
    return InputState(viewer).hwndFocus == focus;
}

bool WaitForFocus(const Viewer &viewer, HWND focus)
{
    return PollUntil([&] { return InputState(viewer).hwndFocus == focus; });
}

void PointClient(const Viewer &viewer, HWND window, int x, int y, HWND capture)
{
    /* A click sent while another window holds the capture would land there; the test then fails. */
    WaitForCapture(viewer, capture);
    POINT point = {x, y};
    ClientToScreen(window, &point);
    SendMouse(MOUSEEVENTF_MOVE, point.x, point.y);
}

void PressLeftButton()
{
    POINT point;
    GetCursorPos(&point);
    SendMouse(MOUSEEVENTF_LEFTDOWN, point.x, point.y);
    SendMouse(MOUSEEVENTF_LEFTUP, point.x, point.y);
}

void ClickClient(const Viewer &viewer, HWND window, int x, int y, HWND capture)
{
    PointClient(viewer, window, x, y, capture);
    PressLeftButton();
}

static void SendKey(WORD virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = (WORD)MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    const bool extended = virtualKey == VK_HOME || virtualKey == VK_END || virtualKey == VK_UP ||
                          virtualKey == VK_DOWN || virtualKey == VK_LEFT || virtualKey == VK_RIGHT ||
                          virtualKey == VK_PRIOR || virtualKey == VK_NEXT;
    if (extended)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &input, sizeof input);
}

void PressKey(WORD virtualKey)
{
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

void PressKeyWith(WORD modifier, WORD virtualKey)
{
    SendKey(modifier, false);
    PressKey(virtualKey);
    SendKey(modifier, true);
}

void TypeText(const char *text)
{
    for (const char *c = text; *c; ++c)
        if (*c >= 'A' && *c <= 'Z')
            PressKeyWith(VK_SHIFT, (WORD)*c);
        else if (*c >= 'a' && *c <= 'z')
            PressKey((WORD)(*c - 'a' + 'A'));
        else if ((*c >= '0' && *c <= '9') || *c == ' ')
            PressKey((WORD)*c);
        else if (*c == '.')
            PressKey(VK_OEM_PERIOD);
}

void SyncWithViewer(const Viewer &viewer)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(viewer.window, WM_NULL, 0, 0, SMTO_NORMAL, WAIT_LIMIT_MS, &result);
}

Shot CaptureClient(HWND window)
{
    Shot shot;
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    shot.width = client.right;
    shot.height = client.bottom;

    BITMAPINFO info = TopDownInfo(shot.width, shot.height);
    void *bits = NULL;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ canvasOld = SelectObject(memory, canvas);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const DWORD *row = (const DWORD *)bits;
    shot.pixels.resize((size_t)shot.width * shot.height);
    for (size_t i = 0; i < shot.pixels.size(); ++i) {
        DWORD pixel = row[i]; /* 0x00RRGGBB in a DIB */
        shot.pixels[i] = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    SelectObject(memory, canvasOld);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return shot;
}

std::vector<std::wstring> ListBoxLines(HWND listBox)
{
    std::vector<std::wstring> lines;
    LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
        if (length < 0 || length > 255) {
            lines.push_back(L"<bad length>");
            continue;
        }
        wchar_t text[256] = {};
        SendMessageW(listBox, LB_GETTEXT, i, (LPARAM)text);
        lines.push_back(text);
    }
    return lines;
}
