#pragma once

// The program's own icon (the picture the package installs, built into the
// program) on every window, and the name of its desktop entry, so that docks
// and task switchers show the program's icon and match its windows to the entry.
// Needs the application object.
void SetProgramIdentity();
