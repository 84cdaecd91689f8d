// The unit lists of the calculators and the conversions between their
// entries, by index. A list is ordered from its smallest unit.
#pragma once

#include <array>
#include <string_view>

namespace prolexa {

// The entries of a unit list as the drop-down list shows them.
struct UnitList {
  const std::string_view* entries = nullptr;
  int count = 0;

  const std::string_view* begin() const { return entries; }
  const std::string_view* end() const { return entries + count; }
  bool Has(int index) const { return index >= 0 && index < count; }
};

template <std::size_t N>
constexpr UnitList ListOf(const std::array<std::string_view, N>& entries) {
  return {entries.data(), static_cast<int>(N)};
}

// "mm", "cm", "dm", "m": a factor of 10 per step.
inline constexpr std::array<std::string_view, 4> LengthUnitNames = {"mm", "cm", "dm", "m"};
inline constexpr UnitList LengthUnits = ListOf(LengthUnitNames);
inline constexpr int Metres = 3;

double ScaleDecimalUnit(double value, int from, int to);
// "m/s", "km/h": a factor of 3.6.
double ScaleSpeedUnit(double value, int from, int to);
// "sek", "min", "hod": factors of 60 and 3600.
double ScaleTimeUnit(double value, int from, int to);

}  // namespace prolexa
