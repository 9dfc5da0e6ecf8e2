/* The evolution view's panel: two lines of notes with their gender marks.
   Drawn whole through its own DC over the cleared lower panel. */
#ifndef ZORAVEL_EVOLUTION_PANEL_H
#define ZORAVEL_EVOLUTION_PANEL_H

void DrawEvolutionPanel();

#endif
