#pragma once

// The preview window: the page drawn at screen scale in a scrollable view,
// with a close and a help button.

#include "platform/preview.h"
#include "platform/surface.h"

namespace vorlanz::platform {

class QtPreview : public PagePreview {
 public:
  PreviewExit Show(const PreviewPage& page) override;
};

// Draws the page into the surface as the window shows it, the paper's width
// filling the surface's width.
void PaintPreview(const PreviewPage& page, Surface& surface);

}  // namespace vorlanz::platform
