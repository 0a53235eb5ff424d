#include "analyses/ShellAndTubeGeometry.h"

#include <cmath>

#include "common/Errors.h"

namespace calvora {
namespace {

// Counts loop steps over one whole tube count; running out means the entries
// describe no real bundle.
class StepBudget {
 public:
  void take() {
    if (--left_ < 0)
      throw MathError("tube count did not end");
  }

 private:
  long left_ = kTubeCountStepLimit;
};

// Tubes of a row on one side of the vertical centre line, the first at
// `start` and then one every `s`, while the tube's outer edge stays within
// `halfChord` of the centre line.
double TubesAlongRow(double Do, double s, double start, double halfChord, StepBudget& budget) {
  double count = 0;
  double y = start;
  if (start > 0 && Do / 2 + y <= halfChord)
    count = count + 1;
  do {
    budget.take();
    y = y + s;
    if (Do / 2 + y <= halfChord)
      count = count + 1;
  } while (!(Do / 2 + y > halfChord));
  return count;
}

// A row on the lattice of the centre row: its tubes on one side plus one half
// for the tube standing on the vertical centre line.
double AlignedRow(double Do, double s, double halfChord, StepBudget& budget) {
  return TubesAlongRow(Do, s, 0, halfChord, budget) + 0.5;
}

// A row shifted by half a step: no tube stands on the centre line.
double OffsetRow(double Do, double s, double halfChord, StepBudget& budget) {
  return TubesAlongRow(Do, s, s / 2, halfChord, budget);
}

// The centre row through the shell axis; sets Dotl and Lbb and returns its
// tubes on one side plus the half centre tube.
double CentreRow(double Do, double s, double clearance, double Ds, TubeCount& count,
                 StepBudget& budget) {
  double Nt = 0;
  double y = 0;
  do {
    budget.take();
    y = y + s;
    if (Do / 2 + y + clearance <= Ds / 2)
      Nt = Nt + 1;
  } while (!(Do / 2 + y + clearance > Ds / 2));
  const double yLast = y - s;
  count.Dotl = 2 * (Do / 2 + yLast);
  count.Lbb = 2 * (Ds / 2 - (Do / 2 + yLast));
  return Nt + 0.5;
}

double HalfChord(double Ds, double Lbb, double x) {
  return std::sqrt((Ds - Lbb) * (Ds - Lbb) / 4 - x * x);
}

// Rows alternate offset (odd k) and aligned (even k), x = k * rowPitch.
TubeCount CountAlternatingRows(double Do, double s, double rowPitch, double clearance, double Ds) {
  StepBudget budget;
  TubeCount count;
  double Nt = CentreRow(Do, s, clearance, Ds, count, budget);
  double k = 1;
  double x = 0;
  do {
    budget.take();
    x = k * rowPitch;
    if (Do / 2 + x <= count.Dotl / 2)
      Nt = Nt + OffsetRow(Do, s, HalfChord(Ds, count.Lbb, x), budget);
    k = k + 1;
    x = k * rowPitch;
    if (Do / 2 + x <= count.Dotl / 2)
      Nt = Nt + AlignedRow(Do, s, HalfChord(Ds, count.Lbb, x), budget);
    k = k + 1;
  } while (!(Do / 2 + x > count.Dotl / 2));
  count.Nt = 2 * Nt;
  return count;
}

}  // namespace

LayoutData LayoutDataOf(TubeLayout layout) {
  switch (layout) {
    case TubeLayout::Triangular15875:
      return {0.015875, 0.019844, 1.0, LayoutFamily::Triangular};
    case TubeLayout::InlineSquare15875:
      return {0.015875, 0.022225, 1.0, LayoutFamily::InlineSquare};
    case TubeLayout::RotatedSquare15875:
      return {0.015875, 0.022225, 0.707, LayoutFamily::RotatedSquare};
    case TubeLayout::Triangular19050:
      return {0.01905, 0.0254, 1.0, LayoutFamily::Triangular};
    case TubeLayout::InlineSquare19050:
      return {0.01905, 0.0254, 1.0, LayoutFamily::InlineSquare};
    case TubeLayout::RotatedSquare19050:
      return {0.01905, 0.0254, 0.707, LayoutFamily::RotatedSquare};
  }
  throw SelectionError("no tube layout");
}

LayoutFamily FamilyOf(TubeLayout layout) {
  return LayoutDataOf(layout).family;
}

int FamilyColumn(LayoutFamily family) {
  switch (family) {
    case LayoutFamily::Triangular:
      return 0;
    case LayoutFamily::InlineSquare:
      return 1;
    case LayoutFamily::RotatedSquare:
      return 2;
  }
  return 0;
}

TubeCount CountTubesTriangular(double Do, double Pt, double clearance, double Ds) {
  return CountAlternatingRows(Do, Pt, std::sqrt(3.0) * Pt / 2, clearance, Ds);
}

TubeCount CountTubesRotatedSquare(double Do, double Pt, double clearance, double Ds) {
  return CountAlternatingRows(Do, std::sqrt(2.0) * Pt, Pt / std::sqrt(2.0), clearance, Ds);
}

TubeCount CountTubesInlineSquare(double Do, double Pt, double clearance, double Ds) {
  StepBudget budget;
  TubeCount count;
  double Nt = CentreRow(Do, Pt, clearance, Ds, count, budget);
  double k = 1;
  double x = 0;
  do {
    budget.take();
    x = k * Pt;
    if (Do / 2 + x <= count.Dotl / 2)
      Nt = Nt + AlignedRow(Do, Pt, HalfChord(Ds, count.Lbb, x), budget);
    k = k + 1;
  } while (!(Do / 2 + x > count.Dotl / 2));
  count.Nt = 2 * Nt;
  return count;
}

TubeCount CountTubes(TubeLayout layout, double clearance, double Ds) {
  const LayoutData data = LayoutDataOf(layout);
  switch (data.family) {
    case LayoutFamily::Triangular:
      return CountTubesTriangular(data.Do, data.Pt, clearance, Ds);
    case LayoutFamily::InlineSquare:
      return CountTubesInlineSquare(data.Do, data.Pt, clearance, Ds);
    case LayoutFamily::RotatedSquare:
      return CountTubesRotatedSquare(data.Do, data.Pt, clearance, Ds);
  }
  return {};
}

}  // namespace calvora
