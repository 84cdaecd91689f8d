#include "counting.h"

#include <optional>
#include <string>

#include "number_text.h"
#include "utf.h"

namespace prolexa::zazozarozovuz {
namespace {

constexpr std::string_view kBigNumbers = "Zadali jste velké číslá. Zadejte menší.";

// n to the power k by k multiplications; nothing when a partial product
// passes the limit.
std::optional<std::int64_t> Power(std::int64_t n, std::int64_t k) {
  std::int64_t product = 1;
  for (std::int64_t i = 0; i < k; ++i) {
    if (n != 0 && product > CountLimit / n) return std::nullopt;
    product *= n;
    if (product > CountLimit) return std::nullopt;
  }
  return product;
}

struct Typed {
  std::string n, k;  // as typed, as the fields hold them
  std::int64_t nv = 0, kv = 0;
  int option = Variations;
};

Typed TypedOf(const FormInputs& in) {
  Typed t;
  t.n = FirstCharacters(in.Text(FieldN), NDigits);
  t.k = FirstCharacters(in.Text(FieldK), KDigits);
  t.nv = ParseInteger(t.n);
  t.kv = ParseInteger(t.k);
  t.option = in.mode >= 0 && in.mode < OptionCount ? in.mode : Variations;
  return t;
}

// The count of the option, or nothing when it passes the limit.
std::optional<std::int64_t> Count(const Typed& t) {
  const std::int64_t n = t.nv, k = t.kv;
  switch (t.option) {
    case Variations: {
      const std::int64_t v = FallingProduct(n - k, n);
      return v == 0 ? std::nullopt : std::optional(v);
    }
    case VariationsRepeated:
      return Power(n, k);
    case Combinations: {
      const std::int64_t top = FallingProduct(n - k, n), bottom = FallingProduct(1, k);
      if (top == 0 || bottom == 0) return std::nullopt;
      return top / bottom;
    }
    default: {
      const std::int64_t top = FallingProduct(n - 1, n + k - 1), bottom = FallingProduct(1, k);
      if (top == 0 || bottom == 0) return std::nullopt;
      return top / bottom;
    }
  }
}

std::string Whole(std::int64_t value) { return std::to_string(value); }

}  // namespace

std::int64_t FallingProduct(std::int64_t a, std::int64_t b) {
  std::int64_t product = 1;
  for (std::int64_t factor = a + 1; factor <= b; ++factor) {
    if (factor == 0) return 0;
    // Compared by size before multiplying, so that no product can overflow,
    // whatever the signs (a negative n can only come from outside the form).
    const std::int64_t size = factor < 0 ? -factor : factor;
    const std::int64_t soFar = product < 0 ? -product : product;
    if (soFar > CountLimit / size) return 0;
    product *= factor;
    if (product > CountLimit || product < -CountLimit) return 0;
  }
  return product;
}

Verdict Check(const FormInputs& in) {
  const Typed t = TypedOf(in);
  int code = (t.n.empty() ? 1 : 0) + (t.k.empty() ? 2 : 0);
  if (code == 0 && t.nv < t.kv && (t.option == Variations || t.option == Combinations)) code = 4;
  switch (code) {
    case 1:
      return {ErrorRefusal("Zadejte hodnotu n."), 0};
    case 2:
      return {ErrorRefusal("Zadejte hodnotu k."), 0};
    case 3:
      return {ErrorRefusal("Zadejte hodnotu n a hodnotu k."), 0};
    case 4:
      return {ErrorRefusal("Hodnota k může být menší anebo rovná hodnote n."), 0};
    default:
      break;
  }
  // With no element to choose from, (n - 1)! has no meaning.
  if (t.option == CombinationsRepeated && t.nv == 0) {
    return {ErrorRefusal("Hodnota n musí být větší než 0."), 0};
  }
  if (!Count(t)) return {ErrorRefusal(kBigNumbers), 0};
  return {};
}

DrawSteps Draw(const FormInputs& in, int, int) {
  DrawSteps steps;
  const Typed t = TypedOf(in);
  const std::optional<std::int64_t> count = Count(t);
  if (!count) return steps;
  steps.Origin(12, 240);
  const std::string& N = t.n;
  const std::string& K = t.k;
  const std::string D = Whole(t.nv - t.kv);
  // Counts are written whole, however many digits they have.
  const std::string R = Whole(*count);
  switch (t.option) {
    case Variations:
      steps.Line(Concat(
          {"|n!||(n - k)!| = |", N, "!||(", N, " - ", K, ")!| = |", N, "!||", D, "!| = ", R}));
      break;
    case VariationsRepeated:
      // The exponent is k as typed.
      steps.Superscript(K);
      steps.Line(Concat({"n^ = ", N, "^ = ", R}));
      break;
    case Combinations:
      steps.Line(Concat({"|n!||(n - k)!k!| = |", N, "!||(", N, " - ", K, ")!", K, "!| = |", N,
                         "!||", D, "!", K, "!| = ", R}));
      break;
    default: {
      const std::string M = Whole(t.nv + t.kv - 1);
      const std::string L = Whole(t.nv - 1);
      steps.Line(Concat({"|(n + k - 1)!||(n - 1)!k!| = |(", N, " + ", K, " - 1)!||(", N, " - 1)!",
                         K, "!| = |", M, "!||", L, "!", K, "!| = ", R}));
      break;
    }
  }
  return steps;
}

DrawSteps DrawOptionsFrame() {
  DrawSteps frame;
  constexpr long kGrey = 0x888888;
  const Point corners[][2] = {{{12, 69}, {19, 69}},    {{12, 69}, {12, 214}},
                              {{12, 214}, {180, 214}}, {{180, 214}, {180, 69}},
                              {{180, 69}, {50, 69}}};
  for (const auto& c : corners) {
    SketchItem line = SketchItem::Line(c[0], c[1]);
    line.colour = kGrey;
    frame.Sketch(line);
  }
  return frame;
}

const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 510,
                          .tooBigText = kBigNumbers};

}  // namespace prolexa::zazozarozovuz
