#include "output/alignment_form.h"

#include "model/help_topics.h"
#include "model/pool_data.h"
#include "output/control_layout.h"
#include "output/logic/alignment_text.h"
#include "output/parameter_file.h"
#include "widgets/dialog_input.h"

namespace vorlanz {

namespace {

using Kind = platform::DialogControl::Kind;
using namespace alignment_form;

struct Axis {
  int bar;
  int field;
  Byte PoolData::*offset;
};
constexpr Axis kAxes[] = {
    {kHorizontalBar, kHorizontalField, &PoolData::PrintOffsetA},
    {kVerticalBar, kVerticalField, &PoolData::PrintOffsetB},
};

// The byte an axis stands at: its field's number, or the scroll bar's
// value while the field holds no number yet.
Byte AxisByte(platform::WindowId form, const Axis& axis) {
  platform::Platform& os = platform::Current();
  const auto typed = AlignmentByte(os.ControlText(form, axis.field));
  return typed ? *typed : static_cast<Byte>(os.ControlValue(form, axis.bar));
}

// Returns true when the form is to close.
bool Handle(platform::WindowId form, int id) {
  platform::Platform& os = platform::Current();
  for (const Axis& axis : kAxes) {
    if (id == axis.bar)
      os.SetControlText(form, axis.field, MillimetreText(os.ControlValue(form, id)));
    if (id == axis.field) {
      if (const auto typed = AlignmentByte(os.ControlText(form, id))) {
        os.SetControlValue(form, axis.bar, *typed);
      }
    }
  }
  if (id == kHelp) ShowHelpTopic(help::kSlipPrint);
  if (id == kConfirm) {
    PoolData& pool = Pool();
    for (const Axis& axis : kAxes) pool.*axis.offset = AxisByte(form, axis);
    SaveParameters();
  }
  return id == kConfirm || id == kCancel;
}

}  // namespace

platform::DialogLayout AlignmentFormLayout() {
  platform::DialogLayout layout = DialogFrame("Drucker ausrichten", 44, 30, 320, 190);
  auto add = [&layout](Kind kind, int id, const char* text, int x, int y, int w, int h) {
    return &AddControl(layout, kind, id, text, x, y, w, h);
  };
  int top = 8;
  for (const auto& [axis, caption] : {std::pair{kAxes[0], "Waagerecht in mm (+ = nach rechts):"},
                                      std::pair{kAxes[1], "Senkrecht in mm (+ = nach unten):"}}) {
    add(Kind::EtchedFrame, 0, "", 8, top, 304, 64);      // fr5, fr6
    add(Kind::Label, 0, caption, 18, top + 6, 280, 20);  // lbl30, lbl31
    platform::DialogControl* bar = add(Kind::ScrollBar, axis.bar, "", 18, top + 32, 200, 20);
    bar->minimum = 0;
    bar->maximum = 255;
    platform::DialogControl* field = add(Kind::NumberField, axis.field, "", 230, top + 29, 70, 26);
    field->minimum = kLeastShiftTenths;
    field->maximum = kMostShiftTenths;
    field->decimals = 1;
    top += 74;
  }
  add(Kind::PushButton, kConfirm, "&OK", 66, top + 6, 84, 26)->is_default = true;
  add(Kind::PushButton, kCancel, "&Abbruch", 170, top + 6, 84, 26)->is_cancel = true;
  layout.help_command = kHelp;
  return layout;
}

void ShowAlignmentForm() {
  platform::Platform& os = platform::Current();
  const platform::WindowId form = os.OpenDialog(AlignmentFormLayout());
  const PoolData& pool = Pool();
  for (const Axis& axis : kAxes) {
    os.SetControlText(form, axis.field, MillimetreText(pool.*axis.offset));
    os.SetControlValue(form, axis.bar, pool.*axis.offset);
  }
  for (;;) {
    const platform::Event event = os.WaitEvent();
    if (event.kind == platform::EventKind::Close && event.window != platform::kMainWindow) break;
    if (event.kind == platform::EventKind::Command && Handle(form, event.command)) break;
  }
  os.CloseWindow(form);
}

}  // namespace vorlanz
