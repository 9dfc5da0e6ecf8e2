/* Creature pictures: one drawer per body plan, each shaping its entries from the plan table.
   The result is an 80 by 80 picture on pure white. */
#ifndef ZORAVEL_ARTGEN_CREATURES_H
#define ZORAVEL_ARTGEN_CREATURES_H

#include <cstdint>
#include <vector>

#include "raster.h"

/* form is 0 except for the form entry, whose forms 1 and 2 have their own pictures. */
Raster DrawCreature(int entry, int form);
/* The head of the first entry alone, for the program icon, on a transparent background:
   size is 32 or 16; opaque receives one flag per pixel. */
Raster DrawIconHead(int size, std::vector<uint8_t> &opaque);

#endif
