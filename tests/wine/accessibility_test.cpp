/* The accessible view from a client in the viewer's own process: names, roles, states, places and hit
   tests of every child in every view and form, the tabs' default action against a click, bad ids, a
   destroyed window and a soak of queries. The second-process view is tested end to end. */
#include "harness.h"

#include "accessible_client.h"
#include "expected_layout.h"
#include "expected_panels.h"
#include "expected_speech.h"

#include "catalogue/catalogue.h"
#include "catalogue/evolution_notes.h"
#include "catalogue/picture_descriptions.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdio.h>

#include <string>

static std::wstring FromCp1250(const char *text)
{
    wchar_t wide[1024] = {};
    MultiByteToWideChar(1250, 0, text, -1, wide, 1024);
    return wide;
}

/* The header's number with its full stop, then the name; the form entry says its form, counted from 1. */
static std::wstring ExpectedEntryName(int entry, int form)
{
    std::wstring name = std::to_wstring(entry + 387) + L". " + FromCp1250(entryName[entry]);
    if (entry == 26)
        name += L", forma " + std::to_wstring(form + 1);
    return name;
}

/* The picture's own sentence; the entry's name while the table's row is empty. */
static std::wstring ExpectedPictureName(int entry, int form)
{
    const char *row = entry == 26 ? formPictureDescription[form] : pictureDescription[entry];
    return FromCp1250(row[0] ? row : entryName[entry]);
}

static RECT OnScreen(RECT place)
{
    MapWindowPoints(app.mainWindow, NULL, (POINT *)&place, 2);
    return place;
}

class AccessibilityTest : public ViewerTest {
  protected:
    void SetUp() override
    {
        CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        ViewerTest::SetUp();
        client = ClientObjectOf(app.mainWindow);
        ASSERT_NE(client, (IAccessible *)NULL);
    }
    void TearDown() override
    {
        if (client)
            client->Release();
        ViewerTest::TearDown();
        CoUninitialize();
    }

    IAccessible *client = NULL;
};

TEST_F(AccessibilityTest, ClientNamesEveryEntryAndFormAndItsPictureAsTheHeaderShowsThem)
{
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        SelectEntry(entry);
        EXPECT_EQ(NameOf(client, CHILDID_SELF), ExpectedEntryName(entry, app.FormIndex));
        EXPECT_EQ(NameOf(client, EXPECTED_CHILD_PICTURE), ExpectedPictureName(entry, app.FormIndex));
    }
    SelectEntry(FORM_ENTRY);
    for (int click = 0; click < 3; ++click) {
        ClickFormButton();
        SCOPED_TRACE(app.FormIndex);
        EXPECT_EQ(NameOf(client, CHILDID_SELF), ExpectedEntryName(FORM_ENTRY, (click + 1) % 3));
        EXPECT_EQ(NameOf(client, EXPECTED_CHILD_PICTURE), ExpectedPictureName(FORM_ENTRY, (click + 1) % 3));
    }
}

