#include "units.h"

namespace prolexa {

double ScaleDecimalUnit(double value, int from, int to) {
  static constexpr double kFactors[] = {1.0, 10.0, 100.0, 1000.0};
  if (from > to && from - to <= 3) return value * kFactors[from - to];
  if (from < to && to - from <= 3) return value / kFactors[to - from];
  return value;
}

double ScaleSpeedUnit(double value, int from, int to) {
  if (from < to) return value * 3.6;
  if (from > to) return value / 3.6;
  return value;
}

double ScaleTimeUnit(double value, int from, int to) {
  static constexpr double kFactors[] = {1.0, 60.0, 3600.0};
  if (from > to && from - to <= 2) return value * kFactors[from - to];
  if (from < to && to - from <= 2) return value / kFactors[to - from];
  return value;
}

}  // namespace prolexa
