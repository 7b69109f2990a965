#ifndef DIAGNOSTICS_DIAGNOSTICBUILD_H
#define DIAGNOSTICS_DIAGNOSTICBUILD_H

// Turns the engine into the diagnostic build's: the library reports its
// shaders and programs once they are built, and the text-file writer stops
// the program rather than create a file. Before the library starts.
void installDiagnostics();

#endif
