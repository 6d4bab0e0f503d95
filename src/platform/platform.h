#pragma once

// The services the program asks of its surroundings: windows with an
// image-backed drawing surface, events, edit fields, the menu bar, help and
// pauses. Two backends implement it: the real Qt program and a scripted
// headless one for tests. Nothing outside src/platform knows which one runs.

#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace vorlanz::platform {

// Virtual-key codes as the program reads them (letters and digits are their
// upper-case ASCII codes).
namespace vk {
inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kEscape = 0x1B;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kNumpad0 = 0x60;  // keypad digits 0x60..0x69
inline constexpr int kF1 = 0x70;
}  // namespace vk

// The digit '0'..'9' a keypad digit key types; 0 for any other key.
constexpr char KeypadDigit(int virtual_key) {
  const int digit = virtual_key - vk::kNumpad0;
  return digit >= 0 && digit <= 9 ? static_cast<char>('0' + digit) : '\0';
}

// Message numbers of the events, as the modal loops test them.
inline constexpr int kMsgKeyDown = 0x0100;
inline constexpr int kMsgKeyUp = 0x0101;
inline constexpr int kMsgCommand = 0x0111;

// Mouse button state bits.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

using WindowId = int;
inline constexpr WindowId kMainWindow = 1;
// The size of the main window's client area.
inline constexpr int kMainWidth = 788;
inline constexpr int kMainHeight = 435;

enum class EventKind {
  None,
  Close,
  KeyDown,
  KeyUp,
  Command,
  MouseDown,
  MouseUp,
  MouseMove,
  Repaint
};

struct Event {
  EventKind kind = EventKind::None;
  WindowId window = kMainWindow;  // the window the event belongs to
  int key = 0;                    // virtual-key code of KeyDown / KeyUp
  int ch = 0;                     // character a KeyDown types; 0 for none
  int command = 0;                // id of a Command (menu pick, accelerator)

  // 0x0100, 0x0101, 0x0111 or 0 for the other kinds.
  int message() const;
};

struct Point {
  int x = 0, y = 0;
};

// What the file selector shows and proposes.
struct FileChoice {
  enum class Purpose { Open, Save };
  Purpose purpose = Purpose::Open;
  std::string title;
  std::string folder;    // relative to the working directory
  std::string pattern;   // such as "*.T13"
  std::string proposed;  // the file name put into the name field

  bool operator==(const FileChoice&) const = default;
};

// A menu bar: pull-downs of commands, separators and submenus.
struct MenuEntry {
  enum class Kind { Command, Separator, Submenu };
  Kind kind = Kind::Command;
  int id = 0;                      // Command only
  std::string label;               // "&" marks the mnemonic letter
  std::vector<MenuEntry> entries;  // Submenu only
};
using MenuBar = std::vector<MenuEntry>;  // the pull-downs, each a Submenu

// A control of a small form: its name and its caption.
struct FormControl {
  std::string name;
  std::string text;
};

// The information box: labels one under the other, the first a heading, and
// one button.
struct InfoBoxForm {
  std::string title;
  std::vector<FormControl> labels;
  FormControl button;
  int button_id = 0;
};

// A dialog of the platform's own controls (see Platform::OpenDialog).
struct DialogControl {
  enum class Kind {
    Label,
    DropDownList,  // a list that opens below; `height` is its opened height
    PushButton,
    RadioButton,  // checked only by the program (SetChecked)
    ScrollBar,    // horizontal; `minimum` .. `maximum`
    NumberField,  // an edit field for numbers `minimum` .. `maximum` / 10^`decimals`
    TextField,    // an edit field for any text, pasted line breaks kept
    EtchedFrame,  // a sunken group frame; x, y, width, height are its rectangle
  };
  Kind kind = Kind::Label;
  int id = 0;                               // the id its Command events carry; 0 for none
  std::string text;                         // "&" marks the mnemonic letter
  int x = 0, y = 0, width = 0, height = 0;  // client pixels
  bool is_default = false;                  // a push button that Return presses
  bool is_cancel = false;                   // a push button that Escape presses
  int minimum = 0, maximum = 0, decimals = 0;
};
struct DialogLayout {
  std::string title;
  // Outer top left corner, in pixels from the main window's outer top left.
  int x = 0, y = 0;
  int client_width = 0, client_height = 0;
  std::string font_family;
  int font_pixel_height = 0;
  std::vector<DialogControl> controls;
  // F1 in the dialog sends a Command event with this id; 0: F1 does nothing.
  int help_command = 0;
};

