#include "shell/App.h"

#include "framework/Object.h"
#include "framework/Runtime.h"
#include "polynomial/Curvesketcher.h"
#include "shell/EquationsCurvesketcher.h"

void App::Event_EnableMenuItems()
{
    NilCheck(EquationsCurvesketcher(), "menu item EquationsCurvesketcher").Enable();
}

bool App::EquationsCurvesketcher_Action()
{
    // The framework keeps the new window open; nothing here needs it afterwards.
    auto window = RuntimeNewObject<Curvesketcher::Curvesketcher>();
    window->Constructor();
    return true;
}

void App::Constructor()
{
}

std::shared_ptr<App> App::Instance()
{
    return RuntimeCheckCast<App>(GetAppObject());
}
