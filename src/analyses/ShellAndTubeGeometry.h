#pragma once

// Bundle geometry of a single-shell-pass exchanger with segmental baffles: the
// six standard tube layouts and the tube count inside the outer tube limit.

namespace calvora {

// The six standard layouts, in the order of the layout dialog's buttons.
enum class TubeLayout : int {
  Triangular15875 = 1,     // Do 0.015875, Pt 0.019844, 30 degree staggered triangle
  InlineSquare15875 = 2,   // Do 0.015875, Pt 0.022225, 90 degree in-line square
  RotatedSquare15875 = 3,  // Do 0.015875, Pt 0.022225, 45 degree square
  Triangular19050 = 4,     // Do 0.01905, Pt 0.0254, 30 degree staggered triangle
  InlineSquare19050 = 5,   // Do 0.01905, Pt 0.0254, 90 degree in-line square
  RotatedSquare19050 = 6,  // Do 0.01905, Pt 0.0254, 45 degree square
};

// Many shell-side constants are chosen by the family of the layout.
enum class LayoutFamily { Triangular, InlineSquare, RotatedSquare };

struct LayoutData {
  double Do = 0;           // tube outside diameter (m)
  double Pt = 0;           // tube pitch, centre to centre (m)
  double pitchFactor = 0;  // 0.707 for the rotated squares (a rounded 1/sqrt 2), else 1
  LayoutFamily family = LayoutFamily::Triangular;
};

LayoutData LayoutDataOf(TubeLayout layout);
LayoutFamily FamilyOf(TubeLayout layout);
// Index 0, 1, 2 of the family's column in the shell-side tables.
int FamilyColumn(LayoutFamily family);

struct TubeCount {
  double Nt = 0;    // number of tubes (whole after the final doubling)
  double Dotl = 0;  // outer tube limit: twice the reach of the centre row's outermost tube
  double Lbb = 0;   // diametral bundle-to-shell clearance Ds - Dotl
};

// The most loop steps one count may take. A shell of 1.524 m needs a few
// thousand; an absurd entry (a shell of kilometres) ends as an arithmetic
// failure (MathError) instead of counting for billions of steps.
inline constexpr long kTubeCountStepLimit = 1000000;

// Each counts the centre row plus the rows on one side of it, every row in
// full, by stepping outwards from the axis (positions accumulated along a row,
// rows placed at k times the row pitch). A tube fits when it touches the limit.
TubeCount CountTubesTriangular(double Do, double Pt, double clearance, double Ds);
TubeCount CountTubesInlineSquare(double Do, double Pt, double clearance, double Ds);
TubeCount CountTubesRotatedSquare(double Do, double Pt, double clearance, double Ds);

// The routine of the layout with the layout's Do and Pt.
TubeCount CountTubes(TubeLayout layout, double clearance, double Ds);

}  // namespace calvora
