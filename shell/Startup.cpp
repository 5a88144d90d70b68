#include "shell/Startup.h"

#include <exception>

#include "framework/Delegate.h"
#include "framework/ExceptionHelper.h"
#include "framework/Object.h"
#include "framework/Runtime.h"
#include "framework/Trace.h"
#include "framework/UnhandledException.h"
#include "parabola/Arcsketcher.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"

void Main()
{
    Trace("Main");
    try {
        RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
        RunFrameworkInitialization(Startup);
        RuntimeRun();
    } catch (...) {
        UnhandledException(std::current_exception());
    }
}

void Startup()
{
    Trace("Startup");
    RuntimeInitExternalClasses();
    InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

void InitFileTypes()
{
    Trace("InitFileTypes");
}

void NewAppInstance()
{
    Trace("NewAppInstance");
    auto app = RuntimeNewObject<App>();
    app->Constructor();
    // The bar is set before registration, so the registered object is complete from
    // the moment anything can reach it.
    app->SetMenuBar(MenuBar1::MenuBar1::Instance());
    RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers()
{
    Trace("ApplicationAddMenuHandlers");
    auto app = App::Instance();
    auto& registered = NilCheck(app, "the application object");
    registered.AddMenuHandler("EquationsCurvesketcher", RuntimeCreateDelegate(registered, &App::EquationsCurvesketcher_Action));
}

void MakeDefaultView()
{
    Trace("MakeDefaultView");
    // The framework keeps the window open; the reference is not needed.
    Arcsketcher::Arcsketcher::Instance();
}
