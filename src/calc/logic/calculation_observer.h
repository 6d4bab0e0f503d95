#pragma once

// What a running tip calculation tells the outside world and asks of it. The
// calculation itself draws nothing: the screen shows its progress through one
// observer, tests and benchmarks watch it through others.

namespace vorlanz {

// A row the moment it is accepted; its outcomes are in TipRows[match][row].
struct AcceptedRow {
  int row = 0;      // 1..12
  int quality = 0;  // RowQuality: working quality for row 1, else the distance
};

class CalculationObserver {
 public:
  virtual ~CalculationObserver() = default;

  // Asked before every candidate of every row, so it must answer cheaply;
  // true ends the calculation, keeping the rows accepted so far.
  virtual bool CancelRequested(int row) = 0;
  // A candidate passed the mean test; its differences from the NORM series.
  virtual void Status(int /*norm_errors*/) {}
  // Too many rejections lowered the working quality (0 wraps round to 7).
  virtual void QualityLowered(int /*working_quality*/) {}
  // A candidate of rows 2..12 went through the distance scan.
  virtual void Distance(int /*min_distance*/) {}
  virtual void RowAccepted(const AcceptedRow& /*row*/) {}
};

// Watches nothing and never cancels.
class SilentObserver final : public CalculationObserver {
 public:
  bool CancelRequested(int /*row*/) override { return false; }
};

}  // namespace vorlanz
