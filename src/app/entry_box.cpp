/* The entry box's edit field: the characters it refuses, the view keys, and the entry its text or its
   list picks. Only WM_CHAR stops in the field; the view keys are taken from the queue, as accelerators. */
#include "app/entry_box.h"

#include "app/app_state.h"
#include "catalogue/catalogue.h"
#include "catalogue/typed_name.h"
#include "resource.h"

#include <windowsx.h>

#include <string.h>

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

/* The keys tabbed windows step through their tabs with: Ctrl+Tab and Ctrl+PageDown to the next,
   Ctrl+Shift+Tab and Ctrl+PageUp to the previous one. 0 for any other key. */
static int ViewKeyCommand(WPARAM key)
{
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
        return 0;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    if (key == VK_TAB)
        return shift ? IDM_PREVIOUS_VIEW : IDM_NEXT_VIEW;
    if (shift)
        return 0;
    if (key == VK_NEXT)
        return IDM_NEXT_VIEW;
    if (key == VK_PRIOR)
        return IDM_PREVIOUS_VIEW;
    return 0;
}

/* Taken before TranslateMessage, as an accelerator is: whichever control has the focus, the key makes no
   character and no beep. A dropped list is closed first: the view then follows the entry it picked. */
bool TranslateViewKey(const MSG *msg)
{
    if (msg->message != WM_KEYDOWN || (msg->hwnd != app.mainWindow && !IsChild(app.mainWindow, msg->hwnd)))
        return false;
    int command = ViewKeyCommand(msg->wParam);
    if (!command)
        return false;
    if (SendMessageA(app.entryCombo, CB_GETDROPPEDSTATE, 0, 0))
        SendMessageA(app.entryCombo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(command, 1), 0);
    return true;
}

static LRESULT CALLBACK EntryEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && StopsBeforeEditField(edit, wParam))
        return 0;
    return CallWindowProcA(app.entryEditProc, edit, message, wParam, lParam);
}

void FilterEntryBoxKeys()
{
    COMBOBOXINFO comboInfo = {};
    comboInfo.cbSize = sizeof comboInfo;
    if (GetComboBoxInfo(app.entryCombo, &comboInfo) && comboInfo.hwndItem)
        app.entryEditProc =
            (WNDPROC)SetWindowLongPtrA(comboInfo.hwndItem, GWLP_WNDPROC, (LONG_PTR)EntryEditProc);
}

/* Room for what the edit field holds: a name and the blanks a user may type around it. */
static const int TYPED_TEXT_SIZE = 64;

/* The selected entry. Typing in the edit field leaves no selection (CB_ERR): then the entry the
   typed text names, else the one shown so far. The field itself is left as the user typed it. */
unsigned ChosenEntry()
{
    LRESULT selection = SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0);
    if (selection >= 0 && selection < ENTRY_COUNT)
        return (unsigned)selection;
    char typed[TYPED_TEXT_SIZE];
    /* Longer text would be cut here and could then look like a name. */
    if (GetWindowTextLengthA(app.entryCombo) >= TYPED_TEXT_SIZE)
        return app.EntryIndex;
    GetWindowTextA(app.entryCombo, typed, TYPED_TEXT_SIZE);
    int named = EntryNamed(typed);
    return named == NO_ENTRY ? app.EntryIndex : (unsigned)named;
}
