#pragma once

// The scripted backend for tests. A test queues what the user does (keys,
// clicks, menu picks, text typed into edit fields) and then runs a command.
// When the program waits for input and the script is used up, WaitEvent
// throws ScriptExhausted: a test can fail, it can never hang.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/window_tree.h"

namespace vorlanz::platform {

struct ScriptExhausted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Thrown by Quit(): the program has ended.
struct ProgramEnded {};

// The character a key press types, for scripting: letters upper case, digits
// and keypad digits as digits, Return 13, Escape 27, Tab 9, blank 32; 0 else.
int CharacterOfKey(int virtual_key);

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(int main_width = kMainWidth, int main_height = kMainHeight);
  ~HeadlessPlatform() override;

  // --- Script --------------------------------------------------------------
  // Mouse positions are client coordinates of the window that is current when
  // the program takes the step from the script.
  HeadlessPlatform& KeyDown(int virtual_key);
  HeadlessPlatform& KeyUp(int virtual_key);
  HeadlessPlatform& Key(int virtual_key);  // down, then up
  HeadlessPlatform& Keys(std::string_view letters_and_digits);
  HeadlessPlatform& MouseMove(int x, int y);
  HeadlessPlatform& MouseDown(int x, int y, int buttons = kLeftButton);
  HeadlessPlatform& MouseUp();
  HeadlessPlatform& Click(int x, int y, int buttons = kLeftButton);  // down, then up
  HeadlessPlatform& Command(int id);
  // A menu command picked with the keyboard, in the order the real menu bar
  // gives it: the menu takes the press of the item's mnemonic key, the pick
  // comes, and the key's release follows as the command's first input.
  HeadlessPlatform& MenuPickByKey(int id, int mnemonic_key);
  HeadlessPlatform& CloseRequest(WindowId window);
  // The close box of the dialog shown on top when the step is taken.
  HeadlessPlatform& CloseDialog();
  // F1 in the dialog shown on top when the step is taken: its help command,
  // if it has one.
  HeadlessPlatform& HelpKeyInDialog();
  // Empties an edit field (field 0: the one with the focus) and types the
  // text into it, one character after the other, when the script reaches
  // this step. A number field refuses the characters it cannot hold, as the
  // real field does.
  HeadlessPlatform& TypeIntoField(int field_id, std::string text);
  // Runs a check or an action when the script reaches this step.
  HeadlessPlatform& Then(std::function<void()> action);
  // Steps added while typing ahead are input the user gave before the program
  // asked for it: the non-blocking calls (PollEvent, PendingKey) see them, and
  // FlushInput discards them. All other steps are the user's answers to come:
  // only the waiting calls take them.
  HeadlessPlatform& TypingAhead(bool on = true) {
    typing_ahead_ = on;
    return *this;
  }
  // The answer of the next file selector: a path, or "" for a cancel. The
  // answers are taken in order, apart from the rest of the script; a
  // selector with no answer left throws ScriptExhausted.
  HeadlessPlatform& AnswerFileChoice(std::string path);
  // Dialogs of platform controls: the user picks a list entry, moves a
  // scroll bar or types into a number field of the dialog shown on top, which
  // then hears of it (a Command event with the control's id).
  HeadlessPlatform& PickListItem(int control, int index);
  HeadlessPlatform& MoveScrollBar(int control, int value);
  HeadlessPlatform& TypeIntoControl(int control, std::string text);
  // What the printer choice answers from now on: the printable area, or a
  // cancelled choice. Unset, the whole page asked for is printable.
  void AnswerPrinterChoice(std::optional<PrintArea> area) { printer_answer_ = area; }
  // From now on every print fails as a broken printer or a full disk would:
  // nothing is printed and PrintMarks says so.
  void BreakPrinter() { printer_broken_ = true; }
  // Runs the action at every pause the program makes instead of waiting:
  // what stands on the screen only for a moment can be looked at there.
  void OnPause(std::function<void()> action) { on_pause_ = std::move(action); }
  // Drops what is left of the script.
  void Clear() { script_.clear(); }
  bool ScriptDone() const { return script_.empty(); }
  std::size_t ScriptLeft() const { return script_.size(); }

