#include "framework/WindowOrder.h"
#include "framework/private/WindowOrder.h"

#include <algorithm>
#include <utility>

#include "framework/MenuDispatch.h"
#include "framework/private/EventBoundary.h"
#include "framework/private/FrameworkState.h"

namespace Framework {

void MoveToFrontAndUpdateMenus(Window const& window)
{
    MoveToFront(window);
    UpdateMenuItems();
}

void AddOpenWindow(std::shared_ptr<Window> window)
{
    GetState().windows.push_back(std::move(window));
}

void RemoveOpenWindow(Window const& window)
{
    auto& windows = GetState().windows;
    std::erase_if(windows, [&](auto const& open) { return open.get() == &window; });
}

void MoveToFront(Window const& window)
{
    auto& windows = GetState().windows;
    auto it = std::find_if(windows.begin(), windows.end(), [&](auto const& open) { return open.get() == &window; });
    if (it != windows.end())
        std::rotate(windows.begin(), it, it + 1);
}

void CloseAllWindows()
{
    auto& state = GetState();
    bool const was_finalizing = state.finalizing;
    state.finalizing = true;
    // Each close takes its window off the list; a copy keeps the walk valid.
    auto windows = state.windows;
    for (auto& window : windows)
        window->Close();
    state.windows.clear();
    state.finalizing = was_finalizing;
    ReleaseClosedControls();
    DeleteDeferredWidgets();
}

}

using Framework::GetState;

std::shared_ptr<Window> GetImplicitWindow(std::string_view class_name)
{
    for (auto const& window : GetState().windows)
        if (window->ImplicitInstance() && window->ClassName() == class_name)
            return window;
    return nullptr;
}

std::vector<std::shared_ptr<Window>> OpenWindows()
{
    return GetState().windows;
}

std::shared_ptr<Window> FrontWindow()
{
    auto const& windows = GetState().windows;
    return windows.empty() ? nullptr : windows.front();
}