// Slip printing: marks of one text in one font at millimetre positions.
struct PrintFont {
  std::string family;
  int points = 12;
  bool bold = false;
  bool fixed_pitch = true;
};
struct PrintMark {
  double x_mm = 0, y_mm = 0;  // the text's top left corner
};
struct PrintArea {
  double width_mm = 0, height_mm = 0;            // the printable area
  double mark_width_mm = 0, mark_height_mm = 0;  // the text's cell in the font
};

class Platform {
 public:
  virtual ~Platform() = default;

  // --- Windows -----------------------------------------------------------
  // Gives the main window its title and shows it, centred on the screen and
  // active. Its client area has the size the backend was made with.
  virtual void ShowMainWindow(std::string_view title) = 0;
  // The main window is open from the start. OpenWindow opens a window with a
  // title bar and close box over the main window; (x, y) is its outer top
  // left corner in the main window's client coordinates. OpenPanel opens a
  // borderless child area (for edit fields) inside a window's client area.
  // Both become the current window.
  virtual WindowId OpenWindow(std::string_view title, int x, int y, int outer_width,
                              int outer_height) = 0;
  virtual WindowId OpenPanel(WindowId parent, int x, int y, int width, int height) = 0;
  virtual void CloseWindow(WindowId window) = 0;
  // The current window receives drawing; mouse positions are given in its
  // client coordinates.
  virtual void SelectWindow(WindowId window) = 0;
  virtual WindowId CurrentWindow() const = 0;
  virtual Surface& WindowSurface(WindowId window) = 0;
  Surface& Screen() { return WindowSurface(CurrentWindow()); }
  // Outer geometry of a window with a title bar, from its client size.
  static constexpr int kFrameSide = 3;
  static constexpr int kFrameTop = 34;
  static constexpr int kFrameBottom = 3;

