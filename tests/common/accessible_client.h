/* A screen reader's side of the viewer's accessible view, for the tests: the client object of a window
   and its properties read as plain values. The interface id is stated here (see the program's note on
   MinGW's static import of IID_IAccessible). */
#ifndef ZORAVEL_TEST_ACCESSIBLE_CLIENT_H
#define ZORAVEL_TEST_ACCESSIBLE_CLIENT_H

#include <windows.h>

#include <oleacc.h>

#include <string>

const GUID TEST_ACCESSIBLE_IID = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}
};

/* The client object's children in screen order, as the window lists them. */
enum ExpectedChild {
    EXPECTED_CHILD_ENTRY_BOX = 1,
    EXPECTED_CHILD_PICTURE,
    EXPECTED_CHILD_FORM_BUTTON,
    EXPECTED_CHILD_INFO_TAB,
    EXPECTED_CHILD_MOVES_TAB,
    EXPECTED_CHILD_MACHINES_TAB,
    EXPECTED_CHILD_PANEL_TEXT,
    EXPECTED_CHILD_MOVE_LIST,
    EXPECTED_CHILD_EVOLUTION_TAB,
    EXPECTED_CHILD_COUNT = EXPECTED_CHILD_EVOLUTION_TAB
};

/* The tab children by the tab's place in expectedTab (info, moves, machines, evolution). */
const long expectedTabChild[4] = {EXPECTED_CHILD_INFO_TAB, EXPECTED_CHILD_MOVES_TAB,
                                  EXPECTED_CHILD_MACHINES_TAB, EXPECTED_CHILD_EVOLUTION_TAB};

inline IAccessible *ClientObjectOf(HWND window)
{
    IAccessible *object = NULL;
    if (FAILED(
            AccessibleObjectFromWindow(window, (DWORD)OBJID_CLIENT, TEST_ACCESSIBLE_IID, (void **)&object)))
        return NULL;
    return object;
}

inline VARIANT ChildVariant(long child)
{
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

/* The name, or "<hr 0x...>" when the call fails, "<none>" when there is none. */
inline std::wstring NameOf(IAccessible *object, long child)
{
    BSTR name = NULL;
    HRESULT hr = object->get_accName(ChildVariant(child), &name);
    if (FAILED(hr))
        return L"<hr " + std::to_wstring((unsigned long)hr) + L">";
    if (!name)
        return L"<none>";
    std::wstring text(name, SysStringLen(name));
    SysFreeString(name);
    return text;
}

/* A role or state as a number; -1 when the answer is no number. */
inline long RoleOf(IAccessible *object, long child)
{
    VARIANT role;
    VariantInit(&role);
    if (object->get_accRole(ChildVariant(child), &role) != S_OK || role.vt != VT_I4) {
        VariantClear(&role);
        return -1;
    }
    return role.lVal;
}

inline long StateOf(IAccessible *object, long child)
{
    VARIANT state;
    VariantInit(&state);
    if (object->get_accState(ChildVariant(child), &state) != S_OK || state.vt != VT_I4) {
        VariantClear(&state);
        return -1;
    }
    return state.lVal;
}

/* A child's place on the screen. */
inline RECT LocationOf(IAccessible *object, long child)
{
    long left = 0, top = 0, width = 0, height = 0;
    RECT place = {-1, -1, -1, -1};
    if (object->accLocation(&left, &top, &width, &height, ChildVariant(child)) == S_OK)
        SetRect(&place, left, top, left + width, top + height);
    return place;
}

/* What a hit test at a screen point finds: a drawn child's id, or for a control the window of the
   object handed out (as a negative number would be ambiguous, the window is returned separately). */
struct Hit {
    long child; /* -1 when an object came back */
    HWND window;
};

inline Hit HitAt(IAccessible *object, int x, int y)
{
    VARIANT found;
    VariantInit(&found);
    Hit hit = {-2, NULL};
    if (object->accHitTest(x, y, &found) != S_OK)
        return hit;
    if (found.vt == VT_I4) {
        hit.child = found.lVal;
    } else if (found.vt == VT_DISPATCH && found.pdispVal) {
        hit.child = -1;
        IAccessible *accessible = NULL;
        if (SUCCEEDED(found.pdispVal->QueryInterface(TEST_ACCESSIBLE_IID, (void **)&accessible))) {
            WindowFromAccessibleObject(accessible, &hit.window);
            accessible->Release();
        }
    }
    VariantClear(&found);
    return hit;
}

/* The window of the object a child id hands out (the controls'), NULL for a drawn child. */
inline HWND ChildWindowOf(IAccessible *object, long child)
{
    IDispatch *dispatch = NULL;
    HWND window = NULL;
    if (object->get_accChild(ChildVariant(child), &dispatch) == S_OK && dispatch) {
        IAccessible *accessible = NULL;
        if (SUCCEEDED(dispatch->QueryInterface(TEST_ACCESSIBLE_IID, (void **)&accessible))) {
            WindowFromAccessibleObject(accessible, &window);
            accessible->Release();
        }
        dispatch->Release();
    }
    return window;
}

#endif
