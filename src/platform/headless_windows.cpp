#include "platform/headless.h"

#include <utility>

namespace vorlanz::platform {

// The fake windows and edit fields; which lies in which, the Tab order and
// the accelerators are the window tree's.

HeadlessPlatform::HeadlessPlatform(int main_width, int main_height) {
  auto main = std::make_unique<Window>();
  main->geometry = {0, 0, main_width, main_height};
  main->surface = std::make_unique<Surface>(main_width, main_height);
  windows_.emplace(kMainWindow, std::move(main));
  tree_.AddWindow(kMainWindow, 0);
}

HeadlessPlatform::~HeadlessPlatform() = default;

// --- Windows ---------------------------------------------------------------

void HeadlessPlatform::ShowMainWindow(std::string_view title) {
  windows_.at(kMainWindow)->title = std::string(title);
}

WindowId HeadlessPlatform::OpenWindow(std::string_view title, int x, int y, int outer_width,
                                      int outer_height) {
  auto window = std::make_unique<Window>();
  window->title = std::string(title);
  window->geometry = {x, y, outer_width, outer_height};
  window->surface = std::make_unique<Surface>(outer_width - 2 * kFrameSide,
                                              outer_height - kFrameTop - kFrameBottom);
  const WindowId id = next_window_++;
  windows_.emplace(id, std::move(window));
  tree_.AddWindow(id, 0);
  current_ = id;
  return id;
}

WindowId HeadlessPlatform::OpenPanel(WindowId parent, int x, int y, int width, int height) {
  if (!WindowOpen(parent)) {
    throw std::logic_error("OpenPanel: window " + std::to_string(parent) + " is not open");
  }
  auto panel = std::make_unique<Window>();
  panel->geometry = {x, y, width, height};
  panel->surface = std::make_unique<Surface>(width, height);
  const WindowId id = next_window_++;
  windows_.emplace(id, std::move(panel));
  tree_.AddWindow(id, parent);
  current_ = id;
  return id;
}

void HeadlessPlatform::CloseWindow(WindowId window) {
  if (window == kMainWindow || !WindowOpen(window)) return;
  const WindowTree::Closed closed = tree_.Close(window);
  for (const int field : closed.fields) {
    if (focused_field_ == field) focused_field_ = 0;
    fields_.erase(field);
  }
  for (const WindowId id : closed.windows) {
    for (DialogRecord& dialog : dialogs_) {
      if (dialog.window == id) dialog.open = false;
    }
    windows_.erase(id);
    if (current_ == id) current_ = kMainWindow;
  }
}

void HeadlessPlatform::SelectWindow(WindowId window) {
  if (!WindowOpen(window)) {
    throw std::logic_error("SelectWindow: window " + std::to_string(window) + " is not open");
  }
  current_ = window;
}

Surface& HeadlessPlatform::WindowSurface(WindowId window) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) {
    throw std::logic_error("WindowSurface: window " + std::to_string(window) + " is not open");
  }
  return *found->second->surface;
}

bool HeadlessPlatform::WindowOpen(WindowId window) const {
  return windows_.contains(window);
}

std::string HeadlessPlatform::WindowTitle(WindowId window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? std::string() : found->second->title;
}

HeadlessPlatform::Geometry HeadlessPlatform::WindowGeometry(WindowId window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? Geometry{} : found->second->geometry;
}

// --- Edit fields -----------------------------------------------------------

void HeadlessPlatform::CreateEditField(WindowId panel, int id, int /*x*/, int /*y*/, int /*width*/,
                                       int /*height*/, std::string_view text) {
  if (!WindowOpen(panel)) {
    throw std::logic_error("CreateEditField: window " + std::to_string(panel) + " is not open");
  }
  fields_[id] = Field{std::string(text)};
  tree_.AddField(id, panel);
}

std::string HeadlessPlatform::FieldText(int id) const {
  const auto found = fields_.find(id);
  return found == fields_.end() ? std::string() : found->second.text;
}

void HeadlessPlatform::SetFieldText(int id, std::string_view text) {
  const auto found = fields_.find(id);
  if (found != fields_.end()) found->second.text = std::string(text);
}

void HeadlessPlatform::LimitFieldToNumber(int id, int max_number) {
  const auto found = fields_.find(id);
  if (found != fields_.end()) found->second.max_number = max_number;
}

bool HeadlessPlatform::FieldExists(int id) const {
  return fields_.contains(id);
}

void HeadlessPlatform::FocusField(int id) {
  if (FieldExists(id)) focused_field_ = id;
}

void HeadlessPlatform::SetFieldAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) {
  tree_.SetAdvanceKeys(panel, std::move(virtual_keys));
}

void HeadlessPlatform::AddAccelerator(WindowId window, char letter, int command_id) {
  tree_.AddAccelerator(window, letter, command_id);
}

}  // namespace vorlanz::platform
