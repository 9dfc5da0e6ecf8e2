/* Entry point of ZoravelD.exe.
   The command line and the previous instance are of no use to the viewer. */
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand)
{
    (void)previousInstance;
    (void)commandLine;
    return RunZoravel(instance, showCommand);
}
