#pragma once

// The framework's lifetime: installs the exception helper, initialises the framework
// with Startup, runs the event loop. An exception that leaves any of this goes to the
// framework's unhandled-exception handling, and Main returns normally after it.
void Main();

// Called back once by the framework's initialisation; runs the framework's two
// start-up steps, then the program's own below, one after the other, and an
// exception in one ends it.
void Startup();

// The program declares no document file types.
void InitFileTypes();
// Creates the application object, gives it the shared menu bar and only then
// registers it.
void NewAppInstance();
// Attaches the application's handler for the item that opens polynomial windows.
void ApplicationAddMenuHandlers();
// Opens the default parabola window.
void MakeDefaultView();
