/* The entry box: the combo box's edit field, the keys that step through the views, and the entry it names.
   The field filters its characters and proposes names; the view keys are taken from the queue anywhere. */
#ifndef ZORAVEL_ENTRY_BOX_H
#define ZORAVEL_ENTRY_BOX_H

#include <windows.h>

/* Puts the character filter in front of the field's own procedure. */
void FilterEntryBoxKeys();

/* Handles a view key (Ctrl+Tab, Ctrl+PageDown, Ctrl+Shift+Tab, Ctrl+PageUp) sent to the viewer's
   windows as a click on that tab; true when the message was one and must not be translated. */
bool TranslateViewKey(const MSG *msg);

/* The entry the box picks or its text names, by name or by number; NO_ENTRY when neither. */
int EntryInBox();

/* Text that names no entry is drawn in a colour of its own, so the header's entry is not taken for it. */
void MarkUnnamedText(bool unnamed);

#endif