  // --- What the program did ----------------------------------------------
  const std::vector<std::string>& help_requests() const { return help_requests_; }
  // The form of an information box that was opened as this window, or null.
  const InfoBoxForm* InfoBox(WindowId window) const;
  const MenuBar& menu_bar() const { return menu_bar_; }
  bool IsChecked(int id) const;
  bool menu_enabled() const { return menu_enabled_; }
  bool WindowOpen(WindowId window) const;
  std::string WindowTitle(WindowId window) const;
  // Outer top left corner and size of a window, in main-window client pixels
  // (a panel: its place in its parent's client area).
  struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
  };
  Geometry WindowGeometry(WindowId window) const;
  bool FieldExists(int id) const;
  // The command Alt+letter gives with the focus in a window; 0 when none.
  int AcceleratorCommand(WindowId window, char letter) const {
    return tree_.AcceleratorCommand(window, letter);
  }
  int focused_field() const { return focused_field_; }
  bool quit_called() const { return quit_called_; }
  // Every file selector opened, in order.
  const std::vector<FileChoice>& file_choices() const { return file_choices_; }
  // The dialogs of platform controls, open or closed, in the order opened.
  struct DialogRecord {
    WindowId window = 0;
    DialogLayout layout;
    bool open = true;
    bool visible = true;
    std::map<int, std::vector<std::string>> list_items;
    std::map<int, int> selected;  // per drop-down list
    std::map<int, bool> checked;
    std::map<int, int> values;
    std::map<int, std::string> texts;
  };
  const std::vector<DialogRecord>& dialogs() const { return dialogs_; }
  // The record of a dialog by its window; throws when there is none.
  const DialogRecord& DialogOf(WindowId window) const;
  struct PrintedPage {
    std::string document;
    PrintFont font;
    double page_width_mm = 0, page_height_mm = 0;
    std::string text;
    std::vector<PrintMark> marks;
  };
  const std::vector<PrintedPage>& printed_pages() const { return printed_; }
  int printer_choices() const { return printer_choices_; }

  // --- Platform ------------------------------------------------------------
  void ShowMainWindow(std::string_view title) override;
  WindowId OpenWindow(std::string_view title, int x, int y, int outer_width,
                      int outer_height) override;
  WindowId OpenPanel(WindowId parent, int x, int y, int width, int height) override;
  void CloseWindow(WindowId window) override;
  void SelectWindow(WindowId window) override;
  WindowId CurrentWindow() const override { return current_; }
  Surface& WindowSurface(WindowId window) override;
  void CreateEditField(WindowId panel, int id, int x, int y, int width, int height,
                       std::string_view text) override;
  std::string FieldText(int id) const override;
  void SetFieldText(int id, std::string_view text) override;
  void FocusField(int id) override;
  void AddAccelerator(WindowId window, char letter, int command_id) override;
  void SetFieldAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) override;
  void LimitFieldToNumber(int id, int max_number) override;
  int PendingKey() override;
  int MouseButtons() override { return buttons_; }
  Point MousePosition() override { return mouse_; }
  void Pause(int /*milliseconds*/) override {
    if (on_pause_) on_pause_();
  }
  void SetMenuBar(const MenuBar& menu) override;
  void CheckMenuItem(int id, bool checked) override;
  void EnableMenuBar(bool enabled) override { menu_enabled_ = enabled; }
  void ShowHelp(std::string_view keyword) override;
  WindowId OpenInfoBox(int x, int y, const InfoBoxForm& form) override;
  std::string ChooseFile(const FileChoice& choice) override;
  [[noreturn]] void Quit() override;

  WindowId OpenDialog(const DialogLayout& layout) override;
  void ShowDialog(WindowId dialog, bool visible) override;
  void AddListItem(WindowId dialog, int control, std::string_view text) override;
  void SelectListItem(WindowId dialog, int control, int index) override;
  int SelectedListItem(WindowId dialog, int control) override;
  void SetChecked(WindowId dialog, int control, bool checked) override;
  void SetControlValue(WindowId dialog, int control, int value) override;
  int ControlValue(WindowId dialog, int control) override;
  void SetControlText(WindowId dialog, int control, std::string_view text) override;
  std::string ControlText(WindowId dialog, int control) override;

  std::optional<PrintArea> BeginPrint(std::string_view document, const PrintFont& font,
                                      double page_width_mm, double page_height_mm) override;
  bool PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) override;
  void CancelPrint() override;

 protected:
  Event NextEvent(bool wait) override;

 private:
  struct Step {
    enum class Kind { Event, MouseMove, MouseDown, MouseUp, TypeIntoField, Action };
    Kind kind = Kind::Event;
    Event event{};
    // Keys and commands go to the window that is current when the step is
    // taken.
    bool to_current_window = true;
    bool typed_ahead = false;
    Point at{};
    int buttons = 0;
    int field_id = 0;
    std::string text{};
    std::function<void()> action{};
  };
  struct Window {
    std::string title;
    Geometry geometry;
    std::unique_ptr<Surface> surface;
  };
  struct Field {
    std::string text;
    int max_number = -1;  // a number field's greatest number; -1 for any text
  };

  // Adds a step to the script, typed ahead or not as the script stands.
  HeadlessPlatform& Push(Step step);
  // Takes the next step: actions run, mouse steps update the mouse state.
  // Returns false when the script is used up.
  bool TakeStep(Event& event);
  // A key typed into a field whose panel moves on with that key.
  void AdvanceAfterKey(int virtual_key);
  // Types the text into the field as the user would.
  void TypeText(int id, std::string_view text);

  std::deque<Step> script_;
  std::map<WindowId, std::unique_ptr<Window>> windows_;
  WindowTree tree_;
  std::map<int, Field> fields_;
  WindowId current_ = kMainWindow;
  WindowId next_window_ = 2;
  int buttons_ = 0;
  Point mouse_;
  int focused_field_ = 0;
  bool quit_called_ = false;
  bool menu_enabled_ = true;
  bool typing_ahead_ = false;
  std::function<void()> on_pause_;
  MenuBar menu_bar_;
  std::map<int, bool> checked_;
  std::vector<std::string> help_requests_;
  std::map<WindowId, InfoBoxForm> info_boxes_;
  std::deque<std::string> file_answers_;
  std::vector<FileChoice> file_choices_;

  DialogRecord& DialogAt(WindowId window, const char* caller);
  // The dialog the user sees on top: the last opened that is shown.
  DialogRecord& TopDialog();
  // Changes a control of the current dialog and sends its Command event.
  HeadlessPlatform& ChangeControl(int control, std::function<void(DialogRecord&)> change);
  std::vector<DialogRecord> dialogs_;
  std::optional<std::optional<PrintArea>> printer_answer_;
  std::optional<PrintedPage> begun_;
  std::vector<PrintedPage> printed_;
  int printer_choices_ = 0;
  bool printer_broken_ = false;
};

}  // namespace vorlanz::platform
