/* The viewer as a screen reader reads it from another process: the client object's name, the tabs,
   the picture and the panel's text for entries, views and forms chosen as a person chooses them; hit
   tests and the tabs' default action against what a click shows; and the events, heard through an
   out-of-context event hook. */
#include "accessible_client.h"
#include "expected_layout.h"
#include "expected_panels.h"
#include "expected_speech.h"
#include "expected_view.h"
#include "viewer_driver.h"

#include "catalogue/catalogue.h"
#include "catalogue/picture_descriptions.h"

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

/* In the combo box's edit field, and the middle of the ">>" button, in their own client areas. */
static const POINT EDIT_POINT = {20, 9};
static const POINT BUTTON_POINT = {12, 12};

struct HeardEvent {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

static std::vector<HeardEvent> heard;

static void CALLBACK HearEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    heard.push_back({event, window, object, child});
}

static std::wstring FromCp1250(const char *text)
{
    wchar_t wide[1024] = {};
    MultiByteToWideChar(1250, 0, text, -1, wide, 1024);
    return wide;
}

class ScreenReaderTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        std::string reason;
        ASSERT_TRUE(StartViewer(viewer, reason)) << reason;
        client = ClientObjectOf(viewer.window);
        ASSERT_NE(client, (IAccessible *)NULL) << "no client object from the viewer's process";
    }
    void TearDown() override
    {
        if (hook)
            UnhookWinEvent(hook);
        if (client)
            client->Release();
        DisposeViewer(viewer);
        CoUninitialize();
    }

    /* Types a catalogue number over the entry box's text, as a person does. */
    /* As a person types it over the entry box's text; a click only brings the focus there. */
    void TypeNumber(int entry)
    {
        if (!HasFocus(viewer, viewer.comboEdit))
            ClickClient(viewer, viewer.comboEdit, EDIT_POINT.x, EDIT_POINT.y);
        ASSERT_TRUE(WaitForFocus(viewer, viewer.comboEdit));
        PressKey(VK_END);
        PressKeyWith(VK_SHIFT, VK_HOME);
        std::string number = std::to_string(entry + 387);
        TypeText(number.c_str());
        const std::wstring typed(number.begin(), number.end());
        ASSERT_TRUE(PollUntil([&] { return EditText() == typed; }));
    }

    void ClickTab(View view)
    {
        POINT centre = TabCentre(view);
        ClickClient(viewer, viewer.window, centre.x, centre.y);
    }

    std::wstring EditText()
    {
        wchar_t text[64] = {};
        SendMessageW(viewer.comboEdit, WM_GETTEXT, 64, (LPARAM)text);
        return text;
    }

    ::testing::AssertionResult ScreenSettlesOn(const ViewState &state)
    {
        ::testing::AssertionResult shown = PollUntil([&] { return ScreenShows(viewer, state); });
        if (!shown)
            return shown;
        SyncWithViewer(viewer);
        return ScreenShows(viewer, state);
    }

    /* The events from now on, heard while this thread waits. */
    void Listen()
    {
        heard.clear();
        if (!hook)
            hook = SetWinEventHook(EVENT_OBJECT_SELECTION, EVENT_OBJECT_NAMECHANGE, NULL, HearEvent,
                                   viewer.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
        ASSERT_NE(hook, (HWINEVENTHOOK)NULL);
    }

    /* Pumps this thread's messages (out-of-context events arrive through them) until the event is heard. */
    bool Hears(DWORD event, LONG child)
    {
        DWORD start = GetTickCount();
        for (;;) {
            MSG msg;
            while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            for (const HeardEvent &e : heard)
                if (e.event == event && e.window == viewer.window && e.object == OBJID_CLIENT &&
                    e.child == child)
                    return true;
            if (GetTickCount() - start >= WAIT_LIMIT_MS)
                return false;
            MsgWaitForMultipleObjects(0, NULL, FALSE, POLL_STEP_MS, QS_ALLINPUT);
        }
    }

    /* Everything a screen reader finds for the state. */
    ::testing::AssertionResult ReaderFinds(const ViewState &state)
    {
        std::wstring name = std::to_wstring(state.entry + 387) + L". " + FromCp1250(entryName[state.entry]);
        if (state.entry == FORM_ENTRY)
            name += L", forma " + std::to_wstring(state.form + 1);
        if (NameOf(client, CHILDID_SELF) != name)
            return ::testing::AssertionFailure()
                   << "client named '" << NameOf(client, CHILDID_SELF).c_str() << "'";
        const char *row =
            state.entry == FORM_ENTRY ? formPictureDescription[state.form] : pictureDescription[state.entry];
        if (NameOf(client, EXPECTED_CHILD_PICTURE) != FromCp1250(row))
            return ::testing::AssertionFailure()
                   << "picture named '" << NameOf(client, EXPECTED_CHILD_PICTURE).c_str() << "'";
        for (int tab = 0; tab < 4; ++tab) {
            long expected = STATE_SYSTEM_SELECTABLE | (tab == state.view ? STATE_SYSTEM_SELECTED : 0);
            if (NameOf(client, expectedTabChild[tab]) != expectedTabNames[tab] ||
                StateOf(client, expectedTabChild[tab]) != expected ||
                RoleOf(client, expectedTabChild[tab]) != ROLE_SYSTEM_PAGETAB)
                return ::testing::AssertionFailure()
                       << "tab " << tab << " named '" << NameOf(client, expectedTabChild[tab]).c_str()
                       << "', state " << StateOf(client, expectedTabChild[tab]);
        }
        std::wstring panel = NameOf(client, EXPECTED_CHILD_PANEL_TEXT);
        bool listView = state.view == VIEW_MOVES || state.view == VIEW_MACHINES;
        if (listView != (panel == L"<none>"))
            return ::testing::AssertionFailure()
                   << "panel text '" << panel.c_str() << "' in view " << state.view;
        const ExpectedPanel *sample = FindExpectedPanel(state.entry);
        if (sample && state.view == VIEW_INFO &&
            panel.find(std::wstring(L". ") + sample->heightLine + L". " + sample->weightLine) ==
                std::wstring::npos)
            return ::testing::AssertionFailure() << "info panel text '" << panel.c_str() << "'";
        return ::testing::AssertionSuccess();
    }

    Viewer viewer;
    IAccessible *client = NULL;
    HWINEVENTHOOK hook = NULL;
};

