#include "framework/MenuDispatch.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/MenuBar.h"
#include "framework/MenuHandlers.h"
#include "framework/MenuItem.h"
#include "framework/Runtime.h"
#include "framework/WindowOrder.h"
#include "framework/private/FrameworkState.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeWindow.h"

using Framework::GetState;
using Framework::KeyIssuer;

namespace {

// Menu titles (the bar's own children) and Quit are always enabled; every other item
// with AutoEnable waits for a handler or an EnableMenuItems handler to enable it.
void DisableAutoEnableItems(MenuItem& parent, bool is_bar)
{
    for (auto const& item : parent.Children()) {
        if (item->AutoEnable())
            item->SetEnabled(is_bar || item->IsQuitItem());
        DisableAutoEnableItems(*item, false);
    }
}

void EnableHandledItems(MenuItem& parent, MenuHandlers const& handlers)
{
    for (auto const& item : parent.Children()) {
        if (handlers.Has(item->Name()))
            item->Enable();
        EnableHandledItems(*item, handlers);
    }
}

// The distinct bars in use: the application's and every open window's.
std::vector<std::shared_ptr<MenuBar>> BarsInUse()
{
    std::vector<std::shared_ptr<MenuBar>> bars;
    auto add = [&](std::shared_ptr<MenuBar> bar) {
        if (bar && std::find(bars.begin(), bars.end(), bar) == bars.end())
            bars.push_back(std::move(bar));
    };
    if (auto application = GetAppObject())
        add(application->MenuBar());
    for (auto const& window : GetState().windows)
        add(window->MenuBar());
    return bars;
}

void SyncMenuViews()
{
    for (auto const& window : GetState().windows)
        if (auto* native = window->Native(KeyIssuer::Key()))
            native->SyncMenuEnabling();
}

struct SyncViewsOnExit {
    ~SyncViewsOnExit() { SyncMenuViews(); }
};

}

void UpdateMenuItems()
{
    // Whatever an EnableMenuItems handler does, the views show the items' state.
    SyncViewsOnExit sync;
    for (auto const& bar : BarsInUse())
        DisableAutoEnableItems(*bar, true);
    auto application = GetAppObject();
    auto front = FrontWindow();
    if (application)
        application->Event_EnableMenuItems();
    if (front) {
        front->Event_EnableMenuItems();
        if (auto bar = front->MenuBar())
            EnableHandledItems(*bar, front->Handlers());
    }
}

bool ChooseMenuItem(std::string_view name)
{
    UpdateMenuItems();
    auto application = GetAppObject();
    auto front = FrontWindow();
    std::shared_ptr<MenuItem> item;
    if (front && front->MenuBar())
        item = front->MenuBar()->Lookup(name);
    if (!item && application && application->MenuBar())
        item = application->MenuBar()->Lookup(name);
    if (!item)
        throw NilObjectException(std::string("no menu item named ") + std::string(name));
    if (!item->Enabled())
        return false;
    if (item->IsQuitItem()) {
        RuntimeQuit();
        return true;
    }
    // A copy: the handler may close its window, which drops the registration.
    auto ask = [name](MenuHandlers const& handlers) {
        auto const* found = handlers.Find(name);
        if (!found)
            return false;
        MenuHandler handler = *found;
        return handler();
    };
    if (front && ask(front->Handlers()))
        return true;
    if (application && ask(application->Handlers()))
        return true;
    return false;
}
