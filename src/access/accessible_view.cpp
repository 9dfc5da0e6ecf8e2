/* The window's accessible view: a static IAccessible object with its own table of procedures, reading
   the shared state when asked, and the events that tell a screen reader what changed. No allocation
   of its own: only the strings and objects COM hands out. After WM_DESTROY every call answers an error. */
#define CINTERFACE
#define CONST_VTABLE
#include "access/accessible_view.h"

#include "access/spoken_panels.h"
#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "catalogue/picture_descriptions.h"
#include "draw/layout.h"
#include "draw/paint.h"
#include "resource.h"
#include "state/app_state.h"

#include <oleacc.h>

/* The interface ids, defined here: a static link can resolve the import library's IID_IAccessible to a
   jump stub, and LresultFromObject then fails for clients in other processes. */
static const GUID ACCESSIBLE_IID = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}
};
static const GUID DISPATCH_IID = {
    0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}
};
static const GUID UNKNOWN_IID = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}
};

static const int PICTURE_SIDE = 120; /* 80 by 80 at one and a half times */
static const UINT POLISH_CODE_PAGE = 1250;

/* The tabs' names in plain words, by TabKind. */
static const char *const tabNames[TAB_COUNT] = {"Opis", "Ataki", "TM i HM", "Ewolucja"};
static const char TAB_ACTION[] = "Przełącz";

static bool connected;  /* a window is there to answer for */
static bool handedOut;  /* marshalled to a client at least once: CoDisconnectObject has work to do */
static bool comStarted; /* this thread's COM was started here, for the first client */
static LONG clientObjectRefs = 1;

/* What a child id stands for: one of the three controls or a drawn part. */
static HWND ControlWindow(LONG child)
{
    switch (child) {
    case CHILD_ENTRY_BOX:
        return app.entryCombo;
    case CHILD_FORM_BUTTON:
        return app.formButton;
    case CHILD_MOVE_LIST:
        return app.moveListBox;
    default:
        return NULL;
    }
}

static bool IsControl(LONG child)
{
    return child == CHILD_ENTRY_BOX || child == CHILD_FORM_BUTTON || child == CHILD_MOVE_LIST;
}

/* The tab a child id stands for, or TAB_COUNT. */
static TabKind TabOf(LONG child)
{
    switch (child) {
    case CHILD_INFO_TAB:
        return TAB_INFO;
    case CHILD_MOVES_TAB:
        return TAB_MOVES;
    case CHILD_MACHINES_TAB:
        return TAB_MACHINES;
    case CHILD_EVOLUTION_TAB:
        return TAB_EVOLUTION;
    default:
        return TAB_COUNT;
    }
}

static LONG TabChild(TabKind tab)
{
    static const LONG tabChildren[TAB_COUNT] = {CHILD_INFO_TAB, CHILD_MOVES_TAB, CHILD_MACHINES_TAB,
                                                CHILD_EVOLUTION_TAB};
    return tabChildren[tab];
}

static bool PanelDrawn()
{
    return app.infoView || app.evolutionView;
}

/* The child id a VARIANT names: CHILDID_SELF or 1..ACCESSIBLE_CHILD_COUNT; -1 for anything else. */
static LONG ChildId(const VARIANT &child)
{
    if (child.vt != VT_I4 || child.lVal < CHILDID_SELF || child.lVal > ACCESSIBLE_CHILD_COUNT)
        return -1;
    return child.lVal;
}

/* Where a drawn child lies, in client coordinates. */
static RECT PartPlace(LONG child)
{
    RECT place = {0, 0, 0, 0};
    TabKind tab = TabOf(child);
    if (tab != TAB_COUNT) {
        const TabPlace &tabAt = tabPlace[tab];
        SetRect(&place, tabAt.x, tabAt.y, tabAt.x + TAB_WIDTH, tabAt.y + TAB_HEIGHT);
    } else if (child == CHILD_PICTURE) {
        SetRect(&place, PICTURE_X, PICTURE_Y, PICTURE_X + PICTURE_SIDE, PICTURE_Y + PICTURE_SIDE);
    } else if (child == CHILD_PANEL_TEXT) {
        place = LOWER_PANEL;
    } else if (child == CHILDID_SELF) {
        GetClientRect(app.mainWindow, &place);
    }
    return place;
}

