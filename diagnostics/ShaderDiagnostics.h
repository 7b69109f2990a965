#ifndef DIAGNOSTICS_SHADERDIAGNOSTICS_H
#define DIAGNOSTICS_SHADERDIAGNOSTICS_H

#include "engine/render/VXShader.h"
#include "engine/render/VXShaderProgram.h"

// Reports of what GL says about shaders and programs, on standard output.
// Every block opens with an empty line and the dash, zero and dash rules and
// closes with the same three rules and an empty line (printProgramInfo
// closes without that empty line). They only read state, whatever it says.

void printShaderInfoLog(const VXShader& shader);
// Type, delete status and compile status.
void printShaderInfo(const VXShader& shader);
void printProgramInfoLog(const VXShaderProgram& program);
// Delete, link and validate status, then every active attribute and uniform
// with its size and type.
void printProgramInfo(const VXShaderProgram& program);
// For each shader of the program in list order; the number of shaders.
int printAllShaderInfoLogs(const VXShaderProgram& program);
int printAllShaderInfo(const VXShaderProgram& program);

// The text of an attribute's or uniform's GL type in printProgramInfo;
// "UNRECOGNIZED TYPE" for every type outside the float vectors and matrices.
const char* glTypeText(GLenum type);

// The library's reports once its six programs are built: the lit program in
// full, then the info log of each program in the order they were built.
void printLibraryDiagnostics();

#endif
