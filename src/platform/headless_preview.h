#pragma once

// The scripted preview for tests: it keeps every page it is shown and
// answers with the exits queued, one per showing.

#include <deque>
#include <functional>
#include <vector>

#include "platform/preview.h"

namespace vorlanz::platform {

class HeadlessPreview : public PagePreview {
 public:
  // How the user leaves the next showing; `meanwhile` runs while it is shown.
  HeadlessPreview& Answer(PreviewExit exit, std::function<void()> meanwhile = {});
  const std::vector<PreviewPage>& shown() const { return shown_; }

  // Throws ScriptExhausted when no answer is left.
  PreviewExit Show(const PreviewPage& page) override;

 private:
  struct Step {
    PreviewExit exit;
    std::function<void()> meanwhile;
  };
  std::deque<Step> answers_;
  std::vector<PreviewPage> shown_;
};

}  // namespace vorlanz::platform
