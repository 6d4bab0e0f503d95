#include "platform/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

#include "model/characters.h"
#include "model/poll_clock.h"
#include "model/rounding.h"
#include "platform/qt_control_dialog.h"
#include "platform/qt_file_dialog.h"
#include "platform/qt_foreign_presses.h"
#include "platform/qt_help_window.h"
#include "platform/qt_info_box.h"
#include "platform/qt_input_queue.h"
#include "platform/qt_key_filter.h"
#include "platform/qt_menu.h"
#include "platform/qt_printer.h"
#include "platform/qt_screen_widget.h"
#include "platform/qt_sub_window.h"
#include "platform/qt_window_stacking.h"

namespace vorlanz::platform {
namespace {

using Clock = std::chrono::steady_clock;
// How often a program that polls while it computes lets the windows run: a
// loop that visits the input at every poll interval is pumped at each visit,
// one that asks in a tight loop still only now and then.
constexpr auto kPumpInterval = kPollInterval / 2;
const QColor kWindowGrey(kLightGrey.r, kLightGrey.g, kLightGrey.b);
const QColor kDarkGrey(128, 128, 128);

// The buttons held now, wherever they were pressed.
int HeldAnywhere() {
  const Qt::MouseButtons held = QGuiApplication::mouseButtons();
  return ((held & Qt::LeftButton) != 0 ? kLeftButton : 0) |
         ((held & Qt::RightButton) != 0 ? kRightButton : 0);
}

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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

class MainWindow : public QMainWindow {
 public:
  MainWindow(EventSink sink, std::function<void()> on_resize)
      : sink_(std::move(sink)), on_resize_(std::move(on_resize)) {}

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QMainWindow::resizeEvent(event);
    on_resize_();
  }

  // The close box asks the program; the window itself stays.
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    Event request;
    request.kind = EventKind::Close;
    request.window = kMainWindow;
    sink_(request, 0);
  }

 private:
  EventSink sink_;
  std::function<void()> on_resize_;
};

}  // namespace

struct QtPlatform::Impl final : KeyRouter {
  struct Window {
    WindowId parent = 0;  // the host of a panel; 0 for windows with a title bar
    std::unique_ptr<Surface> surface;
    QPointer<QWidget> outer;  // the widget that closing deletes
    QPointer<ScreenWidget> screen;
  };
  struct Field {
    int id = 0;
    WindowId panel = 0;
    QPointer<QLineEdit> edit;
  };
  struct Accelerator {
    WindowId window = 0;
    int letter = 0;
    int command = 0;
  };

  Impl(int client_width, int client_height);
  ~Impl() override;

  EventSink Sink() {
    return [this](const Event& event, int button) { input.Push(event, button); };
  }

  // KeyRouter
  WindowId KeyWindow(const QWidget* focus) const override;
  int AcceleratorCommand(const QWidget* focus, int letter) const override;
  void MoveFieldFocus(const QWidget* focus, bool backwards) override;
  bool AdvancesFocus(const QWidget* focus, int virtual_key) const override;
  void Push(const Event& event) override { input.Push(event); }

  Window& At(WindowId id, const char* caller);
  // The window with a title bar (or the main window) a window lies in.
  WindowId FrameOf(WindowId id) const;
  QLineEdit* FieldEdit(int id) const;
  bool IsField(const QWidget* widget) const;
  QWidget* FocusWidget() const;
  // After a window closed: the focus goes to the topmost window left.
  void FocusTopWindow(WindowId preferred);
  // Centres the main window on its screen at its present size.
  void CentreMainWindow();
  void RefreshChanged();
  void Pump();
  // The buttons held now that were pressed over the program's windows.
  int LiveButtons() { return foreign_presses->Own(HeldAnywhere()); }

  std::map<WindowId, Window> windows;
  std::vector<Field> fields;  // in the order they were made
  std::vector<Accelerator> accelerators;
  std::map<WindowId, std::vector<int>> advance_keys;  // per panel
  InputQueue input;
  WindowId current = kMainWindow;
  WindowId next_window = 2;
  Clock::time_point last_pump{};
  // Where the main window was centred.
  std::optional<QPoint> centred_at;