TEST_F(AccessibilityTest, ChildrenAreTheControlsAndTheDrawnPartsInScreenOrder)
{
    /* The form entry shows every control but the list. */
    SelectEntry(FORM_ENTRY);
    long count = 0;
    ASSERT_EQ(client->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, EXPECTED_CHILD_COUNT);
    EXPECT_EQ(RoleOf(client, CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    /* The controls are their standard objects; the drawn parts are simple children. */
    EXPECT_EQ(ChildWindowOf(client, EXPECTED_CHILD_ENTRY_BOX), app.entryCombo);
    EXPECT_EQ(ChildWindowOf(client, EXPECTED_CHILD_FORM_BUTTON), app.formButton);
    EXPECT_EQ(ChildWindowOf(client, EXPECTED_CHILD_MOVE_LIST), app.moveListBox);
    /* Asked through the window, a control says what the system's own object for it says. */
    const long controls[][2] = {
        {EXPECTED_CHILD_ENTRY_BOX,   (long)(LONG_PTR)app.entryCombo },
        {EXPECTED_CHILD_FORM_BUTTON, (long)(LONG_PTR)app.formButton },
        {EXPECTED_CHILD_MOVE_LIST,   (long)(LONG_PTR)app.moveListBox},
    };
    for (const long *control : controls) {
        IAccessible *standard = NULL;
        ASSERT_EQ(CreateStdAccessibleObject((HWND)(LONG_PTR)control[1], OBJID_CLIENT, TEST_ACCESSIBLE_IID,
                                            (void **)&standard),
                  S_OK);
        EXPECT_EQ(RoleOf(client, control[0]), RoleOf(standard, CHILDID_SELF));
        EXPECT_EQ(StateOf(client, control[0]), StateOf(standard, CHILDID_SELF));
        EXPECT_EQ(NameOf(client, control[0]), NameOf(standard, CHILDID_SELF));
        standard->Release();
    }
    EXPECT_EQ(NameOf(client, EXPECTED_CHILD_FORM_BUTTON), L">>");
    const long drawn[][2] = {
        {EXPECTED_CHILD_PICTURE,       ROLE_SYSTEM_GRAPHIC   },
        {EXPECTED_CHILD_INFO_TAB,      ROLE_SYSTEM_PAGETAB   },
        {EXPECTED_CHILD_MOVES_TAB,     ROLE_SYSTEM_PAGETAB   },
        {EXPECTED_CHILD_MACHINES_TAB,  ROLE_SYSTEM_PAGETAB   },
        {EXPECTED_CHILD_PANEL_TEXT,    ROLE_SYSTEM_STATICTEXT},
        {EXPECTED_CHILD_EVOLUTION_TAB, ROLE_SYSTEM_PAGETAB   },
    };
    for (const long *child : drawn) {
        IDispatch *object = (IDispatch *)1;
        EXPECT_EQ(client->get_accChild(ChildVariant(child[0]), &object), S_FALSE) << child[0];
        EXPECT_EQ(object, (IDispatch *)NULL);
        EXPECT_EQ(RoleOf(client, child[0]), child[1]) << child[0];
    }
    /* Screen order: each child starts below the one before, or level with it and to its right. */
    POINT last = {-1, -1};
    for (long child = 1; child <= EXPECTED_CHILD_COUNT; ++child) {
        if (child == EXPECTED_CHILD_MOVE_LIST)
            continue; /* lies where the panel text does, shown in the other views */
        RECT place = LocationOf(client, child);
        bool after = place.top > last.y || (place.top == last.y && place.left > last.x);
        EXPECT_TRUE(after) << "child " << child << " at " << place.left << "," << place.top;
        last = {place.left, place.top};
    }
    /* Navigation walks the same order. */
    VARIANT next;
    ASSERT_EQ(client->accNavigate(NAVDIR_FIRSTCHILD, ChildVariant(CHILDID_SELF), &next), S_OK);
    ASSERT_EQ(next.vt, VT_DISPATCH);
    VariantClear(&next);
    for (long child = EXPECTED_CHILD_PICTURE; child < EXPECTED_CHILD_COUNT; ++child) {
        ASSERT_EQ(client->accNavigate(NAVDIR_NEXT, ChildVariant(child), &next), S_OK);
        if (child + 1 == EXPECTED_CHILD_FORM_BUTTON || child + 1 == EXPECTED_CHILD_MOVE_LIST)
            EXPECT_EQ(next.vt, VT_DISPATCH);
        else
            EXPECT_TRUE(next.vt == VT_I4 && next.lVal == child + 1) << child;
        VariantClear(&next);
    }
    EXPECT_EQ(client->accNavigate(NAVDIR_NEXT, ChildVariant(EXPECTED_CHILD_COUNT), &next), S_FALSE);
    EXPECT_EQ(next.vt, VT_EMPTY);
}

TEST_F(AccessibilityTest, TabsAreNamedPlacedAndHitWhereTheyAreDrawnAndOnlyTheShownOneIsSelected)
{
    for (int shown = 0; shown < TAB_COUNT; ++shown) {
        ClickTab((TabKind)shown);
        SCOPED_TRACE(shown);
        VARIANT selection;
        ASSERT_EQ(client->get_accSelection(&selection), S_OK);
        EXPECT_TRUE(selection.vt == VT_I4 && selection.lVal == expectedTabChild[shown]);
        for (int tab = 0; tab < TAB_COUNT; ++tab) {
            long child = expectedTabChild[tab];
            EXPECT_EQ(NameOf(client, child), expectedTabNames[tab]);
            long state = StateOf(client, child);
            EXPECT_EQ(state, STATE_SYSTEM_SELECTABLE | (tab == shown ? STATE_SYSTEM_SELECTED : 0)) << tab;
            BSTR action = NULL;
            EXPECT_EQ(client->get_accDefaultAction(ChildVariant(child), &action), S_OK);
            EXPECT_EQ(std::wstring(action ? action : L""), L"Przełącz");
            SysFreeString(action);
        }
    }
    for (int tab = 0; tab < TAB_COUNT; ++tab) {
        long child = expectedTabChild[tab];
        RECT drawn = OnScreen(ExpectedTabRect(tab));
        RECT place = LocationOf(client, child);
        EXPECT_TRUE(EqualRect(&place, &drawn)) << tab;
        /* Every pixel of the tab hits it; the row and column past its right and bottom edges do not. */
        for (int y = drawn.top; y <= drawn.bottom; ++y)
            for (int x = drawn.left; x <= drawn.right; ++x) {
                bool inside = x < drawn.right && y < drawn.bottom;
                Hit hit = HitAt(client, x, y);
                if ((hit.child == child) != inside) {
                    ADD_FAILURE() << "tab " << tab << " at (" << x << "," << y << ") hit " << hit.child;
                    return;
                }
            }
    }
}

TEST_F(AccessibilityTest, HitTestsFindThePictureThePanelAndTheShownControls)
{
    SelectEntry(FORM_ENTRY);
    RECT picture = OnScreen(
        {EXPECTED_PICTURE_X, EXPECTED_PICTURE_Y, EXPECTED_PICTURE_X + 120, EXPECTED_PICTURE_Y + 120});
    RECT place = LocationOf(client, EXPECTED_CHILD_PICTURE);
    EXPECT_TRUE(EqualRect(&place, &picture));
    EXPECT_EQ(HitAt(client, picture.left + 5, picture.top + 60).child, EXPECTED_CHILD_PICTURE);
    RECT panel = OnScreen(EXPECTED_LOWER_PANEL);
    EXPECT_EQ(HitAt(client, panel.left + 10, panel.top + 60).child, EXPECTED_CHILD_PANEL_TEXT);
    RECT button;
    GetWindowRect(app.formButton, &button);
    Hit onButton = HitAt(client, button.left + 5, button.top + 5);
    EXPECT_TRUE(onButton.child == -1 && onButton.window == app.formButton);
    /* In a list view the list box lies over the panel. */
    ClickTab(TAB_MOVES);
    Hit onList = HitAt(client, panel.left + 10, panel.top + 60);
    EXPECT_TRUE(onList.child == -1 && onList.window == app.moveListBox);
    /* On the casing: the client itself; outside the client area: nothing. */
    RECT client_area = OnScreen({0, 0, 303, 464});
    EXPECT_EQ(HitAt(client, client_area.left + 3, client_area.top + 3).child, CHILDID_SELF);
    EXPECT_EQ(HitAt(client, client_area.left - 5, client_area.top + 3).child, -2);
}

TEST_F(AccessibilityTest, EachTabsDefaultActionAndSelectionDoWhatAClickDoesFromEveryView)
{
    for (int from = 0; from < TAB_COUNT; ++from)
        for (int to = 0; to < TAB_COUNT; ++to) {
            SCOPED_TRACE(testing::Message() << "from " << from << " to " << to);
            SelectEntry(FORM_ENTRY - 1 + (from + to) % 3);
            ClickTab((TabKind)from);
            ClickTab((TabKind)to);
            Capture clicked = CaptureWindow();
            std::vector<std::string> clickedLines = ListBoxLines();
            ClickTab((TabKind)from);
            if (to % 2)
                ASSERT_EQ(client->accDoDefaultAction(ChildVariant(expectedTabChild[to])), S_OK);
            else
                ASSERT_EQ(client->accSelect(SELFLAG_TAKESELECTION, ChildVariant(expectedTabChild[to])), S_OK);
            PumpMessages();
            EXPECT_EQ(ShownView(), to);
            EXPECT_EQ(ListBoxVisible(), to == TAB_MOVES || to == TAB_MACHINES);
            EXPECT_EQ(ListBoxLines(), clickedLines);
            Capture acted = CaptureWindow();
            EXPECT_TRUE(acted.pixels == clicked.pixels);
        }
}

TEST_F(AccessibilityTest, PanelTextSaysTheTypesInWordsAndTheLinesAsDrawn)
{
    for (const ExpectedPanel &panel : expectedPanels) {
        SCOPED_TRACE(panel.entry);
        SelectEntry(panel.entry);
        unsigned slot = EntrySlot(panel.entry);
        unsigned short second =
            panel.entry == FORM_ENTRY ? formSecondaryTypeIcon[app.FormIndex] : secondaryTypeIcon[slot];
        std::wstring types = ExpectedTypeWord(primaryTypeIcon[slot]);
        if (second)
            types += std::wstring(L", ") + ExpectedTypeWord(second);
        ClickTab(TAB_INFO);
        EXPECT_TRUE(InfoTextsShow(panel.entry));
        EXPECT_EQ(NameOf(client, EXPECTED_CHILD_PANEL_TEXT),
                  L"Typ: " + types + L". " + panel.heightLine + L". " + panel.weightLine);
        EXPECT_EQ(StateOf(client, EXPECTED_CHILD_PANEL_TEXT), STATE_SYSTEM_READONLY);
        ClickTab(TAB_EVOLUTION);
        EXPECT_TRUE(EvolutionTextsShow(panel.entry));
        for (const ExpectedEvolutionSpeech &speech : expectedEvolutionSpeech)
            if (speech.entry == panel.entry) {
                EXPECT_EQ(NameOf(client, EXPECTED_CHILD_PANEL_TEXT), speech.speech);
            }
        /* The list views have no panel text: the list box speaks. */
        ClickTab(TAB_MACHINES);
        EXPECT_EQ(NameOf(client, EXPECTED_CHILD_PANEL_TEXT), L"<none>");
        EXPECT_EQ(StateOf(client, EXPECTED_CHILD_PANEL_TEXT), STATE_SYSTEM_INVISIBLE);
    }
}

TEST_F(AccessibilityTest, EveryEvolutionPanelIsReadInWordsWithItsGenderMarks)
{
    ClickTab(TAB_EVOLUTION);
    for (int entry = 0; entry < ENTRY_COUNT; ++entry) {
        SCOPED_TRACE(entry);
        SelectEntry(entry);
        std::wstring speech = NameOf(client, EXPECTED_CHILD_PANEL_TEXT);
        EXPECT_FALSE(speech.empty());
        for (const wchar_t *arrowPart : {L"--", L"->", L"<-", L"  "})
            EXPECT_EQ(speech.find(arrowPart), std::wstring::npos)
                << "'" << arrowPart << "' in " << speech.c_str();
        ExpectedMark marks[2];
        int markCount = ExpectedMarks(entry, marks);
        bool female = false, male = false;
        for (int i = 0; i < markCount; ++i) {
            female = female || marks[i].bitmapId == IDB_SYMBOL_FEMALE;
            male = male || marks[i].bitmapId == IDB_SYMBOL_MALE;
        }
        EXPECT_EQ(speech.find(L"samica") != std::wstring::npos, female);
        EXPECT_EQ(speech.find(L"samiec") != std::wstring::npos, male);
        /* Every name the panel draws is heard. */
        const EvolutionNote &note = FindEvolutionNote(entry);
        for (const char *line : {note.line1, note.line2}) {
            std::wstring drawn = FromCp1250(line);
            for (size_t start = 0; start < drawn.size();) {
                size_t end = drawn.find_first_of(L" -<>", start);
                std::wstring word =
                    drawn.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
                /* Happiness, the condition, is heard as "dzięki szczęściu". */
                if (word.size() > 3 && iswupper(word[0]) && word != L"Szczęście") {
                    EXPECT_NE(speech.find(word), std::wstring::npos) << "'" << word.c_str() << "'";
                }
                start = end == std::wstring::npos ? drawn.size() : end + 1;
            }
        }
    }
}

TEST_F(AccessibilityTest, IdsThatNameNothingAreRefusedAndOtherObjectsAreTheSystems)
{
    VARIANT bad[5];
    for (VARIANT &id : bad)
        VariantInit(&id);
    bad[0] = ChildVariant(-1);
    bad[1] = ChildVariant(EXPECTED_CHILD_COUNT + 1);
    bad[2] = ChildVariant(100000);
    bad[3].vt = VT_I2;
    bad[3].iVal = 1;
    bad[4].vt = VT_EMPTY;
    for (VARIANT &id : bad) {
        BSTR text = NULL;
        VARIANT out;
        long x, y, w, h;
        IDispatch *child = NULL;
        EXPECT_EQ(client->get_accName(id, &text), E_INVALIDARG);
        EXPECT_EQ(client->get_accValue(id, &text), E_INVALIDARG);
        EXPECT_EQ(client->get_accDescription(id, &text), E_INVALIDARG);
        EXPECT_EQ(client->get_accHelp(id, &text), E_INVALIDARG);
        EXPECT_EQ(client->get_accKeyboardShortcut(id, &text), E_INVALIDARG);
        EXPECT_EQ(client->get_accDefaultAction(id, &text), E_INVALIDARG);
        EXPECT_EQ(client->get_accRole(id, &out), E_INVALIDARG);
        EXPECT_EQ(client->get_accState(id, &out), E_INVALIDARG);
        EXPECT_EQ(client->get_accChild(id, &child), E_INVALIDARG);
        EXPECT_EQ(client->accLocation(&x, &y, &w, &h, id), E_INVALIDARG);
        EXPECT_EQ(client->accNavigate(NAVDIR_NEXT, id, &out), E_INVALIDARG);
        EXPECT_EQ(client->accDoDefaultAction(id), E_INVALIDARG);
        EXPECT_EQ(client->accSelect(SELFLAG_TAKESELECTION, id), E_INVALIDARG);
        EXPECT_EQ(text, (BSTR)NULL);
    }
    IDispatch *self = NULL;
    EXPECT_EQ(client->get_accChild(ChildVariant(CHILDID_SELF), &self), E_INVALIDARG);
    /* A tab can only take the selection; the picture has no action. */
    EXPECT_EQ(client->accSelect(SELFLAG_TAKEFOCUS, ChildVariant(EXPECTED_CHILD_INFO_TAB)), E_INVALIDARG);
    EXPECT_EQ(client->accDoDefaultAction(ChildVariant(EXPECTED_CHILD_PICTURE)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(ShownView(), TAB_INFO);

    /* Other object ids get what the system gives any window. */
    for (LPARAM id : {(LPARAM)OBJID_WINDOW, (LPARAM)OBJID_VSCROLL, (LPARAM)OBJID_CARET, (LPARAM)42}) {
        LRESULT ours = SendMessageA(app.mainWindow, WM_GETOBJECT, 0, id);
        LRESULT system = DefWindowProcA(app.mainWindow, WM_GETOBJECT, 0, id);
        EXPECT_EQ(ours, system) << id;
    }
    IAccessible *window = NULL;
    ASSERT_EQ(AccessibleObjectFromWindow(app.mainWindow, (DWORD)OBJID_WINDOW, TEST_ACCESSIBLE_IID,
                                         (void **)&window),
              S_OK);
    EXPECT_NE(window, client);
    window->Release();
}

TEST_F(AccessibilityTest, AnObjectHeldPastTheWindowAnswersErrorsAndANewWindowAnswersAgain)
{
    SelectEntry(5);
    StopViewer();
    EXPECT_FALSE(IsWindow(app.mainWindow));
    BSTR text = NULL;
    VARIANT out;
    long count = 0, x, y, w, h;
    IDispatch *parent = NULL;
    for (long child : {(long)CHILDID_SELF, (long)EXPECTED_CHILD_PICTURE, (long)EXPECTED_CHILD_INFO_TAB,
                       (long)EXPECTED_CHILD_ENTRY_BOX}) {
        EXPECT_EQ(client->get_accName(ChildVariant(child), &text), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(client->get_accState(ChildVariant(child), &out), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(client->accLocation(&x, &y, &w, &h, ChildVariant(child)), CO_E_OBJNOTCONNECTED);
        EXPECT_EQ(client->accDoDefaultAction(ChildVariant(child)), CO_E_OBJNOTCONNECTED);
    }
    EXPECT_EQ(client->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(client->get_accParent(&parent), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(client->get_accFocus(&out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(client->accHitTest(300, 100, &out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(text, (BSTR)NULL);
    client->Release();
    client = NULL;

    StartViewer();
    client = ClientObjectOf(app.mainWindow);
    ASSERT_NE(client, (IAccessible *)NULL);
    EXPECT_EQ(NameOf(client, CHILDID_SELF), ExpectedEntryName(0, 0));
}

/* Live GDI objects and kernel handles of the process. Handles are counted by asking each possible value
   (multiples of 4): GetProcessHandleCount is a stub under Wine. */
struct Resources {
    int gdiObjects;
    int handles;
};

static Resources CountResources()
{
    Resources count = {CountGdiObjects(), 0};
    DWORD flags = 0;
    for (ULONG_PTR handle = 4; handle <= 0x10000; handle += 4)
        if (GetHandleInformation((HANDLE)handle, &flags))
            ++count.handles;
    return count;
}

static const int QUERY_COUNT = 10000;

TEST_F(AccessibilityTest, TenThousandQueriesLeaveNoObjectHandleOrReferenceBehind)
{
    ClickTab(TAB_EVOLUTION);
    SelectEntry(FORM_ENTRY);
    /* Once first, so whatever COM and the system create on first use exists before counting. */
    for (int i = 0; i < 10; ++i) {
        IAccessible *object = ClientObjectOf(app.mainWindow);
        object->Release();
    }
    client->AddRef();
    const ULONG refsBefore = client->Release();
    const Resources before = CountResources();
    for (int query = 0; query < QUERY_COUNT; ++query) {
        IAccessible *object = ClientObjectOf(app.mainWindow);
        ASSERT_NE(object, (IAccessible *)NULL);
        long child = query % (EXPECTED_CHILD_COUNT + 1);
        if (NameOf(object, child).empty() && child != EXPECTED_CHILD_MOVE_LIST)
            ADD_FAILURE() << "no name for " << child;
        StateOf(object, child);
        LocationOf(object, child);
        HitAt(object, 0, 0);
        object->Release();
    }
    const Resources after = CountResources();
    client->AddRef();
    const ULONG refsAfter = client->Release();
    printf("accessibility soak: %d queries, GDI objects %d -> %d, handles %d -> %d, references %lu -> %lu\n",
           QUERY_COUNT, before.gdiObjects, after.gdiObjects, before.handles, after.handles, refsBefore,
           refsAfter);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.handles, before.handles);
    EXPECT_EQ(refsAfter, refsBefore);
}
