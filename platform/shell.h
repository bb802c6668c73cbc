#pragma once

// Hands documents to the programs the user has chosen for them.
namespace platform {

// Opens the file with the shell's "open" verb in a normal window; whether a
// program could be found for it is of no interest to the caller.
void openDocument(const char* path);

}  // namespace platform