  std::unique_ptr<MainWindow> main_window;
  ScreenWidget* main_screen = nullptr;
  std::unique_ptr<QtMenu> menu;
  std::unique_ptr<KeyFilter> key_filter;
  std::unique_ptr<ForeignPresses> foreign_presses;
  // A window of its own, outside the main window's: no dialog blocks it.
  std::unique_ptr<HelpWindow> help;
  // How often the help has been opened, and that count when each dialog of
  // platform controls was hidden.
  int help_openings = 0;
  std::map<WindowId, int> help_openings_at_hide;

  // Dialogs of platform controls and the printer.
  ControlDialog& DialogAt(WindowId id, const char* caller);
  std::map<WindowId, QPointer<ControlDialog>> dialogs;
  std::unique_ptr<MarkPrinter> printer;
};

QtPlatform::Impl::Impl(int client_width, int client_height) {
  Window& main = windows[kMainWindow];
  main.surface = std::make_unique<Surface>(client_width, client_height);
  main_window = std::make_unique<MainWindow>(Sink(), [this] {
    // The menu bar, once filled, makes the window taller: it stays centred
    // unless it has been moved.
    if (centred_at && main_window->pos() == *centred_at) CentreMainWindow();
  });
  QPalette palette = main_window->palette();
  palette.setColor(QPalette::Window, kWindowGrey);
  // Disabled menu titles must stay readable on the grey.
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, kDarkGrey);
  }
  main_window->setPalette(palette);
  main_screen = new ScreenWidget(*main.surface, kMainWindow, Sink(), main_window.get());
  main_window->setCentralWidget(main_screen);
  main_window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  main.outer = main_screen;
  main.screen = main_screen;
  menu = std::make_unique<QtMenu>(main_window->menuBar(), [this](int id) {
    Event pick;
    pick.kind = EventKind::Command;
    pick.window = kMainWindow;
    pick.command = id;
    Push(pick);
  });
  key_filter = std::make_unique<KeyFilter>(main_window.get(), *this);
  QCoreApplication::instance()->installEventFilter(key_filter.get());
  foreign_presses = std::make_unique<ForeignPresses>(main_window.get());
  QCoreApplication::instance()->installEventFilter(foreign_presses.get());
  main_screen->setFocus();
}

QtPlatform::Impl::~Impl() {
  QCoreApplication::instance()->removeEventFilter(key_filter.get());
  QCoreApplication::instance()->removeEventFilter(foreign_presses.get());
  // The widgets go before the surfaces they show.
  help.reset();
  main_window.reset();
}

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

QtPlatform::Impl::Window& QtPlatform::Impl::At(WindowId id, const char* caller) {
  const auto found = windows.find(id);
  if (found == windows.end()) {
    throw std::logic_error(std::string(caller) + ": window " + std::to_string(id) + " is not open");
  }
  return found->second;
}

