/* Filling the list box of the moves and machines views from the catalogue's list strings.
   Rebuilt from the unparsed strings on every call. */
#ifndef ZORAVEL_MOVE_LIST_BOX_H
#define ZORAVEL_MOVE_LIST_BOX_H

void FillMoveList();

#endif
