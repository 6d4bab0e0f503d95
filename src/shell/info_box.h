#pragma once

namespace vorlanz {

// Shows the information box "Inf" over the main window and returns when it
// is closed by its button or its close box; the main window is current and
// active again afterwards.
void ShowInfoBox();

}  // namespace vorlanz
