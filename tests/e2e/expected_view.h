/* What the viewer's window must show for an entry, form and view, rendered here from the catalogue
   and the bitmaps, and compared with the screen and the list box of the running program. */
#ifndef ZORAVEL_E2E_EXPECTED_VIEW_H
#define ZORAVEL_E2E_EXPECTED_VIEW_H

#include "viewer_driver.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

enum View { VIEW_INFO, VIEW_MOVES, VIEW_MACHINES, VIEW_EVOLUTION };

struct ViewState {
    int entry;
    int form;
    View view;
};

/* Where a person clicks a tab: the middle of its drawn button. */
POINT TabCentre(View view);

/* Expected pixels of the window's client area; only the marked ones are compared. */
struct ExpectedPixels {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    std::vector<bool> checked;
};
ExpectedPixels RenderExpected(const ViewState &state, int clientWidth, int clientHeight);

/* The list box lines the catalogue gives for the state (empty for the drawn views). */
std::vector<std::wstring> ExpectedListLines(const ViewState &state);

/* The screen alone: header, tabs and the drawn panel (a shown list box paints over the panel). */
::testing::AssertionResult ScreenShows(const Viewer &viewer, const ViewState &state);

/* Every check of the state once: pixels, list box, form button, combo selection and text. */
::testing::AssertionResult ViewerShows(const Viewer &viewer, const ViewState &state);

/* Waits (up to the wait limit) for the viewer to show the state after an action, and again once
   the viewer has handled what was queued by then. The state must differ from the one before the
   action: the wait cannot tell an unhandled action from a handled one that changed nothing. */
::testing::AssertionResult SettlesOn(const Viewer &viewer, const ViewState &state);

#endif
