#include "entry/odds_entry.h"

#include <optional>
#include <string>
#include <variant>

#include "entry/forecast_entry.h"
#include "entry/logic/odds_block.h"
#include "entry/logic/odds_conversion.h"
#include "model/help_topics.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "widgets/alert_box.h"
#include "widgets/control_layout.h"
#include "widgets/dialog_input.h"

namespace vorlanz {

namespace {

using Kind = platform::DialogControl::Kind;
using namespace odds_dialog;

constexpr int kFieldLeft = 78;
constexpr int kFieldPitch = 60;
constexpr int kFieldWidth = 54;
constexpr int kMarginLeft = 262;
int LineTop(int match) {
  return 30 + 22 * (match - 1);
}

platform::DialogLayout OddsDialogLayout() {
  platform::DialogLayout layout = DialogFrame("Vorlanz aus Quoten", 224, 30, 340, 366);
  auto add = [&layout](Kind kind, int id, const std::string& text, int x, int y, int w, int h) {
    return &AddControl(layout, kind, id, text.c_str(), x, y, w, h);
  };
  const char* headings[] = {"Heim", "Remis", "Gast"};
  for (int o = 1; o <= kOutcomeCount; ++o) {
    add(Kind::Label, 0, headings[o - 1], kFieldLeft + kFieldPitch * (o - 1) + 4, 8, 50, 18);
  }
  add(Kind::Label, 0, "Marge", kMarginLeft, 8, 60, 18);
  for (int m = 1; m <= kMatchCount; ++m) {
    add(Kind::Label, 0, std::to_string(m) + ".Spiel:", 10, LineTop(m) + 2, 64, 18);
    for (int o = 1; o <= kOutcomeCount; ++o) {
      add(Kind::TextField, FieldId(m, o), "", kFieldLeft + kFieldPitch * (o - 1), LineTop(m),
          kFieldWidth, 20);
    }
    add(Kind::Label, MarginId(m), "", kMarginLeft, LineTop(m) + 2, 70, 18);
  }
  add(Kind::PushButton, kLoad, "&Laden...", 10, 330, 74, 26);
  add(Kind::PushButton, kPaste, "&Einfügen", 90, 330, 74, 26);
  add(Kind::PushButton, kOk, "&OK", 176, 330, 50, 26)->is_default = true;
  add(Kind::PushButton, kHelp, "&?", 232, 330, 26, 26);
  layout.help_command = kHelp;
  add(Kind::PushButton, kCancel, "&Abbruch", 264, 330, 66, 26)->is_cancel = true;
  return layout;
}

class OddsDialog {
 public:
  OddsDialog() : os_(platform::Current()), window_(os_.OpenDialog(OddsDialogLayout())) {}
  ~OddsDialog() { os_.CloseWindow(window_); }
  OddsDialog(const OddsDialog&) = delete;
  OddsDialog& operator=(const OddsDialog&) = delete;

  // Runs until OK with sound odds (their forecast) or a cancel (nothing).
  std::optional<MatchTable> Run() {
    for (;;) {
      const platform::Event event = os_.WaitEvent();
      if (event.kind == platform::EventKind::Close && event.window == window_) return {};
      if (event.kind != platform::EventKind::Command) continue;
      const int id = event.command;
      if (id >= FieldId(1, 1) && id <= FieldId(kMatchCount, kOutcomeCount)) {
        FieldEdited((id - kFirstField) / 3 + 1, (id - kFirstField) % 3 + 1);
        continue;
      }
      switch (id) {
        case kLoad:
          LoadFile();
          break;
        case kPaste:
          FillFromBlock(platform::CurrentClipboard().Text());
          break;
        case kHelp:
          WhileHidden(window_, [] { ShowHelpTopic(help::kOdds); });
          break;
        case kOk:
          if (auto forecast = Confirm()) return forecast;
          break;
        case kCancel:
          return {};
        default:
          break;
      }
    }
  }

 private:
  void Tell(const std::string& text) {
    WhileHidden(window_, [&text] { AlertBox(1, 0, 0, text, 1, "_OK"); });
  }

  void SetLine(int match, const LineTexts& line) {
    for (int o = 1; o <= kOutcomeCount; ++o) {
      texts_[match][o] = line[o];
      os_.SetControlText(window_, FieldId(match, o), line[o]);
    }
    os_.SetControlText(window_, MarginId(match), MarginLabel(texts_[match]));
  }

  // A typed text is kept; a pasted block fills the lines it has, or is
  // taken back when it cannot.
  void FieldEdited(int match, int column) {
    const std::string text = os_.ControlText(window_, FieldId(match, column));
    if (!IsPastedBlock(text)) {
      texts_[match][column] = text;
      os_.SetControlText(window_, MarginId(match), MarginLabel(texts_[match]));
      return;
    }
    os_.SetControlText(window_, FieldId(match, column), texts_[match][column]);
    const auto pasted = PastedOdds(text, match);
    if (const auto* problem = std::get_if<std::string>(&pasted)) {
      Tell(*problem);
      return;
    }
    const PastedLines& lines = std::get<PastedLines>(pasted);
    for (std::size_t i = 0; i < lines.lines.size(); ++i) {
      SetLine(lines.first_match + static_cast<int>(i), lines.lines[i]);
    }
  }

  void FillFromBlock(std::string_view text) {
    const auto block = SplitOddsBlock(text);
    if (const auto* problem = std::get_if<std::string>(&block)) {
      Tell(*problem);
      return;
    }
    const SheetTexts& sheet = std::get<SheetTexts>(block);
    for (int m = 1; m <= kMatchCount; ++m) SetLine(m, sheet[m]);
  }

  void LoadFile() {
    const std::string path = os_.ChooseFile(
        {platform::FileChoice::Purpose::Open, "Quoten laden", "", "*.txt *.csv", ""});
    if (path.empty()) return;
    // Thirteen lines of odds, with headings and team names, fit many times
    // over; whatever a larger file holds beyond is not read.
    constexpr std::size_t kMostOddsFileBytes = 64 * 1024;
    const auto bytes = platform::ReadFile(platform::PathFromUtf8(path), kMostOddsFileBytes);
    if (!bytes) {
      Tell("Die Datei kann nicht|gelesen werden!");
      return;
    }
    FillFromBlock(std::string(bytes->begin(), bytes->end()));
  }

  std::optional<MatchTable> Confirm() {
    SheetTexts texts;
    for (int m = 1; m <= kMatchCount; ++m) {
      for (int o = 1; o <= kOutcomeCount; ++o)
        texts[m][o] = os_.ControlText(window_, FieldId(m, o));
    }
    const SheetReading sheet = ReadOddsSheet(texts);
    if (sheet.problem) {
      Tell(OddsProblemText(*sheet.problem));
      return {};
    }
    return ForecastFromOdds(sheet.odds);
  }

  platform::Platform& os_;
  platform::WindowId window_;
  SheetTexts texts_{};
};

}  // namespace

void EnterForecastFromOdds() {
  std::optional<MatchTable> forecast;
  {
    OddsDialog dialog;
    forecast = dialog.Run();
  }
  FlushInput();
  if (forecast) EnterForecastFrom(*forecast);
}

}  // namespace vorlanz
