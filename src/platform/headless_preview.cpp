#include "platform/headless_preview.h"

#include "platform/headless.h"

namespace vorlanz::platform {

HeadlessPreview& HeadlessPreview::Answer(PreviewExit exit, std::function<void()> meanwhile) {
  answers_.push_back({exit, std::move(meanwhile)});
  return *this;
}

PreviewExit HeadlessPreview::Show(const PreviewPage& page) {
  shown_.push_back(page);
  if (answers_.empty()) throw ScriptExhausted("the preview waits for an answer");
  const Step step = std::move(answers_.front());
  answers_.pop_front();
  if (step.meanwhile) step.meanwhile();
  return step.exit;
}

}  // namespace vorlanz::platform
