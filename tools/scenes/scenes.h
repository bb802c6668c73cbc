#pragma once

// Composed pictures drawn with the renderer, for the reference-picture tests,
// the benchmarks and a look at the fonts. They draw into the open frame with
// its fonts.

struct FrameBuffer;

// A wizard page: the blue gradient, the heading, a panel with a sunken inner
// panel, three buttons and five lines of text.
void drawWizardScene(FrameBuffer& frame);

// The gradient alone: one solid line a row.
void drawGradient(FrameBuffer& frame);

// Lines of every slope and style, outlines, fills, circles, a mask, and
// shapes that reach past the frame's edges.
void drawPrimitivesScene(FrameBuffer& frame);

// Characters 32 to 255 of the three fonts the wizard uses, 32 a line, black
// on grey, then the heading's yellow over blue.
void drawCharacterSetScene(FrameBuffer& frame);