/* The standard object of a control, as the standard client object hands out its child windows. */
static HRESULT ControlDispatch(LONG child, IDispatch **object)
{
    *object = NULL;
    HWND control = ControlWindow(child);
    if (!control)
        return S_FALSE;
    return AccessibleObjectFromWindow(control, (DWORD)OBJID_WINDOW, DISPATCH_IID, (void **)object);
}

/* What a control says of itself (its name, role, state, action): its standard client object. */
static IAccessible *ControlObject(LONG child)
{
    IAccessible *object = NULL;
    HWND control = ControlWindow(child);
    if (control &&
        FAILED(AccessibleObjectFromWindow(control, (DWORD)OBJID_CLIENT, ACCESSIBLE_IID, (void **)&object)))
        object = NULL;
    return object;
}

/* One of a control's own methods, asked of its standard object on the caller's behalf. */
template <typename Method, typename... Arguments>
static HRESULT AskControl(LONG child, Method IAccessibleVtbl::*method, Arguments... arguments)
{
    IAccessible *control = ControlObject(child);
    if (!control)
        return S_FALSE;
    HRESULT hr = (control->lpVtbl->*method)(control, arguments...);
    control->lpVtbl->Release(control);
    return hr;
}

static VARIANT SelfVariant()
{
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

/* A child as a navigation or hit test returns it: the control's object, or the id of a drawn part. */
static HRESULT ChildVariant(LONG child, VARIANT *result)
{
    VariantInit(result);
    if (IsControl(child)) {
        IDispatch *object = NULL;
        HRESULT hr = ControlDispatch(child, &object);
        if (hr != S_OK)
            return FAILED(hr) ? hr : S_FALSE;
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
    }
    result->vt = VT_I4;
    result->lVal = child;
    return S_OK;
}

/* Windows-1250 text as the BSTR a client frees; any length. */
static HRESULT ReturnText(const char *text, BSTR *result)
{
    int length = MultiByteToWideChar(POLISH_CODE_PAGE, 0, text, -1, NULL, 0);
    if (length <= 0)
        return E_FAIL;
    *result = SysAllocStringLen(NULL, (UINT)length - 1);
    if (!*result)
        return E_OUTOFMEMORY;
    MultiByteToWideChar(POLISH_CODE_PAGE, 0, text, -1, *result, length);
    return S_OK;
}
/* The picture's sentence; the name of the entry while its row is not written. */
static const char *PictureText()
{
    return app.EntryIndex == (unsigned)FORM_ENTRY ? formPictureDescription[app.FormIndex]
                                                  : pictureDescription[app.EntryIndex];
}

static void PanelText(char (&text)[SPOKEN_TEXT_SIZE])
{
    if (app.infoView) {
        SpokenInfoPanel(app.EntryIndex, app.FormIndex, text);
        return;
    }
    LineMarks lineMarks[2] = {};
    EvolutionMark marks[EVOLUTION_MARKS_MAX];
    int count = FindEvolutionMarks(app.EntryIndex, marks);
    /* A mark is drawn just above the line it marks. */
    for (int i = 0; i < count; ++i) {
        LineMarks &line = lineMarks[marks[i].y <= EVOLUTION_LINE1_Y ? 0 : 1];
        if (marks[i].bitmapId == IDB_SYMBOL_FEMALE)
            line.female = true;
        else if (marks[i].bitmapId == IDB_SYMBOL_MALE)
            line.male = true;
    }
    SpokenEvolutionNote(FindEvolutionNote(app.EntryIndex), lineMarks, text);
}

/* Every method starts here: an error once the window is gone, E_INVALIDARG for an id that names nothing. */
static HRESULT CheckChild(const VARIANT &child, LONG &id)
{
    id = -1;
    if (!connected)
        return CO_E_OBJNOTCONNECTED;
    id = ChildId(child);
    return id < 0 ? E_INVALIDARG : S_OK;
}

static HRESULT STDMETHODCALLTYPE QueryInterface(IAccessible *self, REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    if (!IsEqualGUID(iid, ACCESSIBLE_IID) && !IsEqualGUID(iid, DISPATCH_IID) &&
        !IsEqualGUID(iid, UNKNOWN_IID)) {
        *object = NULL;
        return E_NOINTERFACE;
    }
    *object = self;
    self->lpVtbl->AddRef(self);
    return S_OK;
}

/* The object is static: the count is kept for COM's sake, nothing is freed at zero. */
static ULONG STDMETHODCALLTYPE AddRef(IAccessible *)
{
    return (ULONG)InterlockedIncrement(&clientObjectRefs);
}

static ULONG STDMETHODCALLTYPE Release(IAccessible *)
{
    LONG refs = InterlockedDecrement(&clientObjectRefs);
    return refs > 0 ? (ULONG)refs : 0;
}

static HRESULT STDMETHODCALLTYPE GetTypeInfoCount(IAccessible *, UINT *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE GetTypeInfo(IAccessible *, UINT, LCID, ITypeInfo **info)
{
    if (info)
        *info = NULL;
    return E_NOTIMPL;
}

static HRESULT STDMETHODCALLTYPE GetIDsOfNames(IAccessible *, REFIID, LPOLESTR *, UINT, LCID, DISPID *)
{
    return E_NOTIMPL;
}

static HRESULT STDMETHODCALLTYPE Invoke(IAccessible *, DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                        EXCEPINFO *, UINT *)
{
    return E_NOTIMPL;
}

static HRESULT STDMETHODCALLTYPE GetParentObject(IAccessible *, IDispatch **parent)
{
    if (!parent)
        return E_POINTER;
    *parent = NULL;
    if (!connected)
        return CO_E_OBJNOTCONNECTED;
    return AccessibleObjectFromWindow(app.mainWindow, (DWORD)OBJID_WINDOW, DISPATCH_IID, (void **)parent);
}

static HRESULT STDMETHODCALLTYPE GetChildCount(IAccessible *, LONG *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    if (!connected)
        return CO_E_OBJNOTCONNECTED;
    *count = ACCESSIBLE_CHILD_COUNT;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE GetChild(IAccessible *, VARIANT child, IDispatch **object)
{
    if (!object)
        return E_POINTER;
    *object = NULL;
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    if (id == CHILDID_SELF)
        return E_INVALIDARG;
    /* Drawn parts are simple elements, answered by this object with their ids. */
    return IsControl(id) ? ControlDispatch(id, object) : S_FALSE;
}

static HRESULT STDMETHODCALLTYPE GetName(IAccessible *, VARIANT child, BSTR *name)
{
    if (!name)
        return E_POINTER;
    *name = NULL;
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    if (IsControl(id))
        return AskControl(id, &IAccessibleVtbl::get_accName, SelfVariant(), name);
    char text[SPOKEN_TEXT_SIZE];
    TabKind tab = TabOf(id);
    if (tab != TAB_COUNT)
        return ReturnText(tabNames[tab], name);
    if (id == CHILD_PICTURE)
        return ReturnText(PictureText(), name);
    if (id == CHILD_PANEL_TEXT) {
        /* In the list views the list box lies over the panel and speaks for itself. */
        if (!PanelDrawn())
            return S_FALSE;
        PanelText(text);
        return ReturnText(text, name);
    }
    SpokenEntry(app.EntryIndex, app.FormIndex, text);
    return ReturnText(text, name);
}

/* Properties the drawn parts do not have; a control answers for itself. */
typedef HRESULT(STDMETHODCALLTYPE *TextProperty)(IAccessible *, VARIANT, BSTR *);
typedef HRESULT(STDMETHODCALLTYPE *VariantProperty)(IAccessible *, VARIANT, VARIANT *);

static HRESULT NoTextProperty(const VARIANT &child, BSTR *text, TextProperty IAccessibleVtbl::*property)
{
    if (!text)
        return E_POINTER;
    *text = NULL;
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    if (!IsControl(id))
        return DISP_E_MEMBERNOTFOUND;
    return AskControl(id, property, SelfVariant(), text);
}

static HRESULT STDMETHODCALLTYPE GetValue(IAccessible *, VARIANT child, BSTR *value)
{
    return NoTextProperty(child, value, &IAccessibleVtbl::get_accValue);
}

static HRESULT STDMETHODCALLTYPE GetDescription(IAccessible *, VARIANT child, BSTR *description)
{
    return NoTextProperty(child, description, &IAccessibleVtbl::get_accDescription);
}

static HRESULT STDMETHODCALLTYPE GetHelp(IAccessible *, VARIANT child, BSTR *help)
{
    return NoTextProperty(child, help, &IAccessibleVtbl::get_accHelp);
}

static HRESULT STDMETHODCALLTYPE GetKeyboardShortcut(IAccessible *, VARIANT child, BSTR *shortcut)
{
    return NoTextProperty(child, shortcut, &IAccessibleVtbl::get_accKeyboardShortcut);
}

static HRESULT STDMETHODCALLTYPE GetDefaultAction(IAccessible *, VARIANT child, BSTR *action)
{
    if (connected && action && TabOf(ChildId(child)) != TAB_COUNT)
        return ReturnText(TAB_ACTION, action);
    return NoTextProperty(child, action, &IAccessibleVtbl::get_accDefaultAction);
}

static HRESULT STDMETHODCALLTYPE GetHelpTopic(IAccessible *, BSTR *file, VARIANT child, LONG *topic)
{
    if (!file || !topic)
        return E_POINTER;
    *file = NULL;
    *topic = 0;
    LONG id;
    HRESULT hr = CheckChild(child, id);
    return hr != S_OK ? hr : DISP_E_MEMBERNOTFOUND;
}

static LONG OwnRole(LONG child)
{
    if (TabOf(child) != TAB_COUNT)
        return ROLE_SYSTEM_PAGETAB;
    if (child == CHILD_PICTURE)
        return ROLE_SYSTEM_GRAPHIC;
    if (child == CHILD_PANEL_TEXT)
        return ROLE_SYSTEM_STATICTEXT;
    return ROLE_SYSTEM_CLIENT;
}

static LONG OwnState(LONG child)
{
    LONG flags = 0;
    if (!IsWindowVisible(app.mainWindow))
        flags |= STATE_SYSTEM_INVISIBLE;
    else if (IsIconic(app.mainWindow))
        flags |= STATE_SYSTEM_OFFSCREEN;
    TabKind tab = TabOf(child);
    if (tab != TAB_COUNT) {
        flags |= STATE_SYSTEM_SELECTABLE;
        if (tab == ShownTab())
            flags |= STATE_SYSTEM_SELECTED;
    } else if (child == CHILD_PICTURE) {
        flags |= STATE_SYSTEM_READONLY;
    } else if (child == CHILD_PANEL_TEXT) {
        flags |= PanelDrawn() ? STATE_SYSTEM_READONLY : STATE_SYSTEM_INVISIBLE;
    } else {
        flags |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == app.mainWindow)
            flags |= STATE_SYSTEM_FOCUSED;
    }
    return flags;
}

/* A role or state: the control's own, or the drawn part's from this object. */
static HRESULT AnswerNumber(const VARIANT &child, VARIANT *result, VariantProperty IAccessibleVtbl::*property,
                            LONG (*own)(LONG child))
{
    if (!result)
        return E_POINTER;
    VariantInit(result);
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    if (IsControl(id))
        return AskControl(id, property, SelfVariant(), result);
    result->vt = VT_I4;
    result->lVal = own(id);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE GetRole(IAccessible *, VARIANT child, VARIANT *role)
{
    return AnswerNumber(child, role, &IAccessibleVtbl::get_accRole, OwnRole);
}

static HRESULT STDMETHODCALLTYPE GetState(IAccessible *, VARIANT child, VARIANT *state)
{
    return AnswerNumber(child, state, &IAccessibleVtbl::get_accState, OwnState);
}

static HRESULT STDMETHODCALLTYPE GetFocusChild(IAccessible *, VARIANT *focus)
{
    if (!focus)
        return E_POINTER;
    VariantInit(focus);
    if (!connected)
        return CO_E_OBJNOTCONNECTED;
    HWND focused = GetFocus();
    if (focused && focused == app.mainWindow) {
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        return S_OK;
    }
    for (LONG child = 1; child <= ACCESSIBLE_CHILD_COUNT; ++child) {
        HWND control = ControlWindow(child);
        if (control && focused && (focused == control || IsChild(control, focused)))
            return ChildVariant(child, focus);
    }
    return S_FALSE;
}

static HRESULT STDMETHODCALLTYPE GetSelection(IAccessible *, VARIANT *selection)
{
    if (!selection)
        return E_POINTER;
    VariantInit(selection);
    if (!connected)
        return CO_E_OBJNOTCONNECTED;
    selection->vt = VT_I4;
    selection->lVal = TabChild(ShownTab());
    return S_OK;
}

/* A tab's default action is a click on it, through the window's own click handling. */
static void ClickTab(TabKind tab)
{
    const TabPlace &place = tabPlace[tab];
    SendMessageA(app.mainWindow, WM_LBUTTONUP, 0,
                 MAKELPARAM(place.x + TAB_WIDTH / 2, place.y + TAB_HEIGHT / 2));
}

static HRESULT STDMETHODCALLTYPE Select(IAccessible *, LONG flags, VARIANT child)
{
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    if (IsControl(id))
        return AskControl(id, &IAccessibleVtbl::accSelect, flags, SelfVariant());
    TabKind tab = TabOf(id);
    if (tab == TAB_COUNT)
        return DISP_E_MEMBERNOTFOUND;
    /* One tab is always selected: taking the selection is the only change a tab allows. */
    if (flags != SELFLAG_TAKESELECTION)
        return E_INVALIDARG;
    ClickTab(tab);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Location(IAccessible *, LONG *left, LONG *top, LONG *width, LONG *height,
                                          VARIANT child)
{
    if (!left || !top || !width || !height)
        return E_POINTER;
    *left = *top = *width = *height = 0;
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    RECT place = PartPlace(id);
    MapWindowPoints(app.mainWindow, NULL, (POINT *)&place, 2);
    /* A control lies where its window does. */
    if (IsControl(id) && (!ControlWindow(id) || !GetWindowRect(ControlWindow(id), &place)))
        return S_FALSE;
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE Navigate(IAccessible *, LONG direction, VARIANT start, VARIANT *end)
{
    if (!end)
        return E_POINTER;
    VariantInit(end);
    LONG id;
    HRESULT hr = CheckChild(start, id);
    if (hr != S_OK)
        return hr;
    LONG target = 0;
    switch (direction) {
    case NAVDIR_FIRSTCHILD:
        target = id == CHILDID_SELF ? 1 : 0;
        break;
    case NAVDIR_LASTCHILD:
        target = id == CHILDID_SELF ? ACCESSIBLE_CHILD_COUNT : 0;
        break;
    case NAVDIR_NEXT:
        target = id == CHILDID_SELF ? 0 : id + 1;
        break;
    case NAVDIR_PREVIOUS:
        target = id == CHILDID_SELF ? 0 : id - 1;
        break;
    case NAVDIR_UP:
    case NAVDIR_DOWN:
    case NAVDIR_LEFT:
    case NAVDIR_RIGHT:
        return DISP_E_MEMBERNOTFOUND;
    default:
        return E_INVALIDARG;
    }
    /* Past either end, or from the client to its siblings (its parent's business): nothing. */
    if (target < 1 || target > ACCESSIBLE_CHILD_COUNT)
        return S_FALSE;
    return ChildVariant(target, end);
}

static HRESULT STDMETHODCALLTYPE HitTest(IAccessible *, LONG x, LONG y, VARIANT *hit)
{
    if (!hit)
        return E_POINTER;
    VariantInit(hit);
    if (!connected)
        return CO_E_OBJNOTCONNECTED;
    POINT point = {x, y};
    ScreenToClient(app.mainWindow, &point);
    RECT client;
    GetClientRect(app.mainWindow, &client);
    if (!PtInRect(&client, point))
        return S_FALSE;
    /* The shown controls lie over the drawn parts. */
    HWND under = ChildWindowFromPointEx(app.mainWindow, point, CWP_SKIPINVISIBLE);
    for (LONG child = 1; child <= ACCESSIBLE_CHILD_COUNT; ++child)
        if (under && under != app.mainWindow && under == ControlWindow(child))
            return ChildVariant(child, hit);
    for (LONG child = 1; child <= ACCESSIBLE_CHILD_COUNT; ++child) {
        if (IsControl(child) || (child == CHILD_PANEL_TEXT && !PanelDrawn()))
            continue;
        RECT place = PartPlace(child);
        if (PtInRect(&place, point))
            return ChildVariant(child, hit);
    }
    return ChildVariant(CHILDID_SELF, hit);
}

static HRESULT STDMETHODCALLTYPE DoDefaultAction(IAccessible *, VARIANT child)
{
    LONG id;
    HRESULT hr = CheckChild(child, id);
    if (hr != S_OK)
        return hr;
    if (IsControl(id))
        return AskControl(id, &IAccessibleVtbl::accDoDefaultAction, SelfVariant());
    TabKind tab = TabOf(id);
    if (tab == TAB_COUNT)
        return DISP_E_MEMBERNOTFOUND;
    ClickTab(tab);
    return S_OK;
}

/* Names and values are the window's to say; clients cannot set them. */
static HRESULT STDMETHODCALLTYPE PutName(IAccessible *, VARIANT, BSTR)
{
    return E_NOTIMPL;
}

static HRESULT STDMETHODCALLTYPE PutValue(IAccessible *, VARIANT, BSTR)
{
    return E_NOTIMPL;
}

static const IAccessibleVtbl clientProcedures = {
    QueryInterface, AddRef,          Release,          GetTypeInfoCount, GetTypeInfo,  GetIDsOfNames,
    Invoke,         GetParentObject, GetChildCount,    GetChild,         GetName,      GetValue,
    GetDescription, GetRole,         GetState,         GetHelp,          GetHelpTopic, GetKeyboardShortcut,
    GetFocusChild,  GetSelection,    GetDefaultAction, Select,           Location,     Navigate,
    HitTest,        DoDefaultAction, PutName,          PutValue,
};

static IAccessible clientObject = {&clientProcedures};

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam)
{
    if ((LONG)(DWORD)lParam != OBJID_CLIENT)
        return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    /* COM is started for the first client only: a run that nobody reads loads none of it. */
    if (!comStarted && SUCCEEDED(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED)))
        comStarted = true;
    connected = true;
    handedOut = true;
    return LresultFromObject(ACCESSIBLE_IID, wParam, (IUnknown *)&clientObject);
}

static void Notify(DWORD event, LONG child)
{
    if (app.mainWindow)
        NotifyWinEvent(event, app.mainWindow, OBJID_CLIENT, child);
}

void AnnounceEntry()
{
    Notify(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
    Notify(EVENT_OBJECT_NAMECHANGE, CHILD_PICTURE);
    if (PanelDrawn())
        Notify(EVENT_OBJECT_NAMECHANGE, CHILD_PANEL_TEXT);
}

void AnnounceView()
{
    Notify(EVENT_OBJECT_SELECTION, TabChild(ShownTab()));
    if (PanelDrawn())
        Notify(EVENT_OBJECT_NAMECHANGE, CHILD_PANEL_TEXT);
}

void AnnounceForm()
{
    Notify(EVENT_OBJECT_NAMECHANGE, CHILD_PICTURE);
    if (app.EntryIndex != (unsigned)FORM_ENTRY)
        return;
    Notify(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF);
    if (app.infoView)
        Notify(EVENT_OBJECT_NAMECHANGE, CHILD_PANEL_TEXT);
}

void DisconnectAccessibleView()
{
    connected = false;
    if (handedOut)
        CoDisconnectObject((IUnknown *)&clientObject, 0);
    handedOut = false;
    if (comStarted)
        CoUninitialize();
    comStarted = false;
}
