#pragma once

// The information box and dialogs of the platform's own controls.

#include <string>
#include <string_view>
#include <vector>

#include "platform/window_service.h"

namespace vorlanz::platform {

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

// A dialog of the platform's own controls (see DialogService::OpenDialog).
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

class DialogService {
 public:
  virtual ~DialogService() = default;

  // --- Information box -----------------------------------------------------
  // Opens the box as a small dialog with a close box over the main window,
  // its outer top left corner (x, y) pixels from the main window's outer top
  // left corner; while it is open the main window takes no input. The button
  // sends a Command event with the form's button_id, the close box (and
  // Escape) a Close event, both for the returned window, which becomes the
  // current window. It stays open until CloseWindow; it takes no drawing.
  virtual WindowId OpenInfoBox(int x, int y, const InfoBoxForm& form) = 0;

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
};

}  // namespace vorlanz::platform
