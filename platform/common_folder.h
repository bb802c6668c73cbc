#pragma once

// The folder for data that every user of the machine shares, the same
// whoever runs the program and from wherever: "C:\ProgramData" on Windows.
// False when it cannot be told or does not fit into `room` characters.
namespace platform {

bool commonDataFolder(char* buffer, int room);

}  // namespace platform
