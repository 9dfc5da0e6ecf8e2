/* The window's layout as the tests expect it, stated once here and apart from the program's own
   tables: tab places and images, the lower panel, the colours and where a person clicks. */
#ifndef ZORAVEL_TEST_EXPECTED_LAYOUT_H
#define ZORAVEL_TEST_EXPECTED_LAYOUT_H

#include <windows.h>

#include "resource.h"

/* Colours of the casing, the grey panels, the picture box and the panels' texts. */
const COLORREF EXPECTED_CASING_PEN_COLOUR = RGB(204, 51, 0);
const COLORREF EXPECTED_CASING_COLOUR = RGB(255, 0, 0);
const COLORREF EXPECTED_PANEL_COLOUR = RGB(76, 76, 76);
const COLORREF EXPECTED_BOX_PEN_COLOUR = RGB(153, 153, 153);
const COLORREF EXPECTED_WHITE = RGB(255, 255, 255);
const COLORREF EXPECTED_INFO_TEXT_COLOUR = RGB(196, 196, 196);
const COLORREF EXPECTED_EVOLUTION_TEXT_COLOUR = RGB(140, 214, 0);

/* The lower panel with its outline, and its inside clear of the rounded 5-pixel outline. */
const RECT EXPECTED_LOWER_PANEL = {26, 287, 275, 427};
const RECT EXPECTED_PANEL_INSIDE = {30, 290, 271, 424};

/* The header: the picture (120 by 120) and the number "413." on the picture box's white. */
const int EXPECTED_PICTURE_X = 91, EXPECTED_PICTURE_Y = 57;
const int EXPECTED_NUMBER_X = 70, EXPECTED_NUMBER_Y = 39;

/* The info panel's label, type icons (64 by 24) and size lines, and the evolution panel's two lines. */
const int EXPECTED_TYPE_LABEL_X = 31, EXPECTED_TYPE_LABEL_Y = 295;
const int EXPECTED_TYPE_ICON1_X = 70, EXPECTED_TYPE_ICON2_X = 150, EXPECTED_TYPE_ICON_Y = 292;
const int EXPECTED_HEIGHT_LINE_X = 31, EXPECTED_WEIGHT_LINE_X = 150, EXPECTED_SIZE_LINES_Y = 330;
const int EXPECTED_EVOLUTION_LINE_X = 31, EXPECTED_EVOLUTION_LINE1_Y = 330, EXPECTED_EVOLUTION_LINE2_Y = 360;

/* The four tabs, 70 by 28, in the order info, moves, machines, evolution.
   scripts/gallery.sh reads the rows: keep one tab per row, its name in the comment. */
const int EXPECTED_TAB_WIDTH = 70, EXPECTED_TAB_HEIGHT = 28;

struct ExpectedTab {
    int x, y;
    unsigned short imageOn, imageOff;
};

/* clang-format off */
const ExpectedTab expectedTab[4] = {
    {35,  256, IDB_TAB_INFO_ON,      IDB_TAB_INFO_OFF     }, /* info */
    {115, 256, IDB_TAB_MOVES_ON,     IDB_TAB_MOVES_OFF    }, /* moves */
    {195, 256, IDB_TAB_MACHINES_ON,  IDB_TAB_MACHINES_OFF }, /* machines */
    {35,  430, IDB_TAB_EVOLUTION_ON, IDB_TAB_EVOLUTION_OFF}, /* evolution */
};
/* clang-format on */

/* Where a person clicks a tab: the middle of its drawn button. */
inline POINT ExpectedTabCentre(int tab)
{
    POINT centre = {expectedTab[tab].x + EXPECTED_TAB_WIDTH / 2,
                    expectedTab[tab].y + EXPECTED_TAB_HEIGHT / 2};
    return centre;
}

/* The hit rectangle of a tab: where its image lies, right and bottom edges outside. */
inline RECT ExpectedTabRect(int tab)
{
    RECT rect = {expectedTab[tab].x, expectedTab[tab].y, expectedTab[tab].x + EXPECTED_TAB_WIDTH,
                 expectedTab[tab].y + EXPECTED_TAB_HEIGHT};
    return rect;
}

#endif
