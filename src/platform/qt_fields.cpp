#include "platform/qt_platform_impl.h"

#include <QValidator>

namespace vorlanz::platform {

namespace {

// Refuses what a number field cannot hold, keystroke by keystroke.
class NumberValidator : public QValidator {
 public:
  NumberValidator(int max_number, QObject* parent) : QValidator(parent), max_(max_number) {}

  State validate(QString& input, int& /*pos*/) const override {
    return FitsNumberField(input.toStdString(), max_) ? Acceptable : Invalid;
  }

 private:
  int max_;
};

}  // namespace

WindowId QtPlatform::Impl::KeyWindow(const QWidget* focus) const {
  const WindowId window = WindowOfWidget(focus);
  return window != 0 ? window : kMainWindow;
}

int QtPlatform::Impl::AcceleratorCommand(const QWidget* focus, int letter) const {
  const WindowId frame = FrameOf(KeyWindow(focus));
  for (const Accelerator& accelerator : accelerators) {
    if (accelerator.letter == letter && FrameOf(accelerator.window) == frame) {
      return accelerator.command;
    }
  }
  return 0;
}

bool QtPlatform::Impl::AdvancesFocus(const QWidget* focus, int virtual_key) const {
  if (!IsField(focus)) return false;
  const auto keys = advance_keys.find(KeyWindow(focus));
  return keys != advance_keys.end() &&
         std::find(keys->second.begin(), keys->second.end(), virtual_key) != keys->second.end();
}

// Tab cycles through the edit fields of the window the focus is in, in the
// order they were made.
void QtPlatform::Impl::MoveFieldFocus(const QWidget* focus, bool backwards) {
  const WindowId frame = FrameOf(KeyWindow(focus));
  std::vector<QLineEdit*> ring;
  for (const Field& field : fields) {
    if (field.edit && FrameOf(field.panel) == frame) ring.push_back(field.edit);
  }
  if (ring.empty()) return;
  const auto here = std::find(ring.begin(), ring.end(), focus);
  std::size_t next = 0;
  if (here == ring.end()) {
    next = backwards ? ring.size() - 1 : 0;
  } else {
    const std::size_t index = static_cast<std::size_t>(here - ring.begin());
    next = backwards ? (index + ring.size() - 1) % ring.size() : (index + 1) % ring.size();
  }
  ring[next]->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

QLineEdit* QtPlatform::Impl::FieldEdit(int id) const {
  for (const Field& field : fields) {
    if (field.id == id) return field.edit;
  }
  return nullptr;
}

bool QtPlatform::Impl::IsField(const QWidget* widget) const {
  return widget != nullptr && std::any_of(fields.begin(), fields.end(),
                                          [widget](const Field& f) { return f.edit == widget; });
}

QWidget* QtPlatform::Impl::FocusWidget() const {
  QWidget* focus = main_window->focusWidget();
  return focus != nullptr ? focus : main_screen;
}

// --- Edit fields -------------------------------------------------------------

void QtPlatform::CreateEditField(WindowId panel, int id, int x, int y, int width, int height,
                                 std::string_view text) {
  ScreenWidget* host = impl_->At(panel, "CreateEditField").screen;
  if (QLineEdit* old = impl_->FieldEdit(id)) delete old;
  std::erase_if(impl_->fields, [id](const Impl::Field& field) { return field.id == id; });

  auto* edit = new QLineEdit(Utf8ToQString(text), host);
  edit->setGeometry(x, y, width, height);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setFrame(true);
  edit->setTextMargins(0, 0, 0, 0);
  QFont font = edit->font();
  font.setPixelSize(std::clamp(height - 6, 8, 13));
  edit->setFont(font);
  edit->setFocusPolicy(Qt::StrongFocus);
  const WindowId frame = impl_->FrameOf(panel);
  for (auto it = impl_->fields.rbegin(); it != impl_->fields.rend(); ++it) {
    if (it->edit && impl_->FrameOf(it->panel) == frame) {
      QWidget::setTabOrder(it->edit, edit);
      break;
    }
  }
  edit->show();
  impl_->fields.push_back({id, panel, edit});

  // The first field of a dialog takes the focus, so typing starts there.
  const QWidget* focus = impl_->FocusWidget();
  if (impl_->FrameOf(impl_->KeyWindow(focus)) == frame && !impl_->IsField(focus)) {
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();  // also when the window is activated only later
  }
}

std::string QtPlatform::FieldText(int id) const {
  const QLineEdit* edit = impl_->FieldEdit(id);
  return edit != nullptr ? edit->text().toStdString() : std::string();
}

void QtPlatform::SetFieldText(int id, std::string_view text) {
  if (QLineEdit* edit = impl_->FieldEdit(id)) edit->setText(Utf8ToQString(text));
}

void QtPlatform::FocusField(int id) {
  if (QLineEdit* edit = impl_->FieldEdit(id)) edit->setFocus(Qt::OtherFocusReason);
}

void QtPlatform::SetFieldAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) {
  impl_->advance_keys[panel] = std::move(virtual_keys);
}

void QtPlatform::LimitFieldToNumber(int id, int max_number) {
  if (QLineEdit* edit = impl_->FieldEdit(id))
    edit->setValidator(new NumberValidator(max_number, edit));
}

void QtPlatform::AddAccelerator(WindowId window, char letter, int command_id) {
  const int upper = static_cast<int>(UpperCase(static_cast<unsigned char>(letter)));
  std::erase_if(impl_->accelerators, [&](const Impl::Accelerator& accelerator) {
    return accelerator.window == window && accelerator.letter == upper;
  });
  impl_->accelerators.push_back({window, upper, command_id});
}

}  // namespace vorlanz::platform
