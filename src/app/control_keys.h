/* The keyboard between the controls: Tab and Shift+Tab through the shown ones in their order on screen,
   Enter on the form button, and the focus back in the entry box after the form button is clicked. */
#ifndef ZORAVEL_CONTROL_KEYS_H
#define ZORAVEL_CONTROL_KEYS_H

#include <windows.h>

/* Handles Tab, Shift+Tab and Enter on the form button as a dialog box does; true when the message was
   one and must be neither translated nor dispatched (so it makes no character and no beep). */
bool TranslateControlKey(const MSG *msg);

/* After a dispatched message: a mouse click on the form button leaves the focus in the entry box, its
   text selected, so typing goes on there. */
void FollowMouseClick(const MSG *msg);

#endif
