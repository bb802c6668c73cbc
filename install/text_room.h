#pragma once

// The wizard's texts and folders live in fixed buffers of this many
// characters, the terminating zero included.
inline constexpr int kTextRoom = 200;