TEST_F(ScreenReaderTest, EntriesViewsAndFormsAreFoundAsTheScreenShowsThem)
{
    long count = 0;
    ASSERT_EQ(client->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, EXPECTED_CHILD_COUNT);
    EXPECT_EQ(RoleOf(client, CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    EXPECT_EQ(RoleOf(client, EXPECTED_CHILD_PICTURE), ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(ChildWindowOf(client, EXPECTED_CHILD_ENTRY_BOX), viewer.combo);
    EXPECT_EQ(ChildWindowOf(client, EXPECTED_CHILD_MOVE_LIST), viewer.listBox);
    ASSERT_TRUE(ReaderFinds({0, 0, VIEW_INFO}));
    const View views[] = {VIEW_MOVES, VIEW_EVOLUTION, VIEW_MACHINES, VIEW_INFO};
    for (int entry : {25, 88, ENTRY_COUNT - 1, FORM_ENTRY}) {
        SCOPED_TRACE(entry);
        TypeNumber(entry);
        View view = VIEW_INFO;
        ASSERT_TRUE(ScreenSettlesOn({entry, 0, view}));
        for (View next : views) {
            ClickTab(next);
            view = next;
            ASSERT_TRUE(ScreenSettlesOn({entry, 0, view}));
            EXPECT_TRUE(ReaderFinds({entry, 0, view}));
        }
    }
    /* The form button changes the picture's sentence with the picture. */
    for (int form : {1, 2, 0}) {
        ClickClient(viewer, viewer.formButton, BUTTON_POINT.x, BUTTON_POINT.y);
        ASSERT_TRUE(ScreenSettlesOn({FORM_ENTRY, form, VIEW_INFO}));
        EXPECT_TRUE(ReaderFinds({FORM_ENTRY, form, VIEW_INFO}));
    }
}

TEST_F(ScreenReaderTest, TabsAreHitWhereTheyAreDrawnAndTheirDefaultActionShowsWhatAClickShows)
{
    for (int tab = 0; tab < 4; ++tab) {
        RECT drawn = ExpectedTabRect(tab);
        MapWindowPoints(viewer.window, NULL, (POINT *)&drawn, 2);
        RECT place = LocationOf(client, expectedTabChild[tab]);
        EXPECT_TRUE(EqualRect(&place, &drawn)) << tab;
        const POINT inside[] = {
            {drawn.left,                     drawn.top                     },
            {drawn.right - 1,                drawn.top                     },
            {drawn.left,                     drawn.bottom - 1              },
            {drawn.right - 1,                drawn.bottom - 1              },
            {(drawn.left + drawn.right) / 2, (drawn.top + drawn.bottom) / 2}
        };
        for (POINT point : inside)
            EXPECT_EQ(HitAt(client, point.x, point.y).child, expectedTabChild[tab]) << tab;
        EXPECT_NE(HitAt(client, drawn.right, drawn.top).child, expectedTabChild[tab]) << tab;
        EXPECT_NE(HitAt(client, drawn.left, drawn.bottom).child, expectedTabChild[tab]) << tab;
    }
    /* A screen reader presses each tab: the window shows what a click on it shows. */
    TypeNumber(62);
    ASSERT_TRUE(ScreenSettlesOn({62, 0, VIEW_INFO}));
    for (View view : {VIEW_MACHINES, VIEW_EVOLUTION, VIEW_MOVES, VIEW_INFO}) {
        ASSERT_EQ(client->accDoDefaultAction(ChildVariant(expectedTabChild[view])), S_OK);
        EXPECT_TRUE(ScreenSettlesOn({62, 0, view})) << view;
        EXPECT_EQ(IsWindowVisible(viewer.listBox) != FALSE, view == VIEW_MOVES || view == VIEW_MACHINES);
        if (view == VIEW_MOVES || view == VIEW_MACHINES) {
            EXPECT_EQ(ListBoxLines(viewer.listBox), ExpectedListLines({62, 0, view}));
        }
    }
}

TEST_F(ScreenReaderTest, EntryViewAndFormChangesAreAnnounced)
{
    Listen();
    TypeNumber(5);
    EXPECT_TRUE(Hears(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF)) << "typing a number";
    EXPECT_TRUE(Hears(EVENT_OBJECT_NAMECHANGE, EXPECTED_CHILD_PANEL_TEXT));
    Listen();
    ClickTab(VIEW_MOVES);
    EXPECT_TRUE(Hears(EVENT_OBJECT_SELECTION, EXPECTED_CHILD_MOVES_TAB)) << "a click on a tab";
    Listen();
    PressKeyWith(VK_CONTROL, VK_TAB);
    EXPECT_TRUE(Hears(EVENT_OBJECT_SELECTION, EXPECTED_CHILD_MACHINES_TAB)) << "Ctrl+Tab";
    Listen();
    ASSERT_EQ(client->accDoDefaultAction(ChildVariant(EXPECTED_CHILD_EVOLUTION_TAB)), S_OK);
    EXPECT_TRUE(Hears(EVENT_OBJECT_SELECTION, EXPECTED_CHILD_EVOLUTION_TAB)) << "the default action";
    Listen();
    TypeNumber(FORM_ENTRY);
    EXPECT_TRUE(Hears(EVENT_OBJECT_NAMECHANGE, CHILDID_SELF));
    /* Wine routes a click when it is sent: only to a button that is shown by then. */
    ASSERT_TRUE(PollUntil([&] { return IsWindowVisible(viewer.formButton) != FALSE; }));
    Listen();
    ClickClient(viewer, viewer.formButton, BUTTON_POINT.x, BUTTON_POINT.y);
    EXPECT_TRUE(Hears(EVENT_OBJECT_NAMECHANGE, EXPECTED_CHILD_PICTURE)) << "a form click";
}

TEST_F(ScreenReaderTest, AnObjectHeldAfterTheViewerClosesAnswersAnErrorAndBadIdsAreRefused)
{
    BSTR name = NULL;
    EXPECT_EQ(client->get_accName(ChildVariant(EXPECTED_CHILD_COUNT + 1), &name), E_INVALIDARG);
    EXPECT_EQ(client->get_accName(ChildVariant(-5), &name), E_INVALIDARG);
    EXPECT_EQ(client->accDoDefaultAction(ChildVariant(1000)), E_INVALIDARG);
    PostMessageW(viewer.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(viewer), 0);
    HRESULT hr = client->get_accName(ChildVariant(CHILDID_SELF), &name);
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    EXPECT_EQ(name, (BSTR)NULL);
}
