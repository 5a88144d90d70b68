#include "framework/Runtime.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#if __has_include(<cxxabi.h>)
#    include <cxxabi.h>
#endif

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "framework/EventBoundaryPrivate.h"
#include "framework/FrameworkState.h"
#include "framework/NativeWindow.h"
#include "framework/Trace.h"
#include "framework/WindowOrderPrivate.h"

using Framework::GetState;

void RuntimeInit()
{
    auto& state = GetState();
    if (state.init_depth++ > 0)
        return;
    if (!QApplication::instance()) {
        // The process's own arguments are never handed to the toolkit.
        static int argc = 1;
        static char name[] = "graph-explorer";
        static char* argv[] = { name, nullptr };
        state.native_application = new QApplication(argc, argv);
    }
#ifdef Q_OS_MACOS
    // The global menu bar stays, so Quit stays within reach.
    QGuiApplication::setQuitOnLastWindowClosed(false);
#else
    // No menu bar would remain to reach Quit.
    QGuiApplication::setQuitOnLastWindowClosed(true);
#endif
}

int RuntimeExit()
{
    Trace("RuntimeExit");
    auto& state = GetState();
    int const status = state.exit_status;
    state.exit_status = 0;
    if (state.init_depth > 0 && --state.init_depth == 0) {
        Framework::CloseAllWindows();
        state.application.reset();
        state.escaped = nullptr;
        state.quit_requested = false;
        Framework::ReleaseClosedControls();
        Framework::DeleteDeferredWidgets();
        delete state.native_application;
        state.native_application = nullptr;
    }
    return status;
}

void RunFrameworkInitialization(void (*startup)())
{
    Trace("RunFrameworkInitialization");
    if (!startup)
        throw NilObjectException("the start-up routine is nil");
    startup();
}

void RuntimeRun()
{
    Trace("RuntimeRun");
    auto& state = GetState();
    // A window closed while no loop ran may have left a quit request behind; it must
    // not end this loop.
    if (QCoreApplication::instance())
        QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::Quit);
    if (!state.quit_requested && !state.escaped && QCoreApplication::instance()) {
        ++state.loop_depth;
        QCoreApplication::exec();
        --state.loop_depth;
    }
    state.quit_requested = false;
    if (auto escaped = std::exchange(state.escaped, nullptr))
        std::rethrow_exception(escaped);
}

void RuntimeQuit()
{
    auto& state = GetState();
    if (state.loop_depth > 0)
        QCoreApplication::exit(0);
    else
        state.quit_requested = true;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> application)
{
    Trace("RuntimeRegisterAppObject");
    GetState().application = std::move(application);
}

std::shared_ptr<Application> GetAppObject()
{
    return GetState().application;
}

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
        if (auto* native = window->Native())
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

void FrameworkFinalize()
{
    Trace("FrameworkFinalize");
    auto& state = GetState();
    Framework::CloseAllWindows();
    state.application.reset();
    state.escaped = nullptr;
    state.quit_requested = false;
}

void RuntimeInitExternalClasses()
{
    Trace("RuntimeInitExternalClasses");
}

void InitPluginEntrypoints()
{
    Trace("InitPluginEntrypoints");
}
