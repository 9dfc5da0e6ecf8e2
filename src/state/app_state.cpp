/* The one instance of the viewer's shared state.
   Zeroed at process start; WinMain's first step sets what the start needs. */
#include "state/app_state.h"

AppState app;
