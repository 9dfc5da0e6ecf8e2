/* The entry box's edit field: the characters it refuses, the view keys, and the entry its text or its
   list picks. Only WM_CHAR stops in the field; the view keys are taken from the queue, as accelerators. */
#include "app/entry_box.h"

#include "catalogue/catalogue.h"
#include "catalogue/typed_name.h"
#include "resource.h"
#include "state/app_state.h"

#include <windowsx.h>

#include <string.h>

/* Room for the edit field's text, which holds no more than its width shows. */
static const int EDIT_TEXT_SIZE = 256;

/* The field's text as it will be once the character replaces its selection, and whether the caret then
   stands at its end; -1 for anything unexpected, which is left to the field's own judgement. */
static int TextWithCharacter(HWND edit, char character, char (&text)[EDIT_TEXT_SIZE], bool &atEnd)
{
    int length = GetWindowTextA(edit, text, EDIT_TEXT_SIZE);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    if (length >= EDIT_TEXT_SIZE - 1 || start > end || end > (DWORD)length)
        return -1;
    memmove(text + start + 1, text + end, length - end + 1);
    text[start] = character;
    atEnd = end == (DWORD)length;
    return length - (int)(end - start) + 1;
}

/* The field has no horizontal scrolling: text wider than it would be partly hidden. */
static bool FitsInEditField(HWND edit, const char *text, int length)
{
    HDC dc = GetDC(edit);
    HFONT font = GetWindowFont(edit);
    HFONT fontOld = font ? SelectFont(dc, font) : NULL;
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &extent);
    if (font)
        SelectFont(dc, fontOld);
    ReleaseDC(edit, dc);
    RECT format;
    SendMessageA(edit, EM_GETRECT, 0, (LPARAM)&format);
    return extent.cx <= format.right - format.left;
}

/* The field refuses a character its text would not fit with. */
static bool CharacterFits(HWND edit, char character)
{
    char text[EDIT_TEXT_SIZE];
    bool atEnd = false;
    int length = TextWithCharacter(edit, character, text, atEnd);
    return length < 0 || FitsInEditField(edit, text, length);
}

/* Typing at the end of the text proposes the rest of the first name it begins, selected, so that typing
   on replaces it, as autocompleting boxes do. Backspace and Delete make no proposal: they type nothing. */
static bool TypeWithProposal(HWND edit, char character)
{
    char text[EDIT_TEXT_SIZE];
    bool atEnd = false;
    int length = TextWithCharacter(edit, character, text, atEnd);
    if (length < 0 || !atEnd)
        return false;
    int entry = EntryBegun(text);
    if (entry == NO_ENTRY)
        return false;
    int blanks = (int)strspn(text, " ");
    const char *rest = entryName[entry] + (length - blanks);
    int restLength = (int)strlen(rest);
    if (restLength == 0 || length + restLength >= EDIT_TEXT_SIZE)
        return false;
    strcpy(text + length, rest);
    if (!FitsInEditField(edit, text, length + restLength))
        return false;
    /* The typed character and the proposal as one change: the box notifies once, with the whole name. */
    char typed[EDIT_TEXT_SIZE];
    typed[0] = character;
    strcpy(typed + 1, rest);
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)typed);
    SendMessageA(edit, EM_SETSEL, (WPARAM)length, (LPARAM)(length + restLength));
    return true;
}

/* Enter keeps a proposal: the selection closes at the end of the name. */
static void KeepProposal(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    int length = GetWindowTextLengthA(edit);
    if (start < end && end == (DWORD)length)
        SendMessageA(edit, EM_SETSEL, (WPARAM)length, (LPARAM)length);
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
        return !CharacterFits(edit, (char)character);
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
    if (message == WM_CHAR) {
        if (wParam == '\r' && !SendMessageA(app.entryCombo, CB_GETDROPPEDSTATE, 0, 0))
            KeepProposal(edit);
        if (StopsBeforeEditField(edit, wParam))
            return 0;
        if (wParam > ' ' && wParam != 0x7F && TypeWithProposal(edit, (char)wParam))
            return 0;
    }
    return CallWindowProcA(app.entryEditProc, edit, message, wParam, lParam);
}

void FilterEntryBoxKeys()
{
    COMBOBOXINFO comboInfo = {};
    comboInfo.cbSize = sizeof comboInfo;
    if (GetComboBoxInfo(app.entryCombo, &comboInfo) && comboInfo.hwndItem) {
        app.entryEdit = comboInfo.hwndItem;
        app.entryEditProc = (WNDPROC)SetWindowLongPtrA(app.entryEdit, GWLP_WNDPROC, (LONG_PTR)EntryEditProc);
    }
}

/* Room for what the edit field holds: a name and the blanks a user may type around it. */
static const int TYPED_TEXT_SIZE = 64;

/* The selected entry. Typing in the edit field leaves no selection (CB_ERR): then the entry the typed
   text names by name or number, NO_ENTRY when it names none. The field is left as the user typed it. */
int EntryInBox()
{
    LRESULT selection = SendMessageA(app.entryCombo, CB_GETCURSEL, 0, 0);
    if (selection >= 0 && selection < ENTRY_COUNT)
        return (int)selection;
    char typed[TYPED_TEXT_SIZE];
    /* Longer text would be cut here and could then look like a name. */
    if (GetWindowTextLengthA(app.entryCombo) >= TYPED_TEXT_SIZE)
        return NO_ENTRY;
    GetWindowTextA(app.entryCombo, typed, TYPED_TEXT_SIZE);
    return EntryNamed(typed);
}

void MarkUnnamedText(bool unnamed)
{
    if (app.unnamedText == (int)unnamed)
        return;
    app.unnamedText = unnamed;
    /* The field draws only what changed; the whole text takes the new colour. */
    if (app.entryEdit)
        InvalidateRect(app.entryEdit, NULL, TRUE);
}
