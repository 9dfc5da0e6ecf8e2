/* The order of what the list box receives during tab clicks and selections, recorded by a subclass
   in the manner of Wine's message-sequence tests: filled while hidden, hidden before a panel is drawn. */
#include "harness.h"

#include "expected_layout.h"
#include "expected_lists.h"

#include "catalogue/catalogue.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdio.h>

#include <string>
#include <vector>

/* Inside the list box's place, where the list box shows white and a drawn panel its grey. */
static const POINT PANEL_PROBE = {220, 415};

static std::vector<std::string> received;
static WNDPROC listProcOld;

static void Record(const std::string &what)
{
    /* A run of added lines is one entry with its count: "add 12". */
    if (what == "add" && !received.empty() && received.back().compare(0, 4, "add ") == 0) {
        int count = atoi(received.back().c_str() + 4);
        received.back() = "add " + std::to_string(count + 1);
    } else if (what == "add") {
        received.push_back("add 1");
    } else {
        received.push_back(what);
    }
}

static LRESULT CALLBACK RecordingListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LB_RESETCONTENT:
        Record("reset");
        break;
    case LB_ADDSTRING:
        Record("add");
        break;
    case WM_SETREDRAW:
        Record(wParam ? "redraw on" : "redraw off");
        break;
    case WM_SHOWWINDOW:
        /* Whether the panel was drawn over the list box's place before it was hidden. */
        if (wParam)
            Record("show");
        else
            Record(PixelAt(PANEL_PROBE.x, PANEL_PROBE.y) == EXPECTED_PANEL_COLOUR ? "hide after the panel"
                                                                                  : "hide");
        break;
    case WM_PAINT:
        Record("paint");
        break;
    }
    return CallWindowProcA(listProcOld, window, message, wParam, lParam);
}

class MessageOrderTest : public ViewerTest {
  protected:
    void SetUp() override
    {
        ViewerTest::SetUp();
        listProcOld = (WNDPROC)SetWindowLongPtrA(app.moveListBox, GWLP_WNDPROC, (LONG_PTR)RecordingListProc);
        received.clear();
    }
    void TearDown() override
    {
        SetWindowLongPtrA(app.moveListBox, GWLP_WNDPROC, (LONG_PTR)listProcOld);
        ViewerTest::TearDown();
    }

    /* What the list box received since the last call. */
    std::vector<std::string> Received()
    {
        std::vector<std::string> got = received;
        received.clear();
        return got;
    }

    /* A mouse pick as the combo box notifies it, all three before the window gets to paint. */
    void PickEntry(int entry)
    {
        SendMessageA(app.entryCombo, CB_SETCURSEL, entry, 0);
        for (int notification : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE})
            SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ENTRY_COMBO, notification),
                         (LPARAM)app.entryCombo);
        PumpMessages();
    }
};

static std::string Added(size_t lines)
{
    return "add " + std::to_string(lines);
}

TEST_F(MessageOrderTest, ListBoxIsFilledHiddenShownOnceAndHiddenBeforeThePanel)
{
    const size_t moves0 = ListElements(moveListText[EntrySlot(0)]).size();
    const size_t machines0 = ExpectedMachineLines(machineListText[EntrySlot(0)]).size();
    const size_t moves60 = ListElements(moveListText[EntrySlot(60)]).size();

    /* From a drawn view: filled while hidden, then shown, then painted once. */
    ClickTab(TAB_MOVES);
    EXPECT_EQ(Received(), std::vector<std::string>({"reset", Added(moves0), "show", "paint"}));
    ASSERT_NE(PixelAt(PANEL_PROBE.x, PANEL_PROBE.y), EXPECTED_PANEL_COLOUR);

    /* Shown already: refilled with redrawing off, painted once. */
    ClickTab(TAB_MACHINES);
    EXPECT_EQ(Received(),
              std::vector<std::string>({"redraw off", "reset", Added(machines0), "redraw on", "paint"}));

    /* A selection notifies three times; each refill is unseen, and the list box paints once. */
    ClickTab(TAB_MOVES);
    Received();
    PickEntry(60);
    const std::vector<std::string> refill = {"redraw off", "reset", Added(moves60), "redraw on"};
    std::vector<std::string> picked;
    for (int notification = 0; notification < 3; ++notification)
        picked.insert(picked.end(), refill.begin(), refill.end());
    picked.push_back("paint");
    EXPECT_EQ(Received(), picked);

    /* To a drawn view: hidden before the panel is drawn, and not filled or painted. */
    ClickTab(TAB_INFO);
    EXPECT_EQ(Received(), std::vector<std::string>({"hide"}));
    ClickTab(TAB_MACHINES);
    Received();
    ClickTab(TAB_EVOLUTION);
    EXPECT_EQ(Received(), std::vector<std::string>({"hide"}));

    /* Selections and repaints in a drawn view leave the hidden list box alone. */
    PickEntry(5);
    InvalidateRect(app.mainWindow, NULL, TRUE);
    RepaintNow();
    EXPECT_EQ(Received(), std::vector<std::string>());
}
