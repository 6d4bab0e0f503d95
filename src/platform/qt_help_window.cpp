#include "platform/qt_help_window.h"

#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

namespace vorlanz::platform {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window | Qt::Dialog) {
  setWindowTitle(QStringLiteral("Vorlanz – Hilfe"));
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  label_->setWordWrap(true);
  layout->addWidget(label_);
  auto* close = new QPushButton(QStringLiteral("Schließen"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  layout->addWidget(close, 0, Qt::AlignRight);
  setMinimumWidth(320);
}

void HelpWindow::ShowTopic(std::string_view keyword) {
  label_->setText(QStringLiteral("Hilfe zum Thema: ") +
                  QString::fromUtf8(keyword.data(), static_cast<qsizetype>(keyword.size())));
  show();
  raise();
  activateWindow();
}

}  // namespace vorlanz::platform
