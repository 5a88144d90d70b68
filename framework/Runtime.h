#pragma once

#include <memory>

#include "framework/Application.h"
#include "framework/Object.h"

// The runtime and the application's life. Everything runs on one thread.

// Sets up the runtime and the platform (the native application object). Arguments
// and the environment of the process are not handed to it.
void RuntimeInit();
// Shuts the runtime down and returns the exit status: 0 after a normal quit, 1 after
// an unhandled exception.
int RuntimeExit();

// Calls the start-up routine once, before it returns.
void RunFrameworkInitialization(void (*startup)());
// Runs the event loop until the application quits. An exception that escaped an
// event or menu handler ends the loop and is rethrown from here.
void RuntimeRun();
// Ends the event loop (File > Quit).
void RuntimeQuit();

void RuntimeRegisterAppObject(std::shared_ptr<Application> application);
std::shared_ptr<Application> GetAppObject();

// Module finalisation of the framework: closes every window, then releases the
// window lists and the application object.
void FrameworkFinalize();

// The framework's own start-up steps, which a start-up routine runs before its own.
// The framework's classes need no registration (their type information is the
// compiler's), so this only marks the step.
void RuntimeInitExternalClasses();
// Sets up the table of plug-in entry points; the table is empty, since nothing loads
// plug-ins, so this only marks the step.
void InitPluginEntrypoints();
