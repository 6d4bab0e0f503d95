#include "platform/qt_control_dialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/event_builders.h"
#include "platform/qt_text.h"

namespace vorlanz::platform {

namespace {

// Entries an opened list shows: as many as fill its opened height.
int VisibleEntries(const DialogControl& control, int font_height) {
  return std::max(1, (control.height - font_height) / (font_height + 4));
}

}  // namespace

ControlDialog::ControlDialog(const DialogLayout& layout, WindowId window,
                             std::function<void(const Event&)> sink, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      window_(window),
      sink_(std::move(sink)) {
  setWindowTitle(Utf8ToQString(layout.title));
  QFont font(Utf8ToQString(layout.font_family));
  if (layout.font_pixel_height > 0) font.setPixelSize(layout.font_pixel_height);
  setFont(font);
  setFixedSize(layout.client_width, layout.client_height);
  // Frames first, so that they lie below the controls they hold.
  for (const DialogControl& control : layout.controls) {
    if (control.kind == DialogControl::Kind::EtchedFrame) MakeControl(control);
  }
  for (const DialogControl& control : layout.controls) {
    if (control.kind == DialogControl::Kind::EtchedFrame) continue;
    QWidget* widget = MakeControl(control);
    if (control.id != 0) controls_[control.id] = widget;
  }
  help_id_ = layout.help_command;
  // Modal to the main window alone: the help, a window of its own, stays
  // usable.
  setWindowModality(Qt::WindowModal);
}

QWidget* ControlDialog::MakeControl(const DialogControl& control) {
  using Kind = DialogControl::Kind;
  const QString text = Utf8ToQString(control.text);
  const int id = control.id;
  QWidget* widget = nullptr;
  switch (control.kind) {
    case Kind::Label: {
      // A caption on a group frame covers the frame's line behind it.
      auto* label = new QLabel(text, this);
      label->setAutoFillBackground(true);
      label->adjustSize();
      label->move(control.x, control.y);
      return label;
    }
    case Kind::EtchedFrame: {
      auto* frame = new QFrame(this);
      frame->setFrameShape(QFrame::Box);
      frame->setFrameShadow(QFrame::Sunken);
      widget = frame;
      break;
    }
    case Kind::DropDownList: {
      auto* list = new QComboBox(this);
      list->setMaxVisibleItems(VisibleEntries(control, fontInfo().pixelSize()));
      connect(list, &QComboBox::activated, this, [this, id] { SendCommand(id); });
      list->setGeometry(control.x, control.y, control.width, list->sizeHint().height());
      return list;
    }
    case Kind::PushButton: {
      auto* button = new QPushButton(text, this);
      button->setAutoDefault(control.is_default);
      button->setDefault(control.is_default);
      if (control.is_cancel) cancel_id_ = id;
      connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id); });
      widget = button;
      break;
    }
    case Kind::RadioButton: {
      auto* radio = new QRadioButton(text, this);
      radio->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
      // The program sets the checks; a click only reports.
      radio->setAutoExclusive(false);
      connect(radio, &QRadioButton::clicked, this, [this, id] { SendCommand(id); });
      widget = radio;
      break;
    }
    case Kind::ScrollBar: {
      auto* bar = new QScrollBar(Qt::Horizontal, this);
      bar->setRange(control.minimum, control.maximum);
      bar->setPageStep(10);
      connect(bar, &QScrollBar::valueChanged, this, [this, id] { SendCommand(id); });
      widget = bar;
      break;
    }
    case Kind::NumberField: {
      auto* edit = new QLineEdit(text, this);
      const double scale = std::pow(10.0, control.decimals);
      auto* validator = new QDoubleValidator(control.minimum / scale, control.maximum / scale,
                                             control.decimals, edit);
      validator->setNotation(QDoubleValidator::StandardNotation);
      validator->setLocale(QLocale::c());
      edit->setValidator(validator);
      edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      connect(edit, &QLineEdit::textEdited, this, [this, id] { SendCommand(id); });
      widget = edit;
      break;
    }
    case Kind::TextField: {
      // A pasted block keeps its line breaks in the text; the field shows
      // them as blanks.
      auto* edit = new QLineEdit(text, this);
      edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      connect(edit, &QLineEdit::textEdited, this, [this, id] { SendCommand(id); });
      widget = edit;
      break;
    }
  }
  widget->setGeometry(control.x, control.y, control.width, control.height);
  return widget;
}

QWidget* ControlDialog::Control(int id) const {
  const auto found = controls_.find(id);
  if (found == controls_.end() || !found->second) {
    throw std::logic_error("dialog has no control " + std::to_string(id));
  }
  return found->second;
}

void ControlDialog::AddListItem(int id, const QString& text) {
  if (auto* list = qobject_cast<QComboBox*>(Control(id))) list->addItem(text);
}

void ControlDialog::SelectListItem(int id, int index) {
  if (auto* list = qobject_cast<QComboBox*>(Control(id))) list->setCurrentIndex(index);
}

int ControlDialog::SelectedListItem(int id) const {
  const auto* list = qobject_cast<QComboBox*>(Control(id));
  return list != nullptr ? list->currentIndex() : -1;
}

void ControlDialog::SetChecked(int id, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) button->setChecked(checked);
}

void ControlDialog::SetValue(int id, int value) {
  auto* bar = qobject_cast<QScrollBar*>(Control(id));
  if (bar == nullptr) return;
  const QSignalBlocker quiet(bar);
  bar->setValue(value);
}

int ControlDialog::Value(int id) const {
  const auto* bar = qobject_cast<QScrollBar*>(Control(id));
  return bar != nullptr ? bar->value() : 0;
}

void ControlDialog::SetText(int id, const QString& text) {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
    label->adjustSize();
  }
}

std::string ControlDialog::Text(int id) const {
  QWidget* widget = Control(id);
  if (const auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
  if (const auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  return {};
}

void ControlDialog::SendCommand(int id) {
  sink_(CommandEvent(window_, id));
}

void ControlDialog::closeEvent(QCloseEvent* event) {
  // The program closes the dialog when its loop has heard of the request.
  event->ignore();
  sink_(CloseRequest(window_));
}

void ControlDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && help_id_ != 0) {
    SendCommand(help_id_);
    return;
  }
  QDialog::keyPressEvent(event);
}

void ControlDialog::reject() {
  if (cancel_id_ != 0) {
    SendCommand(cancel_id_);
  } else {
    sink_(CloseRequest(window_));
  }
}

}  // namespace vorlanz::platform
