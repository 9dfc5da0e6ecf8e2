/* The entry box: the combo box's edit field and the entry it names.
   The focus stays in the field for the whole run, so its keys are the viewer's keys. */
#ifndef ZORAVEL_ENTRY_BOX_H
#define ZORAVEL_ENTRY_BOX_H

/* Puts the character filter and the view keys in front of the field's own procedure. */
void FilterEntryBoxKeys();

/* The entry the box picks or its text names; the one shown so far when neither does. */
unsigned ChosenEntry();

#endif
