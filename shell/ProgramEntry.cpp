#include "shell/ProgramEntry.h"

#include "framework/Runtime.h"
#include "shell/MenuBar1.h"
#include "shell/Startup.h"

int ProgramEntry()
{
    RuntimeInit();
    // The classes' type information needs no initialisation at run time.
    Main();
    // The framework's windows and application object go first, so that the menu bar
    // they share goes with its last reference here.
    FrameworkFinalize();
    MenuBar1::MenuBar1::ReleaseInstance();
    return RuntimeExit();
}
