#include "platform/qt_platform_impl.h"

namespace vorlanz::platform {

namespace {

const QColor kWindowGrey(kLightGrey.r, kLightGrey.g, kLightGrey.b);
const QColor kDarkGrey(128, 128, 128);

}  // namespace

QtPlatform::Impl::Impl(int client_width, int client_height) {
  Window& main = windows[kMainWindow];
  tree.AddWindow(kMainWindow, 0);
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
  menu = std::make_unique<QtMenu>(main_window->menuBar(),
                                  [this](int id) { Push(CommandEvent(kMainWindow, id)); });
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

// --- QtPlatform --------------------------------------------------------------

QtPlatform::QtPlatform(int client_width, int client_height)
    : impl_(std::make_unique<Impl>(client_width, client_height)) {}

QtPlatform::~QtPlatform() = default;

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

std::unique_ptr<Platform> MakeQtPlatform(int client_width, int client_height) {
  return std::make_unique<QtPlatform>(client_width, client_height);
}

}  // namespace vorlanz::platform