WindowId QtPlatform::Impl::FrameOf(WindowId id) const {
  for (auto found = windows.find(id); found != windows.end() && found->second.parent != 0;
       found = windows.find(id)) {
    id = found->second.parent;
  }
  return id;
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

void QtPlatform::Impl::FocusTopWindow(WindowId preferred) {
  auto found = windows.find(preferred);
  if (found == windows.end()) {
    // The window with a title bar opened last, else the main window.
    found = windows.find(kMainWindow);
    for (auto it = windows.begin(); it != windows.end(); ++it) {
      if (it->second.parent == 0) found = it;
    }
  }
  if (found->second.screen) found->second.screen->setFocus();
}

void QtPlatform::Impl::CentreMainWindow() {
  main_window->adjustSize();
  const QScreen* screen = main_window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect desk = screen->geometry();
  const QPoint at(desk.x() + RoundHalfEven(desk.width() - main_window->width(), 2),
                  desk.y() + RoundHalfEven(desk.height() - main_window->height(), 2));
  main_window->move(at);
  centred_at = at;
}

void QtPlatform::Impl::RefreshChanged() {
  for (auto& [id, window] : windows) {
    if (window.screen) window.screen->RefreshIfChanged();
  }
}

void QtPlatform::Impl::Pump() {
  if (Clock::now() - last_pump < kPumpInterval) return;
  RefreshChanged();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  last_pump = Clock::now();
}

// --- QtPlatform --------------------------------------------------------------

QtPlatform::QtPlatform(int client_width, int client_height)
    : impl_(std::make_unique<Impl>(client_width, client_height)) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMainWindow(std::string_view title) {
  QMainWindow& window = *impl_->main_window;
  window.setWindowTitle(ToQString(title));
  impl_->CentreMainWindow();
  window.show();
  BringToFront(window);
}

WindowId QtPlatform::OpenWindow(std::string_view title, int x, int y, int outer_width,
                                int outer_height) {
  const WindowId id = impl_->next_window++;
  Impl::Window& window = impl_->windows[id];
  window.surface = std::make_unique<Surface>(outer_width - 2 * kFrameSide,
                                             outer_height - kFrameTop - kFrameBottom);
  auto* frame =
      new SubWindow(ToQString(title), *window.surface, id, impl_->Sink(), impl_->main_screen);
  frame->setGeometry(x, y, outer_width, outer_height);
  frame->show();
  frame->raise();
  window.outer = frame;
  window.screen = frame->client();
  frame->client()->setFocus();
  impl_->current = id;
  return id;
}

WindowId QtPlatform::OpenPanel(WindowId parent, int x, int y, int width, int height) {
  ScreenWidget* host = impl_->At(parent, "OpenPanel").screen;
  const WindowId id = impl_->next_window++;
  Impl::Window& window = impl_->windows[id];
  window.parent = parent;
  window.surface = std::make_unique<Surface>(width, height);
  auto* panel = new ScreenWidget(*window.surface, id, impl_->Sink(), host);
  panel->move(x, y);
  panel->show();
  panel->raise();
  window.outer = panel;
  window.screen = panel;
  impl_->current = id;
  return id;
}

void QtPlatform::CloseWindow(WindowId window) {
  if (const auto dialog = impl_->dialogs.find(window); dialog != impl_->dialogs.end()) {
    delete dialog->second;
    impl_->dialogs.erase(dialog);
    impl_->help_openings_at_hide.erase(window);
    impl_->input.DropWindow(window);
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
      impl_->main_window->activateWindow();
    }
    return;
  }
  if (window == kMainWindow || !impl_->windows.contains(window)) return;
  // The window and everything inside it.
  std::vector<WindowId> closing{window};
  for (std::size_t i = 0; i < closing.size(); ++i) {
    for (const auto& [id, open] : impl_->windows) {
      if (open.parent == closing[i]) closing.push_back(id);
    }
  }
  const WindowId parent = impl_->windows.at(window).parent;
  QWidget* outer = impl_->windows.at(window).outer;
  const bool own_window = outer != nullptr && outer->isWindow();
  const QWidget* focus = impl_->main_window->focusWidget();
  const bool had_focus = outer != nullptr && (focus == outer || outer->isAncestorOf(focus));
  delete outer;
  for (const WindowId id : closing) {
    std::erase_if(impl_->fields, [id](const Impl::Field& field) { return field.panel == id; });
    std::erase_if(impl_->accelerators,
                  [id](const Impl::Accelerator& accelerator) { return accelerator.window == id; });
    impl_->advance_keys.erase(id);
    impl_->input.DropWindow(id);
    impl_->windows.erase(id);
    if (impl_->current == id) impl_->current = kMainWindow;
  }
  if (had_focus || impl_->main_window->focusWidget() == nullptr) impl_->FocusTopWindow(parent);
  if (own_window) BringToFront(*impl_->main_window);
}

