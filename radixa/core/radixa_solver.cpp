#include "radixa_solver.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "formula.h"
#include "number_text.h"
#include "utf.h"

namespace prolexa::radixa {
namespace {

// Where the blocks of the solution stand in the window. The second root's
// column starts one fraction line below the first row, so that from the
// second line on the x2 lines stand level with the x1 lines.
constexpr int kDiscriminantLeft = 420;
constexpr int kDiscriminantTop = 80;
constexpr int kRootsLeft = 12;
constexpr int kRootsTop = 200;
constexpr int kSecondRootLeft = 380;
constexpr int kSecondRootTop = 265;
// The closing sentence of the complex case stands under the solution, its
// second half beside the first and its last word on the row below.
constexpr int kSentenceTop = 430;
constexpr int kSentenceSecondLeft = 425;
constexpr int kSentenceEndTop = 450;


constexpr std::string_view kNoRealRoots = "Tato rovnica nemá v obore reálnych čísel řešení.";
constexpr std::string_view kComplexRoots = "Možné ji vypočítat v obore komplexních";
constexpr std::string_view kComplexRootsEnd = "čísel.";

std::string FieldText(std::string_view text) {
  return std::string(FirstCharacters(text, CoefficientLimit));
}

CoefficientTexts FieldTexts(const CoefficientTexts& texts) {
  return {FieldText(texts.a), FieldText(texts.b), FieldText(texts.c)};
}

CheckResult Refuse(std::string_view text) { return {false, ErrorRefusal(text)}; }

// A negative number in a product stands in parentheses.
std::string Enclosed(const std::string& text) {
  return !text.empty() && text[0] == '-' ? "(" + text + ")" : text;
}

// A typed coefficient, read as `value`: its own text rounded up to six
// places, so that digits beyond the sixth decimal raise the last one (a
// typed "-0" or "-0.0000001" is written "0"); the writer learns whether its
// value can be written.
std::string Typed(NumberWriter& n, double value, std::string_view text) {
  n.Whole(value);
  return RoundNumberText(text, FixedPlaces);
}

// -b as the pupil writes it from b as written.
std::string Negated(const std::string& b) {
  if (b == "0") return b;
  return b[0] == '-' ? b.substr(1) : "-" + b;
}

// The drawing steps of the solution at `places`, or nothing when one of its
// numbers cannot be written whole. Texts are taken as the fields hold them.
struct Coefficients {
  double a = 0;
  double b = 0;
  double c = 0;
};

Coefficients Read(const CoefficientTexts& texts) {
  return {ParseNumber(texts.a), ParseNumber(texts.b), ParseNumber(texts.c)};
}

std::optional<DrawSteps> Compose(const CoefficientTexts& texts, const Coefficients& read,
                                 int places) {
  const auto [a, b, c] = read;
  NumberWriter n(places);
  DrawSteps steps;

  // Discriminant. The product is signed: a negative 4ac is subtracted in
  // parentheses.
  const double bb = b * b;
  const double q = (a * 4) * c;
  const std::string typedA = Typed(n, a, texts.a);
  const std::string typedB = Typed(n, b, texts.b);
  steps.Origin(kDiscriminantLeft, kDiscriminantTop);
  steps.Line("D = b^ - 4ac");
  steps.Line(Concat({"D = ", typedB, "^ - 4 * ", Enclosed(typedA), " * ",
                     Enclosed(Typed(n, c, texts.c))}));
  steps.Line(Concat({"D = ", n.Six(bb), " - ", Enclosed(n.Six(q))}));
  // Everything below uses the discriminant as written with six decimals, so
  // that a value too small to show (4e-7) counts as zero: the pupil sees
  // D = 0 and gets the double root.
  const double written = n.Whole(bb - q);
  const std::string shownD = RoundValue(written, FixedPlaces);
  steps.Line("D = " + shownD);
  const double d = ReadFixed(written);

  const double twoA = a + a;
  const double minusB = -b;
  const std::string shownTwoA = n.Six(twoA);
  // Every numerator begins with -b, written from b as typed.
  const std::string numerator = Negated(typedB);
  const std::string rootOfD = "@" + shownD + "@||2 * " + typedA + "|";

  steps.Origin(kRootsLeft, kRootsTop);
  if (d > 0) {
    const double r = std::sqrt(d);
    const std::string shownR = n.Six(r);
    steps.Line("x1/2 = | -b +- @D@||2a|");
    steps.Line(Concat({"x1 = |", numerator, " + ", rootOfD}));
    steps.Line(Concat({"x1 = |", numerator, " + ", shownR, "||", shownTwoA, "|"}));
    steps.Line(Concat({"x1 = |", n.Six(r - b), "||", shownTwoA, "|"}));
    steps.Line("x1 = ", n.Result((r + minusB) / twoA));
    steps.Origin(kSecondRootLeft, kSecondRootTop);
    steps.Line(Concat({"x2 = |", numerator, " - ", rootOfD}));
    steps.Line(Concat({"x2 = |", numerator, " - ", shownR, "||", shownTwoA, "|"}));
    steps.Line(Concat({"x2 = |", n.Six(minusB - r), "||", shownTwoA, "|"}));
    steps.Line("x2 = ", n.Result((minusB - r) / twoA));
  } else if (d == 0) {
    steps.Line("x = | -b ||2a|");
    steps.Line(Concat({"x = |", numerator, "||2 * ", typedA, "|"}));
    steps.Line(Concat({"x = |", numerator, "||", shownTwoA, "|"}));
    steps.Line("x = ", n.Result(minusB / twoA));
  } else {
    // The complex roots keep six places whatever the rounding; the
    // imaginary part takes the sign of a.
    const double s = std::sqrt(-d);
    const std::string shownS = n.Six(s);
    const double re = minusB / twoA;
    const double im = s / twoA;
    const std::string shownRe = n.Six(re);
    const std::string plusIm = im >= 0 ? " + " + n.Six(im) : " - " + n.Six(-im);
    const std::string minusIm = im >= 0 ? " - " + n.Six(im) : " + " + n.Six(-im);
    steps.Line("x1/2 = | -b +- @-D@||2a|");
    steps.Line(Concat({"x1 = |", numerator, " + ", rootOfD}));
    // The root of -D is the imaginary part's numerator: it carries its i.
    steps.Line(Concat({"x1 = |", numerator, " + ", shownS, "i||", shownTwoA, "|"}));
    steps.Line(Concat({"x1 = ", shownRe, plusIm, "i"}));
    steps.Origin(kSecondRootLeft, kSecondRootTop);
    steps.Line(Concat({"x2 = |", numerator, " - ", rootOfD}));
    steps.Line(Concat({"x2 = |", numerator, " - ", shownS, "i||", shownTwoA, "|"}));
    steps.Line(Concat({"x2 = ", shownRe, minusIm, "i"}));
    steps.Origin(kRootsLeft, kSentenceTop);
    steps.Line(std::string(kNoRealRoots));
    steps.Origin(kSentenceSecondLeft, kSentenceTop);
    steps.Line(std::string(kComplexRoots));
    steps.Origin(kRootsLeft, kSentenceEndTop);
    steps.Line(std::string(kComplexRootsEnd));
  }
  if (!n.AllWhole()) return std::nullopt;
  return steps;
}

// Zero once written with six decimals: twice such an a would stand as 0 in
// the denominators, and the roots divide by it.
bool ZeroInSixDecimals(double value) { return FitsNumberText(value) && ReadFixed(value) == 0; }

}  // namespace

CheckResult CheckCoefficients(const CoefficientTexts& typed) {
  const CoefficientTexts texts = FieldTexts(typed);
  const int empty = static_cast<int>(texts.a.empty()) + static_cast<int>(texts.b.empty()) +
                    static_cast<int>(texts.c.empty());
  if (empty == 3) return Refuse(NoValueMessage);
  if (empty > 0) return Refuse(SomeValuesMissingMessage);

  const Coefficients read = Read(texts);
  const auto [a, b, c] = read;
  if (TooBig(b * b)) return Refuse(BigNumbersMessage);
  if (TooBig((a * 4) * c)) return Refuse(BigNumbersMessage);
  if (ZeroInSixDecimals(a + a)) return Refuse(NotQuadraticMessage);
  // The rounding may change after this check without a new one. One count
  // of places stands for all: a root is checked by its six-decimal text
  // before it is rounded, and rounding up to fewer places never makes that
  // text longer.
  std::optional<DrawSteps> steps = Compose(texts, read, MostPlaces);
  if (!steps) return Refuse(BigNumbersMessage);
  return {true, std::nullopt, std::move(steps)};
}

DrawSteps DrawQuadraticSolution(const CoefficientTexts& typed, int places) {
  if (!CheckCoefficients(typed).valid) return DrawSteps();
  const CoefficientTexts texts = FieldTexts(typed);
  const std::optional<DrawSteps> steps =
      Compose(texts, Read(texts), std::clamp(places, 0, MostPlaces));
  return steps ? *steps : DrawSteps();
}

DrawSteps DrawGeneralForm() {
  DrawSteps steps;
  steps.Origin(150, 60);
  steps.Line("Všeobecný tvar: ax^ + bx + c = 0");
  return steps;
}

namespace {

CoefficientTexts TextsOf(const FormInputs& in) {
  return {in.Text(FieldA), in.Text(FieldB), in.Text(FieldC)};
}

// The check composes the solution anyway, and hands it on.
Verdict Check(const FormInputs& in) {
  CheckResult result = CheckCoefficients(TextsOf(in));
  return {std::move(result.refusal), 0, std::move(result.steps)};
}

// Called for checked texts only: composed without a second check.
DrawSteps Draw(const FormInputs& in, int, int places) {
  const CoefficientTexts texts = FieldTexts(TextsOf(in));
  const std::optional<DrawSteps> steps =
      Compose(texts, Read(texts), std::clamp(places, 0, MostPlaces));
  return steps ? *steps : DrawSteps();
}

}  // namespace

// The client area of the 750-pixel window, with room for the widest frame
// any Windows draws around it.
const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 734,
                          .tooBigText = BigNumbersMessage};

}  // namespace prolexa::radixa
