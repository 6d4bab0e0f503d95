#include "platform/qt_help_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QUrl>
#include <QVBoxLayout>
#include <string>

#include "platform/help_pages.h"
#include "platform/qt_help_resources.h"
#include "platform/qt_text.h"
#include "platform/qt_window_stacking.h"

namespace vorlanz::platform {
namespace {

const QString kTitle = QStringLiteral("Vorlanz – Hilfe");

QString StyleSheet() {
  QFile css(QString::fromLatin1(kHelpResourceDir) + QStringLiteral("stil.css"));
  return css.open(QIODevice::ReadOnly) ? QString::fromUtf8(css.readAll()) : QString();
}

QPushButton* AddButton(QHBoxLayout* row, const QString& label, QWidget* parent) {
  auto* button = new QPushButton(label, parent);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::TabFocus);
  row->addWidget(button);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(nullptr, Qt::Window), owner_(owner) {
  InitHelpResources();
  // Closing the help never ends the program.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(kTitle);
  setObjectName(QStringLiteral("HelpWindow"));

  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  QPushButton* contents = AddButton(buttons, QStringLiteral("&Inhalt"), this);
  QPushButton* back = AddButton(buttons, QStringLiteral("◀ &Zurück"), this);
  QPushButton* forward = AddButton(buttons, QStringLiteral("&Vor ▶"), this);
  buttons->addStretch();
  QPushButton* close_button = AddButton(buttons, QStringLiteral("&Schließen"), this);
  layout->addLayout(buttons);

  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(false);
  browser_->document()->setDefaultStyleSheet(StyleSheet());
  layout->addWidget(browser_);

  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this,
          [this] { Open(Utf8ToQString(kHelpContentsPage)); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? kTitle : kTitle + QStringLiteral(": ") + title);
  });
  resize(560, 520);
}

void HelpWindow::ShowTopic(std::string_view keyword) {
  std::string file = HelpPageFile(keyword);
  if (!HelpPageText(file)) file = std::string(kHelpContentsPage);
  Open(QString::fromStdString(file));
  show();
  BringToFront(*this);
  browser_->setFocus();
}

QString HelpWindow::PageShown() const {
  return browser_->source().fileName();
}

void HelpWindow::Open(const QString& file) {
  const QUrl page(QStringLiteral("qrc") + QString::fromLatin1(kHelpResourceDir) + file);
  if (browser_->source() == page) {
    browser_->verticalScrollBar()->setValue(0);
    return;
  }
  browser_->setSource(page);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// The program's window takes the keyboard again: the dialog it waits for,
// if one is open.
void HelpWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  QWidget* next = QApplication::activeModalWidget();
  if (next == nullptr) next = owner_;
  if (next != nullptr) BringToFront(*next);
}

}  // namespace vorlanz::platform
