#include "platform/qt_info_box.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

#include "platform/event_builders.h"
#include "platform/qt_text.h"

namespace vorlanz::platform {
namespace {}  // namespace

InfoBox::InfoBox(const InfoBoxForm& form, WindowId window, EventSink sink, QWidget* owner)
    : QDialog(owner), window_(window), sink_(std::move(sink)) {
  setObjectName(QStringLiteral("Inf"));
  setWindowTitle(Utf8ToQString(form.title));
  setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(24, 16, 24, 16);
  for (std::size_t i = 0; i < form.labels.size(); ++i) {
    auto* label = new QLabel(Utf8ToQString(form.labels[i].text), this);
    label->setObjectName(Utf8ToQString(form.labels[i].name));
    label->setAlignment(Qt::AlignHCenter);
    if (i == 0) {
      QFont heading = label->font();
      heading.setPointSizeF(heading.pointSizeF() * 1.8);
      heading.setBold(true);
      label->setFont(heading);
    }
    layout->addWidget(label);
  }
  layout->addSpacing(8);
  auto* button = new QPushButton(Utf8ToQString(form.button.text), this);
  button->setObjectName(Utf8ToQString(form.button.name));
  button->setDefault(true);
  button->setMinimumWidth(90);
  layout->addWidget(button, 0, Qt::AlignHCenter);
  const int id = form.button_id;
  connect(button, &QPushButton::clicked, this, [this, id] { sink_(CommandEvent(window_, id), 0); });
  button->setFocus();
}

void InfoBox::reject() {
  ReportClose();
}

void InfoBox::closeEvent(QCloseEvent* event) {
  event->ignore();
  ReportClose();
}

void InfoBox::ReportClose() {
  sink_(CloseRequest(window_), 0);
}

}  // namespace vorlanz::platform
