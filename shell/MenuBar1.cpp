#include "shell/MenuBar1.h"

#include <optional>
#include <string>
#include <utility>

#include "framework/Object.h"
#include "framework/Trace.h"

namespace MenuBar1 {

namespace {

// Set only once a bar has been built completely, so that a build that fails leaves
// it nil and the next use starts afresh.
std::shared_ptr<MenuBar1> s_implicit_instance;

// One entry, set up in the order every entry is: name, automatic enabling, text,
// then the shortcut, which separators leave as a new item has it.
template<class T = MenuItem>
std::shared_ptr<MenuItem> MakeEntry(std::string_view name, std::string_view text, std::optional<std::string_view> shortcut)
{
    auto item = RuntimeNewObject<T>();
    item->Constructor();
    item->SetName(std::string(name));
    item->SetAutoEnable(true);
    item->SetText(std::string(text));
    if (shortcut)
        item->SetKeyboardShortcut(std::string(*shortcut));
    return item;
}

std::shared_ptr<MenuItem> MakeSeparator(std::string_view name)
{
    return MakeEntry(name, "-", std::nullopt);
}

// Items go onto the menu as the bar holds it, found by the menu's name.
void AppendToMenu(MenuItem& bar, std::string_view menu_name, std::shared_ptr<MenuItem> item)
{
    NilCheck(bar.Child(menu_name), std::string("menu ") + std::string(menu_name)).Append(std::move(item));
}

}

void MenuBar1::Constructor()
{
    Trace("MenuBar1.Constructor");
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0()
{
    Append(MakeEntry("FileMenu", "&File", ""));
    AppendToMenu(*this, "FileMenu", MakeEntry<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1()
{
    Append(MakeEntry("EditMenu", "&Edit", ""));
    AppendToMenu(*this, "EditMenu", MakeEntry("EditUndo", "&Undo", "Cmd+Z"));
    AppendToMenu(*this, "EditMenu", MakeSeparator("UntitledMenu1"));
    AppendToMenu(*this, "EditMenu", MakeEntry("EditCut", "Cu&t", "Cmd+X"));
    AppendToMenu(*this, "EditMenu", MakeEntry("EditCopy", "&Copy", "Cmd+C"));
    AppendToMenu(*this, "EditMenu", MakeEntry("EditPaste", "&Paste", "Cmd+V"));
    AppendToMenu(*this, "EditMenu", MakeEntry("EditClear", "&Delete", ""));
    AppendToMenu(*this, "EditMenu", MakeSeparator("UntitledMenu0"));
    AppendToMenu(*this, "EditMenu", MakeEntry("EditSelectAll", "Select &All", "Cmd+A"));
}

void MenuBar1::Untitled2()
{
    Append(MakeEntry("QuadraticMenu", "Equations", ""));
    AppendToMenu(*this, "QuadraticMenu", MakeEntry("QuadraticVertexForm", "Vertex Form", "Cmd+1"));
    AppendToMenu(*this, "QuadraticMenu", MakeEntry("QuadraticPolynomialForm", "Polynomial Form", "Cmd+2"));
    AppendToMenu(*this, "QuadraticMenu", MakeEntry("EquationsCurvesketcher", "Curvesketcher", "Cmd+3"));
}

std::shared_ptr<MenuBar1> MenuBar1::Instance()
{
    if (!s_implicit_instance) {
        auto bar = RuntimeNewObject<MenuBar1>();
        bar->Constructor();
        s_implicit_instance = std::move(bar);
    }
    return s_implicit_instance;
}

void MenuBar1::ReleaseInstance()
{
    s_implicit_instance.reset();
    Trace("MenuBar1.ReleaseInstance");
}

}
