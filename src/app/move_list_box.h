/* Filling the list box of the moves and machines views from the catalogue's list strings.
   Rebuilt from the unparsed strings on every call. */
#ifndef ZORAVEL_MOVE_LIST_BOX_H
#define ZORAVEL_MOVE_LIST_BOX_H

/* Filled from the top, nothing selected. */
void FillMoveList();
/* The same, except that a list with the entry, form and view of the last fill keeps its top line and
   its selected row: every notification of the combo box refills it, focus changes too. */
void RefillMoveList();

#endif
