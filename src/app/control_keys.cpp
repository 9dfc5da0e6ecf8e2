/* Tab order and the form button's keys, taken from the message queue before translation as a dialog
   box takes them. The order is the controls' order on screen; hidden controls are passed over. */
#include "app/control_keys.h"

#include "resource.h"
#include "state/app_state.h"

static const int TAB_STOP_COUNT = 3;

/* Top to bottom: the entry box, the form button beside the picture, the list over the lower panel. */
static HWND TabStop(int i)
{
    HWND stops[TAB_STOP_COUNT] = {app.entryCombo, app.formButton, app.moveListBox};
    return stops[i];
}

/* The tab stop holding the focus (the entry box's edit field counts as the box); -1 for none. */
static int FocusedStop()
{
    HWND focus = GetFocus();
    for (int i = 0; i < TAB_STOP_COUNT; ++i)
        if (focus && TabStop(i) && (focus == TabStop(i) || IsChild(TabStop(i), focus)))
            return i;
    return -1;
}

static void MoveFocus(int step)
{
    int from = FocusedStop();
    if (from < 0)
        from = step > 0 ? TAB_STOP_COUNT - 1 : 0;
    for (int i = 1; i <= TAB_STOP_COUNT; ++i) {
        HWND stop = TabStop((from + step * i + TAB_STOP_COUNT * 2) % TAB_STOP_COUNT);
        if (stop && IsWindowVisible(stop)) {
            /* Keyboard use shows where the focus is, as in a dialog box. */
            SendMessageA(app.mainWindow, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            SetFocus(stop);
            return;
        }
    }
}

bool TranslateControlKey(const MSG *msg)
{
    if (msg->message != WM_KEYDOWN || (msg->hwnd != app.mainWindow && !IsChild(app.mainWindow, msg->hwnd)))
        return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    if (msg->wParam == VK_TAB) {
        /* A dropped list closes first and keeps what it picked. */
        if (SendMessageA(app.entryCombo, CB_GETDROPPEDSTATE, 0, 0))
            SendMessageA(app.entryCombo, CB_SHOWDROPDOWN, FALSE, 0);
        MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    }
    /* Enter presses the focused button, as Space does; the focus stays on it. */
    if (msg->wParam == VK_RETURN && msg->hwnd == app.formButton) {
        SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_FORM_BUTTON, BN_CLICKED),
                     (LPARAM)app.formButton);
        return true;
    }
    return false;
}

void FollowMouseClick(const MSG *msg)
{
    if (msg->message != WM_LBUTTONUP || msg->hwnd != app.formButton || !app.entryCombo ||
        GetFocus() != app.formButton)
        return;
    /* Its text selected, as Tab leaves it: what is typed next replaces it. */
    SetFocus(app.entryCombo);
    SendMessageA(app.entryCombo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}