void QtPlatform::SelectWindow(WindowId window) {
  impl_->At(window, "SelectWindow");
  impl_->current = window;
}

WindowId QtPlatform::CurrentWindow() const {
  return impl_->current;
}

Surface& QtPlatform::WindowSurface(WindowId window) {
  return *impl_->At(window, "WindowSurface").surface;
}

// --- Edit fields -------------------------------------------------------------

void QtPlatform::CreateEditField(WindowId panel, int id, int x, int y, int width, int height,
                                 std::string_view text) {
  ScreenWidget* host = impl_->At(panel, "CreateEditField").screen;
  if (QLineEdit* old = impl_->FieldEdit(id)) delete old;
  std::erase_if(impl_->fields, [id](const Impl::Field& field) { return field.id == id; });

  auto* edit = new QLineEdit(ToQString(text), host);
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
  if (QLineEdit* edit = impl_->FieldEdit(id)) edit->setText(ToQString(text));
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

// --- Events ------------------------------------------------------------------

Event QtPlatform::NextEvent(bool wait) {
  if (!wait) {
    impl_->Pump();
    return impl_->input.Take(Clock::now());
  }
  // A button can go down and up over parts that report nothing (a window's
  // frame); whoever waits for its release still hears of it.
  const int held_when_called = impl_->LiveButtons();
  for (;;) {
    impl_->RefreshChanged();
    if (!impl_->input.empty()) return impl_->input.Take(Clock::now());
    if (impl_->input.ReleaseLostPresses(impl_->LiveButtons(), impl_->current)) continue;
    if (held_when_called != 0 && impl_->LiveButtons() == 0) {
      Event release;
      release.kind = EventKind::MouseUp;
      release.window = impl_->current;
      return release;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    impl_->last_pump = Clock::now();
  }
}

int QtPlatform::PendingKey() {
  impl_->Pump();
  while (!impl_->input.empty()) {
    const Event event = impl_->input.Take(Clock::now());
    if (event.kind == EventKind::KeyDown && event.ch != 0) return event.ch;
    if (event.kind == EventKind::Close && event.window == kMainWindow) {
      // Closing the program is not input to be dropped: PollEvent hands the
      // request to the quit handler.
      impl_->input.PushFront(event);
      PollEvent();
    }
  }
  return 0;
}

int QtPlatform::MouseButtons() {
  impl_->Pump();
  return impl_->input.HeldButtons(impl_->LiveButtons(), Clock::now());
}

Point QtPlatform::MousePosition() {
  const auto found = impl_->windows.find(impl_->current);
  if (found == impl_->windows.end() || !found->second.screen) return {};
  const QPoint at = found->second.screen->mapFromGlobal(QCursor::pos());
  return {at.x(), at.y()};
}

void QtPlatform::Pause(int milliseconds) {
  if (milliseconds <= 0) {
    impl_->Pump();
    return;
  }
  bool done = false;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, &timer, [&done] { done = true; });
  timer.start(milliseconds);
  while (!done) {
    impl_->RefreshChanged();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  impl_->last_pump = Clock::now();
}

// --- Menu bar, help, end -----------------------------------------------------

void QtPlatform::SetMenuBar(const MenuBar& menu) {
  impl_->menu->Set(menu);
}

void QtPlatform::CheckMenuItem(int id, bool checked) {
  impl_->menu->Check(id, checked);
}

void QtPlatform::EnableMenuBar(bool enabled) {
  impl_->main_window->menuBar()->setEnabled(enabled);
}

void QtPlatform::ShowHelp(std::string_view keyword) {
  if (!impl_->help) {
    impl_->help = std::make_unique<HelpWindow>(impl_->main_window.get());
    // Beside the main window where the screen has room, else over its right
    // part, so the picture the help explains stays in view.
    const QRect main = impl_->main_window->frameGeometry();
    const QScreen* screen = impl_->main_window->screen();
    const QRect desk = screen != nullptr ? screen->availableGeometry() : main;
    const int x =
        std::max(desk.left(), std::min(main.right() + 8, desk.right() - impl_->help->width()));
    const int y =
        std::max(desk.top(), std::min(main.top() + 24, desk.bottom() - impl_->help->height()));
    impl_->help->move(x, y);
  }
  impl_->help->ShowTopic(keyword);
  ++impl_->help_openings;
}

// --- Information box ---------------------------------------------------------

WindowId QtPlatform::OpenInfoBox(int x, int y, const InfoBoxForm& form) {
  const WindowId id = impl_->next_window++;
  Impl::Window& window = impl_->windows[id];
  window.surface = std::make_unique<Surface>(1, 1);
  auto* box = new InfoBox(form, id, impl_->Sink(), impl_->main_window.get());
  box->move(impl_->main_window->frameGeometry().topLeft() + QPoint(x, y));
  box->show();
  BringToFront(*box);
  window.outer = box;
  impl_->current = id;
  return id;
}

// --- File selector -----------------------------------------------------------

std::string QtPlatform::ChooseFile(const FileChoice& choice) {
  impl_->RefreshChanged();
  std::string path = RunFileDialog(impl_->main_window.get(), choice);
  // The main screen takes the keys again.
  impl_->main_window->activateWindow();
  impl_->FocusTopWindow(impl_->current);
  return path;
}

void QtPlatform::Quit() {
  // Quit may come from deep inside nested loops; nothing is left to tidy up.
  std::fflush(nullptr);
  std::_Exit(0);
}

// --- For tests and scripted runs -------------------------------------------

int QtPlatform::FocusedField() const {
  const QWidget* focus = impl_->main_window->focusWidget();
  for (const Impl::Field& field : impl_->fields) {
    if (field.edit != nullptr && field.edit == focus) return field.id;
  }
  return 0;
}

bool QtPlatform::MenuItemTicked(int id) const {
  return impl_->menu->ShowsTick(id);
}

bool QtPlatform::PickMenuItem(int id) {
  return impl_->menu->Pick(id);
}

std::string QtPlatform::HelpPageShown() const {
  if (!impl_->help || !impl_->help->isVisible()) return {};
  return impl_->help->PageShown().toStdString();
}

bool QtPlatform::PressKeyInHelp(int qt_key) {
  if (!impl_->help || !impl_->help->isVisible()) return false;
  QWidget* focus = impl_->help->focusWidget();
  QWidget* target = focus != nullptr ? focus : impl_->help.get();
  QKeyEvent press(QEvent::KeyPress, qt_key, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, qt_key, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  if (impl_->help && impl_->help->isVisible()) QCoreApplication::sendEvent(target, &release);
  return true;
}

bool QtPlatform::ClickDialogButton(WindowId window, std::string_view name) {
  const auto found = impl_->windows.find(window);
  if (found == impl_->windows.end() || !found->second.outer) return false;
  auto* button = found->second.outer->findChild<QPushButton*>(ToQString(name));
  if (button == nullptr) return false;
  button->click();
  return true;
}

void QtPlatform::CloseDialogByCloseBox(WindowId window) {
  const auto found = impl_->windows.find(window);
  if (found != impl_->windows.end() && found->second.outer) found->second.outer->close();
}

// --- Dialogs of platform controls ------------------------------------------

ControlDialog& QtPlatform::Impl::DialogAt(WindowId id, const char* caller) {
  const auto found = dialogs.find(id);
  if (found == dialogs.end() || !found->second) {
    throw std::logic_error(std::string(caller) + ": window " + std::to_string(id) +
                           " is no open dialog");
  }
  return *found->second;
}

WindowId QtPlatform::OpenDialog(const DialogLayout& layout) {
  const WindowId id = impl_->next_window++;
  auto* dialog = new ControlDialog(
      layout, id, [this](const Event& event) { impl_->input.Push(event); },
      impl_->main_window.get());
  dialog->move(impl_->main_window->frameGeometry().topLeft() + QPoint(layout.x, layout.y));
  impl_->dialogs[id] = dialog;
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return id;
}

void QtPlatform::ShowDialog(WindowId dialog, bool visible) {
  ControlDialog& window = impl_->DialogAt(dialog, "ShowDialog");
  window.setVisible(visible);
  if (!visible) {
    impl_->help_openings_at_hide[dialog] = impl_->help_openings;
    return;
  }
  // A help opened while the dialog was hidden stays in front of it, once the
  // window system has put the dialog back.
  const auto hidden = impl_->help_openings_at_hide.find(dialog);
  if (hidden != impl_->help_openings_at_hide.end() && hidden->second != impl_->help_openings &&
      impl_->help && impl_->help->isVisible()) {
    BringToFrontAfterwards(*impl_->help);
    return;
  }
  window.raise();
  window.activateWindow();
}

void QtPlatform::AddListItem(WindowId dialog, int control, std::string_view text) {
  auto* list = qobject_cast<QComboBox*>(impl_->DialogAt(dialog, "AddListItem").Control(control));
  if (list != nullptr) list->addItem(ToQString(text));
}

void QtPlatform::SelectListItem(WindowId dialog, int control, int index) {
  auto* list = qobject_cast<QComboBox*>(impl_->DialogAt(dialog, "SelectListItem").Control(control));
  if (list != nullptr) list->setCurrentIndex(index);
}

int QtPlatform::SelectedListItem(WindowId dialog, int control) {
  auto* list =
      qobject_cast<QComboBox*>(impl_->DialogAt(dialog, "SelectedListItem").Control(control));
  return list != nullptr ? list->currentIndex() : -1;
}

void QtPlatform::SetChecked(WindowId dialog, int control, bool checked) {
  auto* button =
      qobject_cast<QAbstractButton*>(impl_->DialogAt(dialog, "SetChecked").Control(control));
  if (button != nullptr) button->setChecked(checked);
}

void QtPlatform::SetControlValue(WindowId dialog, int control, int value) {
  auto* bar =
      qobject_cast<QScrollBar*>(impl_->DialogAt(dialog, "SetControlValue").Control(control));
  if (bar == nullptr) return;
  const QSignalBlocker quiet(bar);
  bar->setValue(value);
}

int QtPlatform::ControlValue(WindowId dialog, int control) {
  auto* bar = qobject_cast<QScrollBar*>(impl_->DialogAt(dialog, "ControlValue").Control(control));
  return bar != nullptr ? bar->value() : 0;
}

void QtPlatform::SetControlText(WindowId dialog, int control, std::string_view text) {
  QWidget* widget = impl_->DialogAt(dialog, "SetControlText").Control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(ToQString(text));
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQString(text));
    label->adjustSize();
  }
}

std::string QtPlatform::ControlText(WindowId dialog, int control) {
  QWidget* widget = impl_->DialogAt(dialog, "ControlText").Control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  return {};
}

// --- Printing ----------------------------------------------------------------

std::optional<PrintArea> QtPlatform::BeginPrint(std::string_view document, const PrintFont& font,
                                                double page_width_mm, double page_height_mm) {
  if (!impl_->printer) impl_->printer = std::make_unique<MarkPrinter>(impl_->main_window.get());
  return impl_->printer->Begin(document, font, page_width_mm, page_height_mm);
}

bool QtPlatform::PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) {
  return impl_->printer && impl_->printer->Print(text, marks);
}

void QtPlatform::CancelPrint() {
  if (impl_->printer) impl_->printer->Cancel();
}

void QtPlatform::PrintIntoFile(const std::string& path) {
  if (!impl_->printer) impl_->printer = std::make_unique<MarkPrinter>(impl_->main_window.get());
  impl_->printer->PrintIntoFile(QString::fromStdString(path));
}

std::unique_ptr<Platform> MakeQtPlatform(int client_width, int client_height) {
  return std::make_unique<QtPlatform>(client_width, client_height);
}

}  // namespace vorlanz::platform
