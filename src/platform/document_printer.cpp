#include "platform/document_printer.h"

#include "platform/installed_service.h"

namespace vorlanz::platform {

DocumentPrinter& CurrentDocumentPrinter() {
  return InstalledService<DocumentPrinter>::Get("document printer");
}

void InstallDocumentPrinter(DocumentPrinter* printer) {
  InstalledService<DocumentPrinter>::Set(printer);
}

}  // namespace vorlanz::platform
