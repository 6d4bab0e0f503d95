#pragma once

// The drawing primitives of the grey three-dimensional look: fonts by code,
// bevelled boxes, etched frames and lines, engraved text. All draw into the
// current window; each sets the drawing state it needs and leaves the state
// named with it.

#include <string_view>

namespace vorlanz {

// Screen font codes: 6 small ARIAL, 5 a narrower one (height 10, digits 5
// pixels wide) for figures too wide for 6, 8 the fixed 8 x 16 screen font, 14
// the fixed system font, 20 large ARIAL, 24 large bold COURIER; any other
// code chooses the proportional system font (16).
void SelectFont(int code);

// A filled light-grey rectangle, (x1, y1) to (x2, y2) included, with bevelled
// edges: a raised box has depth + 1 white lines at the top and left and as
// many dark-grey lines at the bottom and right; a sunken box has depth lines
// of each, dark grey at the top and left. Leaves the pen black, copy mode.
void BevelBox(int sunken, int depth, int x1, int y1, int x2, int y2);

// An engraved rectangular outline: black with a white copy one pixel down
// and right. Leaves the pen black.
void EtchedFrame(int x1, int y1, int x2, int y2);

// An engraved line: a dark line (the face's light grey inverted) with a white
// line one pixel down and right. Leaves the pen white, copy mode, opaque.
void EtchedLine(int x1, int y1, int x2, int y2);

// Engraved text in font, palette colour over a white shadow one pixel down
// and right. y is the bottom of the text line: the text's top is at y - 14.
// Leaves black on light grey, copy mode, opaque, and font 8 current.
void EmbossedText(int font, int colour, int x, int y, std::string_view text);

// The caption variant of EmbossedText: dark cyan text, or dark red with
// highlight 1, over the white shadow. Leaves its own font current and the pen
// in merge mode, black on light grey, opaque.
void ShadedLabel(int highlight, int font, int x, int y, std::string_view text);

// The alert box's panel: a bevelled box of depth 3 (style 0 raised, 1
// sunken), an etched frame inside it and a black outline.
void AlertPanel(int style, int x1, int y1, int x2, int y2);

}  // namespace vorlanz
