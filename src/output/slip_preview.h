#pragma once

// The slip preview: the page PrintSlip would print now, shown in a window
// before anything is printed.

#include "platform/preview.h"

namespace vorlanz {

// The page for the current tip set, Bundesland, the alignment values and the
// add-on games: the paper and printable area the printer gives, every box of
// the slip as a faint guide, the marks, and in red the marks the printable
// area would lose.
platform::PreviewPage SlipPreviewPage();

// Shows that page until the user closes it; its help opens the page
// "Vorschau" and brings the preview back.
void ShowSlipPreview();

}  // namespace vorlanz
