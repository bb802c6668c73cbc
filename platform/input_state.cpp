#include "platform/input_state.h"

InputState input;
