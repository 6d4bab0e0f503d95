#pragma once

// The live picture of a running tip calculation on the main screen: the
// status line ("STATUS: F=", "D="), the lowered working quality ("GÜTE:")
// and every accepted row with its figures in its column of the tip picture.
// It also watches the keyboard and the mouse for a cancel.
//
// A calculation tries many thousand candidates a second. Their status texts
// are only remembered as they come and put on the screen in batches, every
// few milliseconds and always before the platform gets a chance to repaint
// (it repaints only while it is asked for input) or the calculation ends, so
// the screen always shows what drawing every single text would have shown.
// The rows and figures drawn meanwhile share no pixel with the status texts,
// so they need not wait for them.

#include <chrono>

#include "calc/logic/calculation_observer.h"

namespace vorlanz {

// How often a running calculation refreshes its status texts and looks for a
// cancel: the clock is read after every `candidates` candidates, and the
// screen and the input are visited once `interval` has passed since the last
// visit. {1, 0} visits on every candidate.
struct RefreshRate {
  int candidates = 256;
  std::chrono::nanoseconds interval = std::chrono::milliseconds(10);
};

// The rate every calculation started from the screen uses.
RefreshRate& CalculationRefresh();

class CalculationScreen final : public CalculationObserver {
 public:
  explicit CalculationScreen(RefreshRate rate = CalculationRefresh());

  bool CancelRequested(int row) override;
  void Status(int normErrors) override;
  void QualityLowered(int workingQuality) override;
  void Distance(int minDistance) override;
  void RowAccepted(const AcceptedRow& row) override;

  // Draws the status texts still waiting; call when the calculation ends.
  void Flush();

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr int kNone = -1;

  // Escape pending or the right button held, and "JA" to the question.
  bool UserCancels();

  RefreshRate rate_;
  int countdown_;
  Clock::time_point nextVisit_;
  // The latest values not drawn yet, kNone when drawn.
  int status_ = kNone;
  int distance_ = kNone;
  int quality_ = kNone;
  // The status text and the distance text share the status line and overlap
  // by a few pixels, so the one given last is drawn last.
  bool distanceGivenLast_ = false;
};

// Runs one calculation on the screen: checks that it can be run (see
// CalculationInputsUsable), clears the picture, shows the quota figure and
// builds the twelve rows, drawing each into the tip picture. LeaveFlag is
// set afterwards if the user cancelled or the inputs were unusable; rows
// accepted before a cancel stay.
void CalculateTips();

}  // namespace vorlanz
