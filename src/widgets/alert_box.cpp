#include "widgets/alert_box.h"

#include <algorithm>
#include <string>

#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/logic/alert_layout.h"
#include "widgets/primitives.h"
#include "widgets/push_button.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kCancelled = 99;
constexpr int kDrawPauseMs = 200;
constexpr int kChoicePauseMs = 60;

class AlertBoxRun {
 public:
  AlertBoxRun(const AlertLayout& box, int selection, std::string_view help_topic)
      : box_(box), selection_(selection), help_topic_(help_topic) {}

  void Draw();
  int Run();

 private:
  bool Valid(int k) const { return k >= 0 && k <= box_.last; }
  void DrawButton(int k, int pressed) {
    DrawPushButton(pressed, box_.button_x[static_cast<std::size_t>(k)], box_.button_y,
                   box_.button_chars, box_.labels[static_cast<std::size_t>(k)]);
  }
  void Select(int k);
  int Close(int result) {
    CurrentSurface().RestoreArea(saved_);
    return result;
  }

  const AlertLayout& box_;
  int selection_;
  std::string_view help_topic_;
  platform::SavedArea saved_;
};

void AlertBoxRun::Draw() {
  platform::Current().Pause(kDrawPauseMs);
  saved_ = CurrentSurface().SaveArea(box_.x, box_.y, box_.x2, box_.y2);
  AlertPanel(0, box_.x, box_.y, box_.x2, box_.y2);
  EtchedLine(box_.x + 7, box_.separator_y, box_.x2 - 9, box_.separator_y);
  // An empty line ends the text; the box keeps the height of all lines.
  for (std::size_t i = 0; i < box_.lines.size() && !box_.lines[i].empty(); ++i) {
    const int line = static_cast<int>(i);
    EmbossedText(8, 0, box_.TextX(line), box_.TextBottom(line), box_.lines[i]);
  }
  for (int k = 0; k <= box_.last; ++k) DrawButton(k, k == selection_ ? 1 : 0);
}

void AlertBoxRun::Select(int k) {
  if (k == selection_) return;
  if (Valid(selection_)) DrawButton(selection_, 0);
  selection_ = k;
  DrawButton(k, 1);
}

int AlertBoxRun::Run() {
  platform::Platform& os = platform::Current();
  DialogState& dialog = Dialog();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    const bool key_down = event.message() == platform::kMsgKeyDown;
    if (key_down && event.key == platform::vk::kF1 && !help_topic_.empty()) {
      ShowHelpTopic(help_topic_);
      continue;
    }
    dialog.DialogKey = key_down ? UpperKeyCharacter(event.key) : std::string();

    if (dialog.DialogKey == "\x1b" || os.MouseButtons() == platform::kRightButton) {
      return Close(kCancelled);
    }

    // A button without a hot key is never chosen by one.
    for (int k = 0; k <= box_.last; ++k) {
      const std::string& hotkey = box_.hotkeys[static_cast<std::size_t>(k)];
      if (!hotkey.empty() && dialog.DialogKey == hotkey) {
        Select(k);
        os.Pause(kChoicePauseMs);
        return Close(k + 1);
      }
    }

    if (box_.last >= 1 && key_down) {
      if (event.key == platform::vk::kLeft) {
        Select(selection_ <= 0 ? box_.last : std::min(selection_ - 1, box_.last));
      } else if (event.key == platform::vk::kRight) {
        Select(selection_ >= box_.last || selection_ < 0 ? 0 : selection_ + 1);
      }
    }

    if (os.MouseButtons() != 0) {
      const platform::Point mouse = os.MousePosition();
      const int k = box_.ButtonAt(mouse.x, mouse.y);
      if (k >= 0) {
        Select(k);
        os.Pause(kChoicePauseMs);
        FlushInput();
        return Close(k + 1);
      }
      FlushInput();
    }

    if (dialog.DialogKey == "\r" && Valid(selection_)) return Close(selection_ + 1);
  }
}

}  // namespace

int AlertBoxWithHelp(int centred, int x, int y, std::string_view text, int default_button,
                     std::string_view buttons, std::string_view help_topic) {
  const platform::Surface& screen = CurrentSurface();
  const AlertLayout box =
      LayOutAlert(centred != 0, x, y, text, buttons, screen.width(), screen.height());

  AlertBoxRun run(box, default_button - 1, help_topic);
  run.Draw();
  return run.Run();
}

int AlertBox(int centred, int x, int y, std::string_view text, int default_button,
             std::string_view buttons) {
  return AlertBoxWithHelp(centred, x, y, text, default_button, buttons, {});
}

}  // namespace vorlanz
