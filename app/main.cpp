#include "shell/ProgramEntry.h"

// The program takes nothing from its command line or environment.
int main()
{
    return ProgramEntry();
}
