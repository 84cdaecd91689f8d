// What the form and the launcher show of the 22 exercises beside the table
// of exercises: rows, result units, figures and the stepping between them.
// Apart from that table and the solutions, so that the launcher's shape
// preview takes in only this.
#include <initializer_list>

#include "rezeze_solver.h"

namespace prolexa::rezeze {

int Exercise::Rows() const {
  int rows = 0;
  while (rows < RowCount && !labels[static_cast<std::size_t>(rows)].empty()) ++rows;
  return rows;
}

UnitList Exercise::ResultUnits() const {
  switch (result) {
    case Result::Area:
      return ListOf(AreaUnitNames);
    case Result::Volume:
      return ListOf(VolumeUnitNames);
    case Result::Length:
      break;
  }
  return LengthUnits;
}

int PreviousExercise(int index) { return index <= 0 ? ExerciseCount - 1 : index - 1; }

int NextExercise(int index) { return index >= ExerciseCount - 1 ? 0 : index + 1; }

DrawSteps DrawShapeSketch(int exercise, Point offset) {
  DrawSteps figure;
  if (exercise < 0 || exercise >= ExerciseCount) return figure;
  const auto at = [offset](int x, int y) { return Point{x + offset.x, y + offset.y}; };
  const auto box = [offset](int l, int t, int r, int b) {
    return Box{l + offset.x, t + offset.y, r + offset.x, b + offset.y};
  };
  const auto lines = [&](std::initializer_list<std::array<int, 4>> segments) {
    for (const auto& s : segments) figure.Sketch(SketchItem::Line(at(s[0], s[1]), at(s[2], s[3])));
  };
  // The circle of radius 30 about (560, 130).
  const auto circle = [&] { figure.Sketch(SketchItem::Ellipse(box(530, 100, 591, 161))); };
  switch (exercise / 2) {
    case 0:  // square
      figure.Sketch(SketchItem::Polyline(
          {at(535, 100), at(595, 100), at(595, 160), at(535, 160), at(535, 100)}));
      break;
    case 1:  // rectangle
      figure.Sketch(SketchItem::Polyline(
          {at(515, 100), at(615, 100), at(615, 160), at(515, 160), at(515, 100)}));
      break;
    case 2:
      circle();
      break;
    case 3:  // triangle
      figure.Sketch(SketchItem::Polyline({at(515, 160), at(615, 160), at(580, 100), at(515, 160)}));
      break;
    case 4:  // trapezium
      lines({{515, 160, 615, 160}, {545, 100, 515, 160}, {615, 160, 585, 100}, {585, 100, 545, 100}});
      break;
    case 5:  // cube
      lines({{560, 115, 525, 103}, {560, 115, 595, 103}, {560, 115, 560, 162},
             {560, 162, 525, 150}, {525, 150, 525, 103}, {560, 162, 595, 150},
             {595, 103, 595, 150}, {595, 103, 560, 91}, {560, 91, 525, 103}});
      break;
    case 6:  // prism
      lines({{565, 105, 530, 93}, {530, 93, 551, 86}, {565, 105, 586, 98},
             {586, 98, 551, 86}, {565, 105, 565, 161}, {530, 93, 530, 149},
             {565, 161, 530, 149}, {586, 98, 586, 154}, {586, 154, 565, 161}});
      break;
    case 7:  // cylinder
      figure.Sketch(SketchItem::Ellipse(box(525, 90, 590, 110)));
      lines({{525, 100, 525, 150}, {589, 101, 589, 150}});
      figure.Sketch(SketchItem::Ellipse(box(525, 140, 590, 160)));
      break;
    case 8:  // pyramid
      lines({{560, 162, 525, 150}, {560, 162, 595, 150}, {560, 162, 560, 100},
             {525, 150, 560, 100}, {595, 150, 560, 100}});
      break;
    case 9:  // cone
      lines({{558, 100, 524, 149}, {558, 100, 590, 150}});
      figure.Sketch(SketchItem::Ellipse(box(525, 140, 590, 160)));
      break;
    default: {  // sphere: its outline and the lower half of an equator
      circle();
      // About (560, 115), from 190° round through the bottom to 10°.
      figure.Sketch(SketchItem::Arc(box(530, 85, 591, 146), at(265, 167), at(855, 63)));
      SketchItem gap = SketchItem::Line(at(590, 110), at(590, 123));
      gap.colour = 0xFFFFFF;
      figure.Sketch(gap);
      break;
    }
  }
  return figure;
}

}  // namespace prolexa::rezeze