  // --- Edit fields (inside a panel) ----------------------------------------
  virtual void CreateEditField(WindowId panel, int id, int x, int y, int width, int height,
                               std::string_view text) = 0;
  virtual std::string FieldText(int id) const = 0;
  virtual void SetFieldText(int id, std::string_view text) = 0;
  virtual void FocusField(int id) = 0;
  // Alt+letter in the window sends a Command event with the id.
  virtual void AddAccelerator(WindowId window, char letter, int command_id) = 0;
  // In the panel's fields a press of one of these keys is typed as usual and
  // then moves the focus on to the next field at once, before any later key
  // is handled, however fast the keys come. The press still arrives as a
  // KeyDown event.
  virtual void SetFieldAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) = 0;

  // --- Number fields ---------------------------------------------------------
  // From now on the field refuses, as the user types or pastes, any text that
  // is not a number it can hold (see FitsNumberField): the keystroke is lost
  // and the text stays as it was. Text the program sets is not checked.
  virtual void LimitFieldToNumber(int id, int max_number) = 0;

  // --- Events --------------------------------------------------------------
  // The next event, waiting for one. A close request for the main window
  // never reaches the caller: it runs the quit handler.
  Event WaitEvent();
  // The next pending event without waiting; kind None when there is none.
  Event PollEvent();
  // A key's release reaches the program (through WaitEvent and PollEvent)
  // only when the program has been given the key's press by them since the
  // keys were last forgotten. The program forgets them when a command
  // begins and whenever it discards pending input, so the release of the key
  // that picked the command in the menu bar, or that answered a question on
  // its press, is nobody's input.
  void ForgetPressedKeys() { pressed_.reset(); }
  // The character of the next pending key press (upper and lower case as
  // typed, keypad digits as digits, 13 for Return, 27 for Escape), or 0 when
  // no key is pending. Does not wait; other pending input is consumed.
  virtual int PendingKey() = 0;
  // Mouse buttons held now (kLeftButton | kRightButton).
  virtual int MouseButtons() = 0;
  // Mouse position in the current window's client coordinates.
  virtual Point MousePosition() = 0;
  // Waits; the window stays live meanwhile.
  virtual void Pause(int milliseconds) = 0;

  // --- Menu bar ------------------------------------------------------------
  virtual void SetMenuBar(const MenuBar& menu) = 0;
  virtual void CheckMenuItem(int id, bool checked) = 0;
  // While disabled no menu command can be picked.
  virtual void EnableMenuBar(bool enabled) = 0;

  // --- Help ----------------------------------------------------------------
  // Opens the user guide at a keyword; does not wait for the viewer.
  virtual void ShowHelp(std::string_view keyword) = 0;

  // --- Information box -----------------------------------------------------
  // Opens the box as a small dialog with a close box over the main window,
  // its outer top left corner (x, y) pixels from the main window's outer top
  // left corner; while it is open the main window takes no input. The button
  // sends a Command event with the form's button_id, the close box (and
  // Escape) a Close event, both for the returned window, which becomes the
  // current window. It stays open until CloseWindow; it takes no drawing.
  virtual WindowId OpenInfoBox(int x, int y, const InfoBoxForm& form) = 0;

  // --- File selector -------------------------------------------------------
  // Lets the user pick a file and returns its path, or the empty string when
  // the selector is cancelled. An open choice returns only files that exist.
  // The working directory stays as it is.
  virtual std::string ChooseFile(const FileChoice& choice) = 0;

  // --- Dialogs of platform controls ---------------------------------------
  // Opens a dialog of the platform's controls over the main window; input to
  // the main window and the windows inside it waits while it is shown (the
  // help stays usable). A click on a push or radio
  // button, a moved scroll bar, a picked list entry and text typed into a
  // number or text field send a Command event with the control's id (window =
  // the dialog); the close box sends a Close event. Values set by the program
  // send nothing. CloseWindow closes it. The texts are those of the fields
  // and of labels with an id.
  virtual WindowId OpenDialog(const DialogLayout& layout) = 0;
  virtual void ShowDialog(WindowId dialog, bool visible) = 0;
  virtual void AddListItem(WindowId dialog, int control, std::string_view text) = 0;
  virtual void SelectListItem(WindowId dialog, int control, int index) = 0;
  virtual int SelectedListItem(WindowId dialog, int control) = 0;
  virtual void SetChecked(WindowId dialog, int control, bool checked) = 0;
  virtual void SetControlValue(WindowId dialog, int control, int value) = 0;
  virtual int ControlValue(WindowId dialog, int control) = 0;
  virtual void SetControlText(WindowId dialog, int control, std::string_view text) = 0;
  virtual std::string ControlText(WindowId dialog, int control) = 0;

  // --- Printing ------------------------------------------------------------
  // Makes a printer the output of one page: the system's default printer
  // when there is one, otherwise the one the user picks in the print dialog
  // (which also offers a PDF file). The page is made at least the given size
  // where the printer allows. Gives the printable area and the size of the
  // text's cell, or nothing when the user cancelled the choice.
  virtual std::optional<PrintArea> BeginPrint(std::string_view document, const PrintFont& font,
                                              double page_width_mm, double page_height_mm) = 0;
  // Prints the text at every mark (millimetres from the top left of the
  // printable area) on the page begun and ends the document; false when the
  // print was not made: the printer failed, or the file printed into is not
  // a whole document afterwards (it is then removed).
  virtual bool PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) = 0;
  // Drops a begun print without printing anything.
  virtual void CancelPrint() = 0;

  // --- Lifecycle -----------------------------------------------------------
  // Ends the program. The headless backend throws ProgramEnded instead.
  [[noreturn]] virtual void Quit() = 0;
  // Runs when the main window's close box is used, wherever the program is.
  void SetQuitHandler(std::function<void()> handler) { quit_handler_ = std::move(handler); }

 protected:
  virtual Event NextEvent(bool wait) = 0;
  // Runs the quit handler for a close request of the main window and then
  // gives an event of kind None; any other event comes back unchanged.
  Event Filter(Event event);

 private:
  std::function<void()> quit_handler_;
  std::bitset<256> pressed_;  // by virtual-key code
};

// Whether a number field holds the text: nothing but blanks, or decimal
// digits with blanks around them that make a number from 0 to max_number
// with no more digits than max_number has.
bool FitsNumberField(std::string_view text, int max_number);

// The platform the program runs on; installed once by main() or a test.
Platform& Current();
void Install(Platform* platform);

}  // namespace vorlanz::platform
