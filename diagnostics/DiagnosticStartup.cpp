// Linked only into the diagnostic program: installs the diagnostics during
// static initialisation, so the game's own main stays as it is. The engine's
// hooks are constant-initialised, so they are in place before this runs.
#include "diagnostics/DiagnosticBuild.h"

namespace {

struct DiagnosticStartup {
    DiagnosticStartup() { installDiagnostics(); }
};

const DiagnosticStartup diagnosticStartup;

} // namespace
