#pragma once

// The life of the process: initialises the runtime, runs the framework's lifetime,
// releases the framework's state and last the shared menu bar, and returns the exit
// status that the runtime's shut-down gives. Arguments and the environment of the
// process are not read.
int ProgramEntry();
