#include "shell/EquationsCurvesketcher.h"

#include "framework/MenuBar.h"
#include "framework/Object.h"
#include "shell/App.h"

std::shared_ptr<MenuItem> EquationsCurvesketcher()
{
    auto app = App::Instance();
    auto bar = NilCheck(app, "the application object").MenuBar();
    return NilCheck(bar, "the application's menu bar").Lookup("EquationsCurvesketcher");
}
