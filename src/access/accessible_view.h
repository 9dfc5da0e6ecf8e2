/* The window as a screen reader finds it: one static IAccessible object for the client area, answered
   from WM_GETOBJECT, with the drawn parts as its simple children, and the events that say what changed. */
#ifndef ZORAVEL_ACCESSIBLE_VIEW_H
#define ZORAVEL_ACCESSIBLE_VIEW_H

#include <windows.h>

/* The children of the client object in their order on screen: the three controls are their own
   standard objects, the rest are drawn and answered here. */
enum AccessibleChild {
    CHILD_ENTRY_BOX = 1,
    CHILD_PICTURE,
    CHILD_FORM_BUTTON,
    CHILD_INFO_TAB,
    CHILD_MOVES_TAB,
    CHILD_MACHINES_TAB,
    CHILD_PANEL_TEXT,
    CHILD_MOVE_LIST,
    CHILD_EVOLUTION_TAB,
    ACCESSIBLE_CHILD_COUNT = CHILD_EVOLUTION_TAB
};

/* WM_GETOBJECT: the client object for OBJID_CLIENT; every other object the system's own. */
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

/* Events for screen readers, raised after the window shows the change. */
void AnnounceEntry();
void AnnounceView();
void AnnounceForm();

/* The window is going: clients that still hold the object get errors from now on. */
void DisconnectAccessibleView();

#endif
