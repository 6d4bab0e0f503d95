#pragma once

// The services the program asks of its surroundings, each an interface of
// its own: windows and events, dialogs, printing, help and files. Two
// backends implement them all: the real Qt program and a scripted headless
// one for tests. Nothing outside src/platform knows which one runs. The
// services beside these (clipboard.h, document_printer.h, preview.h) are
// installed on their own.

#include "platform/dialog_service.h"
#include "platform/help_file_service.h"
#include "platform/print_service.h"
#include "platform/window_service.h"

namespace vorlanz::platform {

class Platform : public WindowService,
                 public DialogService,
                 public PrintService,
                 public HelpFileService {};

// The platform the program runs on; installed once by main() or a test.
Platform& Current();
void Install(Platform* platform);

}  // namespace vorlanz::platform
