#pragma once

// The whole program after the platform's entry: returns the exit code.
int runProgram(void* programInstance, void* previousInstance, const char* commandLine);
