#include "output/tip_list_print.h"

#include "platform/document_printer.h"
#include "widgets/alert_box.h"

namespace vorlanz {

namespace {

// In the order of TipListFont.
platform::Document TipListDocument(const std::vector<TipListText>& texts) {
  platform::Document document;
  document.name = "Tippliste";
  document.fonts = {
      {"Arial", 16, true, false},
      {"Arial", 12, true, false},
      {"Arial", 10, false, false},
      {"Courier", 10, true, true},
  };
  for (const TipListText& text : texts) {
    document.texts.push_back({text.x, text.y, static_cast<int>(text.font), text.text});
  }
  return document;
}

}  // namespace

void PrintTipList(const TipListContent& content) {
  const platform::PrintOutcome outcome =
      platform::CurrentDocumentPrinter().Print(TipListDocument(TipListPage(content)));
  if (outcome == platform::PrintOutcome::Failed) {
    AlertBox(1, 0, 0, "Die Tippliste konnte|nicht gedruckt werden!", 2, "_OK");
  }
}

}  // namespace vorlanz
