#pragma once

// The live picture of a running tip calculation on the main screen: the
// status line ("STATUS: F=", "D="), the lowered working quality ("GÜTE:")
// and every accepted row with its figures in its column of the tip picture.
// It also watches the keyboard and the mouse for a cancel.
//
// A calculation tries many thousand candidates a second. Their status texts
// are only remembered as they come and put on the screen in batches, at each
// visit the poll clock grants and always before the platform gets a chance
// to repaint (it repaints only while it is asked for input) or the
// calculation ends, so the screen always shows what drawing every single
// text would have shown.
// The rows and figures drawn meanwhile share no pixel with the status texts,
// so they need not wait for them.

#include "calc/logic/calculation_observer.h"
#include "model/poll_clock.h"

namespace vorlanz {

class CalculationScreen final : public CalculationObserver {
 public:
  bool CancelRequested(int row) override;
  void Status(int norm_errors) override;
  void QualityLowered(int working_quality) override;
  void Distance(int min_distance) override;
  void RowAccepted(const AcceptedRow& row) override;

  // Draws the status texts still waiting; call when the calculation ends.
  void Flush();

 private:
  static constexpr int kNone = -1;

  // Escape pending or the right button held, and "JA" to the question.
  bool UserCancels();

  PollClock clock_;
  // The latest values not drawn yet, kNone when drawn.
  int status_ = kNone;
  int distance_ = kNone;
  int quality_ = kNone;
  // The status text and the distance text share the status line and overlap
  // by a few pixels, so the one given last is drawn last.
  bool distance_given_last_ = false;
};

// Runs one calculation on the screen: checks that it can be run (see
// CalculationInputsUsable), clears the picture, shows the quota figure and
// builds the twelve rows, drawing each into the tip picture. LeaveFlag is
// set afterwards if the user cancelled or the inputs were unusable; rows
// accepted before a cancel stay.
void CalculateTips();

}  // namespace vorlanz
