#include "framework/Runtime.h"

#include <exception>
#include <memory>
#include <utility>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "framework/Trace.h"
#include "framework/private/EventBoundary.h"
#include "framework/private/FrameworkState.h"
#include "framework/private/WindowOrder.h"

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
