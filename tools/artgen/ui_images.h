/* The small fixed images of the viewer: type icons, tab buttons and gender symbols.
   Each is drawn from its table row; the ids are the resource ids of resource.h. */
#ifndef ZORAVEL_ARTGEN_UI_IMAGES_H
#define ZORAVEL_ARTGEN_UI_IMAGES_H

#include <string>
#include <vector>

#include "raster.h"

const int TYPE_ICON_WIDTH = 32;
const int TYPE_ICON_HEIGHT = 12;
const int TYPE_ICON_COUNT = 17;
const int TAB_WIDTH = 35;
const int TAB_HEIGHT = 14;
const int TAB_COUNT = 8;
const int SYMBOL_WIDTH = 16;
const int SYMBOL_HEIGHT = 22;

const Rgb TYPE_CORNER = {28, 28, 28};
const Rgb TYPE_SHADOW = {66, 66, 66};
const Rgb SYMBOL_BACKGROUND = {76, 76, 76};

struct TypeIconRow {
    int id;
    const char *word; /* capitals without diacritics; the accent is drawn separately */
    int accentLetter; /* index of the letter carrying an acute accent, or -1 */
    Rgb upperFace;
    Rgb lowerFace;
};

struct TabRow {
    int id;
    const char *word;
    bool pressed;
    Rgb lightEdge; /* raised tabs only */
};

extern const TypeIconRow TYPE_ICONS[TYPE_ICON_COUNT];
extern const TabRow TABS[TAB_COUNT];

Raster DrawTypeIcon(const TypeIconRow &row);
Raster DrawTab(const TabRow &row);
Raster DrawFemaleSymbol();
Raster DrawMaleSymbol();

#endif
