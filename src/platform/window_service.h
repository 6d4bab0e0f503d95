#pragma once

// Windows with an image-backed drawing surface, their edit fields and
// accelerators, the menu bar, events, pauses and quitting.

#include <bitset>
#include <functional>
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

// A menu bar: pull-downs of commands, separators and submenus.
struct MenuEntry {
  enum class Kind { Command, Separator, Submenu };
  Kind kind = Kind::Command;
  int id = 0;                      // Command only
  std::string label;               // "&" marks the mnemonic letter
  std::vector<MenuEntry> entries;  // Submenu only
};
using MenuBar = std::vector<MenuEntry>;  // the pull-downs, each a Submenu

class WindowService {
 public:
  virtual ~WindowService() = default;

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

}  // namespace vorlanz::platform
