#include <cstdio>
#include <cstdlib>

#include "platform/application.h"
#include "platform/document_printer.h"
#include "platform/platform.h"
#include "platform/preview.h"
#include "platform/qt_document_printer.h"
#include "platform/qt_platform.h"
#include "platform/qt_preview.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  if (!vorlanz::platform::HasDisplay(std::getenv)) {
    std::fprintf(stderr, "%s\n", vorlanz::platform::kNoDisplayMessage);
    return 1;
  }
  vorlanz::platform::Application application(argc, argv);
  const auto platform = vorlanz::platform::MakeQtPlatform(vorlanz::platform::kMainWidth,
                                                          vorlanz::platform::kMainHeight);
  vorlanz::platform::Install(platform.get());
  vorlanz::platform::QtDocumentPrinter document_printer;
  vorlanz::platform::InstallDocumentPrinter(&document_printer);
  vorlanz::platform::QtPreview preview;
  vorlanz::platform::InstallPreview(&preview);
  vorlanz::RunProgram();
  return 0;
}
