#include "platform/window_tree.h"

#include <algorithm>

#include "model/characters.h"

namespace vorlanz::platform {

namespace {

char UpperLetter(char letter) {
  return static_cast<char>(UpperCase(static_cast<unsigned char>(letter)));
}

}  // namespace

void WindowTree::AddWindow(WindowId id, WindowId parent) {
  parents_[id] = parent;
}

WindowId WindowTree::ParentOf(WindowId id) const {
  const auto found = parents_.find(id);
  return found == parents_.end() ? 0 : found->second;
}

WindowId WindowTree::FrameOf(WindowId id) const {
  for (WindowId parent = ParentOf(id); parent != 0; parent = ParentOf(id)) id = parent;
  return id;
}

WindowTree::Closed WindowTree::Close(WindowId id) {
  Closed closed;
  if (!Contains(id)) return closed;
  closed.windows.push_back(id);
  for (std::size_t i = 0; i < closed.windows.size(); ++i) {
    for (const auto& [window, parent] : parents_) {
      if (parent == closed.windows[i]) closed.windows.push_back(window);
    }
  }
  for (const WindowId window : closed.windows) {
    for (const Field& field : fields_) {
      if (field.window == window) closed.fields.push_back(field.id);
    }
    std::erase_if(fields_, [window](const Field& field) { return field.window == window; });
    std::erase_if(accelerators_, [window](const Accelerator& a) { return a.window == window; });
    advance_keys_.erase(window);
    parents_.erase(window);
  }
  return closed;
}

void WindowTree::AddField(int id, WindowId window) {
  std::erase_if(fields_, [id](const Field& field) { return field.id == id; });
  fields_.push_back({id, window});
}

bool WindowTree::HasField(int id) const {
  return FieldWindow(id) != 0;
}

WindowId WindowTree::FieldWindow(int id) const {
  const auto found =
      std::find_if(fields_.begin(), fields_.end(), [id](const Field& f) { return f.id == id; });
  return found == fields_.end() ? 0 : found->window;
}

int WindowTree::NextField(WindowId window, int from, bool backwards) const {
  const WindowId from_window = FieldWindow(from);
  const WindowId frame = FrameOf(from_window != 0 ? from_window : window);
  std::vector<int> ring;
  for (const Field& field : fields_) {
    if (FrameOf(field.window) == frame) ring.push_back(field.id);
  }
  if (ring.empty()) return 0;
  const auto here = std::find(ring.begin(), ring.end(), from);
  if (here == ring.end()) return backwards ? ring.back() : ring.front();
  const std::size_t index = static_cast<std::size_t>(here - ring.begin());
  return ring[(backwards ? index + ring.size() - 1 : index + 1) % ring.size()];
}

void WindowTree::SetAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) {
  advance_keys_[panel] = std::move(virtual_keys);
}

bool WindowTree::AdvancesFrom(int field, int virtual_key) const {
  const auto keys = advance_keys_.find(FieldWindow(field));
  return keys != advance_keys_.end() &&
         std::find(keys->second.begin(), keys->second.end(), virtual_key) != keys->second.end();
}

void WindowTree::AddAccelerator(WindowId window, char letter, int command) {
  const char upper = UpperLetter(letter);
  std::erase_if(accelerators_,
                [&](const Accelerator& a) { return a.window == window && a.letter == upper; });
  accelerators_.push_back({window, upper, command});
}

int WindowTree::AcceleratorCommand(WindowId window, char letter) const {
  const char upper = UpperLetter(letter);
  const auto on = [&](WindowId w) {
    return std::find_if(accelerators_.begin(), accelerators_.end(),
                        [&](const Accelerator& a) { return a.window == w && a.letter == upper; });
  };
  for (WindowId near = window; near != 0; near = ParentOf(near)) {
    if (const auto found = on(near); found != accelerators_.end()) return found->command;
  }
  const WindowId frame = FrameOf(window);
  for (const Accelerator& a : accelerators_) {
    if (a.letter == upper && FrameOf(a.window) == frame) return a.command;
  }
  return 0;
}

}  // namespace vorlanz::platform
