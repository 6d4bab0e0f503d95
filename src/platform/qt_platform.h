#pragma once

// The backend of the real program: Qt windows. The main window shows its
// surface below a menu bar; windows with a title bar and panels live inside
// it as child widgets. Needs the Application object to exist.

#include <memory>

#include "platform/platform.h"

namespace vorlanz::platform {

class QtPlatform : public Platform {
 public:
  // The main window's client area has the given size; the window stays
  // hidden until ShowMainWindow.
  QtPlatform(int client_width, int client_height);
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void ShowMainWindow(std::string_view title) override;
  WindowId OpenWindow(std::string_view title, int x, int y, int outer_width,
                      int outer_height) override;
  WindowId OpenPanel(WindowId parent, int x, int y, int width, int height) override;
  void CloseWindow(WindowId window) override;
  void SelectWindow(WindowId window) override;
  WindowId CurrentWindow() const override;
  Surface& WindowSurface(WindowId window) override;

  void CreateEditField(WindowId panel, int id, int x, int y, int width, int height,
                       std::string_view text) override;
  std::string FieldText(int id) const override;
  void SetFieldText(int id, std::string_view text) override;
  void FocusField(int id) override;
  void AddAccelerator(WindowId window, char letter, int command_id) override;
  void SetFieldAdvanceKeys(WindowId panel, std::vector<int> virtual_keys) override;
  void LimitFieldToNumber(int id, int max_number) override;

  int PendingKey() override;
  int MouseButtons() override;
  Point MousePosition() override;
  void Pause(int milliseconds) override;

  void SetMenuBar(const MenuBar& menu) override;
  void CheckMenuItem(int id, bool checked) override;
  void EnableMenuBar(bool enabled) override;

  void ShowHelp(std::string_view keyword) override;
  WindowId OpenInfoBox(int x, int y, const InfoBoxForm& form) override;
  std::string ChooseFile(const FileChoice& choice) override;
  [[noreturn]] void Quit() override;

  WindowId OpenDialog(const DialogLayout& layout) override;
  void ShowDialog(WindowId dialog, bool visible) override;
  void AddListItem(WindowId dialog, int control, std::string_view text) override;
  void SelectListItem(WindowId dialog, int control, int index) override;
  int SelectedListItem(WindowId dialog, int control) override;
  void SetChecked(WindowId dialog, int control, bool checked) override;
  void SetControlValue(WindowId dialog, int control, int value) override;
  int ControlValue(WindowId dialog, int control) override;
  void SetControlText(WindowId dialog, int control, std::string_view text) override;
  std::string ControlText(WindowId dialog, int control) override;

  std::optional<PrintArea> BeginPrint(std::string_view document, const PrintFont& font,
                                      double page_width_mm, double page_height_mm) override;
  bool PrintMarks(std::string_view text, const std::vector<PrintMark>& marks) override;
  void CancelPrint() override;

 protected:
  Event NextEvent(bool wait) override;

 private:
  friend class QtPlatformProbe;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

std::unique_ptr<Platform> MakeQtPlatform(int client_width, int client_height);

}  // namespace vorlanz::platform
