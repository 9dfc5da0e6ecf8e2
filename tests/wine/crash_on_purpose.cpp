/* A test program that crashes on purpose: the harness must report it failed within seconds,
   with no crash debugger left waiting. */
#include <stdio.h>

int main()
{
    printf("crash_on_purpose: writing through a null pointer\n");
    fflush(stdout);
    volatile int *nowhere = NULL;
    *nowhere = 1;
    return 0;
}
