/* Times the viewer's user actions in-process on the real window: tab clicks, selection changes,
   form clicks and full repaints, each until every paint it causes is done. Prints figures only. */
#include "app/controls.h"
#include "app/startup.h"
#include "catalogue/catalogue.h"
#include "draw/layout.h"
#include "resource.h"
#include "state/app_state.h"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

static const int REPETITIONS = 1000;
static const int WARM_UP = 50;

static const POINT tabCentre[TAB_COUNT] = {
    {70,  270},
    {150, 270},
    {230, 270},
    {70,  444}
};
static const char *const tabName[TAB_COUNT] = {"info", "moves", "machines", "evolution"};

static double ticksPerMs;

static LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

static void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

/* Every paint the action caused, the list box's included, is finished when this returns. */
static void FinishPaints()
{
    UpdateWindow(app.mainWindow);
    GdiFlush();
}

static void ClickTab(int tab)
{
    SendMessageA(app.mainWindow, WM_LBUTTONUP, 0, MAKELPARAM(tabCentre[tab].x, tabCentre[tab].y));
}

static void PickEntry(int entry)
{
    SendMessageA(app.entryCombo, CB_SETCURSEL, entry, 0);
    for (int notification : {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE})
        SendMessageA(app.mainWindow, WM_COMMAND, MAKEWPARAM(IDC_ENTRY_COMBO, notification),
                     (LPARAM)app.entryCombo);
}

struct Figures {
    const char *name;
    std::vector<double> ms;
};

static void Report(Figures &figures)
{
    std::sort(figures.ms.begin(), figures.ms.end());
    size_t n = figures.ms.size();
    double median = n % 2 ? figures.ms[n / 2] : (figures.ms[n / 2 - 1] + figures.ms[n / 2]) / 2;
    size_t p99Index = (size_t)(0.99 * (double)(n - 1) + 0.5);
    printf("action %-22s n=%5zu  median %7.3f ms  p99 %7.3f ms  max %7.3f ms\n", figures.name, n, median,
           figures.ms[p99Index], figures.ms[n - 1]);
}

/* Runs one action and its paints, timed; the queue is drained outside the timing. */
template <typename Action> static double Time(Action action)
{
    Pump();
    LARGE_INTEGER start = Now();
    action();
    FinishPaints();
    LARGE_INTEGER end = Now();
    Pump();
    return (double)(end.QuadPart - start.QuadPart) / ticksPerMs;
}

int main()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    ticksPerMs = (double)frequency.QuadPart / 1000.0;

    InitAppState(GetModuleHandleA(NULL));
    if (!RegisterMainClass() || !CreateMainWindow()) {
        fprintf(stderr, "bench_actions: no window\n");
        return 1;
    }
    ShowWindow(app.mainWindow, SW_SHOWNORMAL);
    UpdateWindow(app.mainWindow);
    CreateControls();
    Pump();

    Figures tab = {"tab click", {}};
    Figures pick = {"selection change", {}};
    Figures form = {"form click", {}};
    Figures repaint = {"full repaint", {}};
    Figures perView[TAB_COUNT] = {
        {"selection in info",      {}},
        {"selection in moves",     {}},
        {"selection in machines",  {}},
        {"selection in evolution", {}}
    };
    Figures repaintView[TAB_COUNT] = {
        {"repaint in info",      {}},
        {"repaint in moves",     {}},
        {"repaint in machines",  {}},
        {"repaint in evolution", {}}
    };

    for (int i = -WARM_UP; i < REPETITIONS; ++i) {
        bool keep = i >= 0;
        int view = (i + WARM_UP) % TAB_COUNT;
        /* A tab click always switches to another view. */
        double ms = Time([&] { ClickTab(view); });
        if (keep)
            tab.ms.push_back(ms);

        int entry = (i + WARM_UP) * 37 % ENTRY_COUNT;
        ms = Time([&] { PickEntry(entry); });
        if (keep) {
            pick.ms.push_back(ms);
            perView[view].ms.push_back(ms);
        }

        ms = Time([&] { InvalidateRect(app.mainWindow, NULL, TRUE); });
        if (keep) {
            repaint.ms.push_back(ms);
            repaintView[view].ms.push_back(ms);
        }
    }

    /* The form button exists for the form entry only; its clicks cycle the three forms in every view. */
    PickEntry(FORM_ENTRY);
    FinishPaints();
    for (int i = -WARM_UP; i < REPETITIONS; ++i) {
        if ((i + WARM_UP) % 50 == 0) {
            ClickTab((i + WARM_UP) / 50 % TAB_COUNT);
            FinishPaints();
        }
        double ms = Time([] { SendMessageA(app.formButton, BM_CLICK, 0, 0); });
        if (i >= 0)
            form.ms.push_back(ms);
    }

    Report(tab);
    Report(pick);
    Report(form);
    Report(repaint);
    for (Figures &figures : perView)
        Report(figures);
    for (Figures &figures : repaintView)
        Report(figures);

    DestroyWindow(app.mainWindow);
    Pump();
    return 0;
}
