// The small fixed images of the viewer: type icons, tab buttons and gender symbols.
// Each is drawn from its table row; the ids are the resource ids of resource.h.
#ifndef ZORAVEL_ARTGEN_UI_IMAGES_H
#define ZORAVEL_ARTGEN_UI_IMAGES_H

#include <string>
#include <vector>

#include "raster.h"

const int kTypeIconWidth = 32;
const int kTypeIconHeight = 12;
const int kTypeIconCount = 17;
const int kTabWidth = 35;
const int kTabHeight = 14;
const int kTabCount = 8;
const int kSymbolWidth = 16;
const int kSymbolHeight = 22;

const Rgb kTypeCorner = {28, 28, 28};
const Rgb kTypeShadow = {66, 66, 66};
const Rgb kSymbolBackground = {76, 76, 76};

struct TypeIconRow {
    int id;
    const char *word; // capitals without diacritics; the accent is drawn separately
    int accentLetter; // index of the letter carrying an acute accent, or -1
    Rgb upperFace;
    Rgb lowerFace;
};

struct TabRow {
    int id;
    const char *word;
    bool pressed;
    Rgb lightEdge; // raised tabs only
};

extern const TypeIconRow kTypeIcons[kTypeIconCount];
extern const TabRow kTabs[kTabCount];

Raster DrawTypeIcon(const TypeIconRow &row);
Raster DrawTab(const TabRow &row);
Raster DrawFemaleSymbol();
Raster DrawMaleSymbol();

#endif
