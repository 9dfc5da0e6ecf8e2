/* The window's frame against the system's metrics: a taller caption must not clip the layout.
   Changes a setting of the whole Wine session, so ctest runs these tests alone. */
#include "harness.h"

#include "draw/layout.h"
#include "resource.h"
#include "state/app_state.h"

/* The client area the layout needs, and the last column and row of the casing's 5-pixel outline. */
static const int NEEDED_WIDTH = 303, NEEDED_HEIGHT = 464;
static const int CASING_RIGHT = 302, CASING_BOTTOM = 462;

/* A caption of the given height for one test; the old metrics come back however the test ends. */
struct TallCaption {
    NONCLIENTMETRICSA saved;
    bool changed;

    explicit TallCaption(int height)
    {
        saved.cbSize = sizeof saved;
        changed = false;
        if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0))
            return;
        NONCLIENTMETRICSA tall = saved;
        tall.iCaptionHeight = height;
        changed = SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof tall, &tall, 0) != FALSE;
    }
    ~TallCaption()
    {
        if (changed)
            SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
    }
};

/* The height of the frame around the client area, from the metrics in force. */
static int FrameHeight()
{
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE, 0);
    return frame.bottom - frame.top;
}

/* The client height of the main window at the moment it is first shown. */
static int heightWhenShown;
static HHOOK showHook;

static LRESULT CALLBACK RecordShownHeight(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT *call = (const CWPSTRUCT *)lParam;
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && heightWhenShown < 0) {
        RECT client;
        GetClientRect(call->hwnd, &client);
        heightWhenShown = client.bottom;
    }
    return CallNextHookEx(showHook, code, wParam, lParam);
}

TEST(FrameTest, TallerCaptionGrowsTheWindowByTheShortfallAndTheLayoutFits)
{
    TallCaption caption(40);
    ASSERT_TRUE(caption.changed);
    /* The test is only worth something when a 495-pixel window would now clip the layout. */
    const int frameHeight = FrameHeight();
    ASSERT_LT(495 - frameHeight, NEEDED_HEIGHT);

    heightWhenShown = -1;
    showHook = SetWindowsHookExA(WH_CALLWNDPROC, RecordShownHeight, NULL, GetCurrentThreadId());
    StartViewer();
    UnhookWindowsHookEx(showHook);
    /* Grown before it is shown: the user never sees the clipped window. */
    EXPECT_EQ(heightWhenShown, NEEDED_HEIGHT);
    RECT outer, client;
    GetWindowRect(app.mainWindow, &outer);
    GetClientRect(app.mainWindow, &client);
    EXPECT_EQ(outer.left, 250);
    EXPECT_EQ(outer.top, 20);
    EXPECT_EQ(outer.right - outer.left, 309);
    EXPECT_EQ(client.right, NEEDED_WIDTH);
    EXPECT_EQ(client.bottom, NEEDED_HEIGHT);
    EXPECT_EQ(outer.bottom - outer.top, NEEDED_HEIGHT + frameHeight);

    /* The casing's right and bottom outline and the evolution tab lie inside and are drawn. */
    InvalidateRect(app.mainWindow, NULL, TRUE);
    RepaintNow();
    for (int y : {100, 230, 350})
        EXPECT_EQ(PixelAt(CASING_RIGHT, y), CASING_PEN_COLOUR) << y;
    for (int x : {10, 150, 290})
        EXPECT_EQ(PixelAt(x, CASING_BOTTOM), CASING_PEN_COLOUR) << x;
    EXPECT_TRUE(TabShows(35, 430, IDB_TAB_EVOLUTION_OFF));
    StopViewer();
}

/* A change notice with the parameters Windows sends it with. */
struct MetricsNotice {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

static RECT OuterRect()
{
    RECT outer;
    GetWindowRect(app.mainWindow, &outer);
    return outer;
}

static RECT ClientRect()
{
    RECT client;
    GetClientRect(app.mainWindow, &client);
    return client;
}

/* What Windows does to every window when the metrics change: a new frame around the same outer size. */
static void RecomputeFrame()
{
    SetWindowPos(app.mainWindow, NULL, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(FrameTest, TallerCaptionWhileRunningGrowsTheWindowOnEachChangeNoticeAndNeverShrinksIt)
{
    /* clang-format off */
    const MetricsNotice notices[] = {
        {WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, (LPARAM)"WindowMetrics"}, /* caption, borders */
        {WM_THEMECHANGED,  0,                       0                      }, /* theme, high contrast */
        {WM_DISPLAYCHANGE, 32,                      MAKELPARAM(1024, 768)  }, /* display, its scale */
    };
    /* clang-format on */
    for (const MetricsNotice &notice : notices) {
        SCOPED_TRACE(notice.message);
        StartViewer();
        int grownHeight = 0;
        {
            TallCaption caption(40);
            ASSERT_TRUE(caption.changed);
            RecomputeFrame();
            ASSERT_LT(ClientRect().bottom, NEEDED_HEIGHT);
            grownHeight = NEEDED_HEIGHT + FrameHeight();
            SendMessageA(app.mainWindow, notice.message, notice.wParam, notice.lParam);
            PumpMessages();
            EXPECT_EQ(ClientRect().right, NEEDED_WIDTH);
            EXPECT_EQ(ClientRect().bottom, NEEDED_HEIGHT);
            RECT outer = OuterRect();
            EXPECT_EQ(outer.left, 250);
            EXPECT_EQ(outer.top, 20);
            EXPECT_EQ(outer.right - outer.left, 309);
            EXPECT_EQ(outer.bottom - outer.top, grownHeight);
            RepaintNow();
            EXPECT_TRUE(TabShows(35, 430, IDB_TAB_EVOLUTION_OFF));

            /* Minimized, the window has nothing to measure and must come back as it was. */
            ShowWindow(app.mainWindow, SW_MINIMIZE);
            SendMessageA(app.mainWindow, notice.message, notice.wParam, notice.lParam);
            ShowWindow(app.mainWindow, SW_RESTORE);
            PumpMessages();
            EXPECT_EQ(OuterRect().bottom - OuterRect().top, grownHeight);
        }
        /* The old, smaller caption leaves more room than needed: the window keeps its size. */
        RecomputeFrame();
        SendMessageA(app.mainWindow, notice.message, notice.wParam, notice.lParam);
        PumpMessages();
        EXPECT_EQ(OuterRect().bottom - OuterRect().top, grownHeight);
        StopViewer();
    }
}
