#include "diagnostics/DiagnosticBuild.h"

#include "diagnostics/FileExists.h"
#include "diagnostics/ShaderDiagnostics.h"
#include "engine/render/VXLibrary.h"
#include "engine/text/VXTextFileStreamWriter.h"

void installDiagnostics()
{
    libraryProgramsBuiltHook = printLibraryDiagnostics;
    writeFileCheck = stopUnlessFileExists;
}
