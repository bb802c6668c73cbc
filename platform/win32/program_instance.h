#pragma once

#include <windows.h>

// The instance the program was started with, as the entry point handed it on.
HINSTANCE programInstance();
