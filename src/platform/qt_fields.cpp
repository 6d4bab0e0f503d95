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
  return tree.AcceleratorCommand(KeyWindow(focus), static_cast<char>(letter));
}

bool QtPlatform::Impl::AdvancesFocus(const QWidget* focus, int virtual_key) const {
  const int field = FieldOf(focus);
  return field != 0 && tree.AdvancesFrom(field, virtual_key);
}

void QtPlatform::Impl::MoveFieldFocus(const QWidget* focus, bool backwards) {
  QLineEdit* next = FieldEdit(tree.NextField(KeyWindow(focus), FieldOf(focus), backwards));
  if (next != nullptr) next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

QLineEdit* QtPlatform::Impl::FieldEdit(int id) const {
  const auto found = edits.find(id);
  return found == edits.end() ? nullptr : found->second.data();
}

int QtPlatform::Impl::FieldOf(const QWidget* widget) const {
  if (widget == nullptr) return 0;
  for (const auto& [id, edit] : edits) {
    if (edit == widget) return id;
  }
  return 0;
}

QWidget* QtPlatform::Impl::FocusWidget() const {
  QWidget* focus = main_window->focusWidget();
  return focus != nullptr ? focus : main_screen;
}

// --- Edit fields -------------------------------------------------------------

void QtPlatform::CreateEditField(WindowId panel, int id, int x, int y, int width, int height,
                                 std::string_view text) {
  ScreenWidget* host = impl_->At(panel, "CreateEditField").screen;
  delete impl_->FieldEdit(id);

  auto* edit = new QLineEdit(Utf8ToQString(text), host);
  edit->setGeometry(x, y, width, height);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit->setFrame(true);
  edit->setTextMargins(0, 0, 0, 0);
  QFont font = edit->font();
  font.setPixelSize(std::clamp(height - 6, 8, 13));
  edit->setFont(font);
  edit->setFocusPolicy(Qt::StrongFocus);
  impl_->tree.AddField(id, panel);
  impl_->edits[id] = edit;
  if (QLineEdit* before = impl_->FieldEdit(impl_->tree.NextField(panel, id, true));
      before != nullptr && before != edit) {
    QWidget::setTabOrder(before, edit);
  }
  edit->show();

  // The first field of a dialog takes the focus, so typing starts there.
  const QWidget* focus = impl_->FocusWidget();
  const WindowId frame = impl_->tree.FrameOf(panel);
  if (impl_->tree.FrameOf(impl_->KeyWindow(focus)) == frame && impl_->FieldOf(focus) == 0) {
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
  impl_->tree.SetAdvanceKeys(panel, std::move(virtual_keys));
}

void QtPlatform::LimitFieldToNumber(int id, int max_number) {
  if (QLineEdit* edit = impl_->FieldEdit(id))
    edit->setValidator(new NumberValidator(max_number, edit));
}

void QtPlatform::AddAccelerator(WindowId window, char letter, int command_id) {
  impl_->tree.AddAccelerator(window, letter, command_id);
}

}  // namespace vorlanz::platform
