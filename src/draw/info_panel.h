/* The info view's panel: type icons, "Typ:", height and weight.
   Drawn whole through its own DC over the cleared lower panel. */
#ifndef ZORAVEL_INFO_PANEL_H
#define ZORAVEL_INFO_PANEL_H

void DrawInfoPanel();

#endif
