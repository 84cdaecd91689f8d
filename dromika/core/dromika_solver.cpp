#include "dromika_solver.h"

#include <cmath>
#include <optional>
#include <string>

#include "number_text.h"
#include "utf.h"

namespace prolexa::dromika {
namespace {

constexpr double kSpeedLimit = 100000000;

// The inputs in the compute system: metres and seconds (system 0) or
// kilometres and hours (system 1).
struct Motion {
  int kind = Meeting;
  bool s = false, v1 = false, v2 = false, t1 = false, t2 = false;  // typed at all
  double distance = 0, speed1 = 0, speed2 = 0;
  double head = 0;  // the one head start typed, with its sign; else 0
  std::string du, vu, tu;  // unit texts, empty when units are hidden
};

Motion MotionOf(const FormInputs& in) {
  const auto text = [&in](int field) {
    return FirstCharacters(in.Text(static_cast<std::size_t>(field)), FieldLimit);
  };
  const auto list = [&in](int i) { return in.List(static_cast<std::size_t>(i)); };
  Motion m;
  m.kind = in.mode == CatchUp ? CatchUp : Meeting;
  m.s = !text(Distance).empty();
  m.v1 = !text(Speed1).empty();
  m.v2 = !text(Speed2).empty();
  m.t1 = !text(Time1).empty();
  m.t2 = !text(Time2).empty();
  const int system = list(System) == 1 ? 1 : 0;
  const auto speed = [&](int field, int unit) {
    const int from = list(unit) == 1 ? 1 : 0;
    return ScaleSpeedUnit(ParseNumber(text(field)), from, system);
  };
  m.speed1 = speed(Speed1, Speed1Unit);
  m.speed2 = speed(Speed2, Speed2Unit);
  if (m.t1 != m.t2) {
    const int field = m.t1 ? Time1 : Time2;
    const int unit = list(m.t1 ? Time1Unit : Time2Unit);
    const int from = unit >= 0 && unit <= 2 ? unit : 0;
    m.head = ScaleTimeUnit(ParseNumber(text(field)), from, system == 0 ? 0 : 2);
  }
  m.distance = ParseNumber(text(Distance));
  const int distanceUnit = list(DistanceUnit) == 1 ? 1 : 0;
  if (distanceUnit == 0 && system == 1) m.distance /= 1000;
  if (distanceUnit == 1 && system == 0) m.distance *= 1000;
  if (in.Option(ShowUnits)) {
    m.du = system == 1 ? "km" : "m";
    m.tu = system == 1 ? "h" : "s";
    m.vu = system == 1 ? "km/h" : "m/s";
  }
  return m;
}

Verdict Refuse(std::string_view text) { return {ErrorRefusal(text), 0}; }

Verdict Warn(std::string_view text) {
  return {Refusal{std::string(WarningCaption), std::string(text)}, 0};
}

std::optional<Verdict> CheckMeeting(const Motion& m) {
  if (!m.s) {
    if (!m.v1 && !m.v2) return Refuse("Nezadali jste dráhu s a rychlost obech těles");
    if (!m.v1) return Refuse("Nezadali jste dráhu s a rychlost prvního tělesa.");
    if (!m.v2) return Refuse("Nezadali jste dráhu s a rychlost druhého tělesa.");
    return Refuse("Nezadali jste dráhu s.");
  }
  if (!m.v1 && !m.v2) return Refuse("Nezadali jste rychlost obech těles.");
  if (!m.v1) return Refuse("Nezadali jste rychlost prvního tělesa v1.");
  if (!m.v2) return Refuse("Nezadali jste rychlost druhého tělesa v2.");
  if (m.t1 && m.t2) return Refuse("Čas můžete zadať iba u jedného tělesa");
  const double v1 = m.speed1, v2 = m.speed2, h = m.head;
  if ((m.t1 && TooBig(v1 * h)) || (m.t2 && TooBig(v2 * h))) return Refuse(BigNumbersMessage);
  if (TooBig(m.distance) || TooBig(v1) || TooBig(v2) || TooBig(h)) {
    return Refuse(BigNumbersMessage);
  }
  // Bodies that do not close in on each other never meet; a sum written as
  // 0 would divide by zero, whatever lies past its sixth place.
  if (!(v1 + v2 > 0) || ReadFixed(v2 + v1) == 0) return Refuse(NoMeaningMessage);
  if (m.t1 && !((m.distance - v1 * h) / (v1 + v2) > 0)) return Refuse(NoMeaningMessage);
  if (m.t2 && (m.distance - v2 * h) / (v2 + v1) < 0) return Refuse(NoMeaningMessage);
  return std::nullopt;
}

std::optional<Verdict> CheckCatchUp(const Motion& m) {
  if (!m.v1) {
    return Refuse(m.v2 ? "Nezadali jste rychlost prvního tělesa v1."
                       : "Nezadali jste rychlost obech těles.");
  }
  if (!m.v2) return Refuse("Nezadali jste rychlost druhého tělesa v2.");
  if (m.t1 && m.t2) return Refuse("Čas můžete zadať iba u jedného tělesa");
  const double v1 = m.speed1, v2 = m.speed2, h = m.head;
  if ((m.t1 && TooBig(v1 * h)) || (m.t2 && TooBig(v2 * h))) return Refuse(BigNumbersMessage);
  if (!(v1 < kSpeedLimit) || !(v2 < kSpeedLimit) || TooBig(h)) return Refuse(BigNumbersMessage);
  if (!m.t1 && !m.t2) {
    return Warn(v1 == v2 ? "Tyto tělesa půjdu vždy společně nakolik ani jeden z nich nevyrazil "
                           "skůr a jedu stejnou rychlostí."
                         : "Tyto tělesa se nikdy nestřetnou.");
  }
  // Speeds whose difference is written as 0 are the same speed to the pupil:
  // the time would divide by that 0.
  if (v1 == v2 || ReadFixed(v2 - v1) == 0) {
    return Warn(
        "Tyto tělesa se nikdy nestřetnou nakolik jeden z nich má náskok a obě jdou stejnou "
        "rychlostí.");
  }
  constexpr std::string_view kFaster =
      "Tyto tělesa se nikdy nestřetnou nakolik jeden z nich má náskok a jde rýchleji jako "
      "druhý.";
  if (m.t1 && ((h > 0 && v2 < v1) || (h < 0 && v2 > v1))) return Warn(kFaster);
  if (m.t2 && ((h > 0 && v1 < v2) || (h < 0 && v2 < v1))) return Warn(kFaster);
  return std::nullopt;
}

// What a solution comes to: the time as its line writes it, read back from
// its six decimals, and the two parts of the way computed from that time.
struct Outcome {
  double t = 0, s1 = 0, s2 = 0;
};

// A time or a part of the way that reads below 0 describes no motion. The
// two parts add up to the whole way, so a part longer than the whole makes
// the other negative; comparing with the whole itself would refuse a body
// that stands still, whose partner's part the time's last written place
// can make a millionth longer.
bool Meaningless(const Outcome& o) {
  return ReadFixed(o.t) < 0 || ReadFixed(o.s1) < 0 || ReadFixed(o.s2) < 0;
}

// The lines of the case the inputs fall into, and what they come to.
struct Composed {
  DrawSteps steps;
  std::optional<Outcome> outcome;  // none when only the first line is drawn
  bool whole = true;               // every number written whole
};

Composed Compose(const Motion& m) {
  NumberWriter n(MostPlaces);
  DrawSteps steps;
  steps.Origin(12, 230);
  const bool meeting = m.kind == Meeting;
  const bool noHead = !m.t1 && !m.t2;
  if (!noHead && m.head == 0) {
    steps.Line(meeting ? "s = s1 + s2" : "s1 = s2");
    return {std::move(steps), std::nullopt};
  }
  // A negative head start is the other body's.
  const bool firstEarlier = (m.t1 && m.head > 0) || (m.t2 && m.head < 0);
  const double h = std::fabs(m.head);
  const double v1 = m.speed1, v2 = m.speed2, s = m.distance;
  const auto six = [&n](double x) { return n.Six(x); };
  const std::string &du = m.du, &vu = m.vu, &tu = m.tu;

  // The meeting time is written once with six decimals; what that text
  // reads as serves every later product. The outcome takes the time read
  // the same way even where it is too large to write, so that a negative
  // one is told apart from a merely big one, and each body's way from it:
  // the one that set off earlier has moved h longer.
  Outcome o;
  const auto meetingTime = [&](double t, std::string& shownT) {
    const double written = n.Whole(t);
    shownT = RoundValue(written, FixedPlaces);
    o.t = ReadFixed(t);
    o.s1 = (o.t + (firstEarlier ? h : 0)) * v1;
    o.s2 = (o.t + (firstEarlier || noHead ? 0 : h)) * v2;
    return ReadFixed(written);
  };
  std::string T;

  if (meeting && noHead) {  // M0
    const double q = v2 + v1;
    const double t = meetingTime(s / q, T);
    steps.Line("s = s1 + s2");
    steps.Line("s = v1 * t + v2 * t");
    steps.Line(Concat({six(s), du, " = ", six(v1), vu, " * t + ", six(v2), vu, " * t"}));
    steps.Line(Concat({six(s), du, " = ", six(q), vu, " * t"}));
    steps.Line(Concat({"t = ", T, tu}));
    steps.Origin(12, 400);
    steps.Line("s1 = v1 * t");
    steps.Line(Concat({"s1 = ", six(v1), vu, " * ", T, tu}));
    steps.Line(Concat({"s1 = ", six(t * v1), du}));
    steps.Origin(430, 400);
    steps.Line("s2 = v2 * t");
    steps.Line(Concat({"s2 = ", six(v2), vu, " * ", T, tu}));
    steps.Line(Concat({"s2 = ", six(t * v2), du}));
  } else if (meeting && firstEarlier) {  // M1
    const double p = h * v1, q = v2 + v1, r = s - p;
    const double t = meetingTime(r / q, T);
    steps.Line("s = s1 + s2");
    steps.Line("s = v1(t + t1) + v2t");
    steps.Line(Concat(
        {six(s), du, " = ", six(v1), vu, " * (t + ", six(h), tu, ") + ", six(v2), vu, " * t"}));
    steps.Line(Concat(
        {six(s), du, " = ", six(v1), vu, " * t + ", six(p), du, " + ", six(v2), vu, " * t"}));
    steps.Line(Concat({six(s), du, " = ", six(q), vu, " * t + ", six(p), du}));
    steps.Line(Concat({six(r), du, " = ", six(q), vu, " * t"}));
    steps.Line(Concat({"t = ", T, tu}));
    steps.Origin(12, 450);
    steps.Line("s1 = v1 * (t + t1)");
    steps.Line(Concat({"s1 = ", six(v1), vu, " * (", T, tu, " + ", six(h), tu, ")"}));
    steps.Line(Concat({"s1 = ", six(v1), vu, " * ", six(t + h), tu}));
    steps.Line(Concat({"s1 = ", six((t + h) * v1), du}));
    steps.Origin(450, 450);
    steps.Line("s2 = v2 * t");
    steps.Line(Concat({"s2 = ", six(v2), vu, " * ", T, tu}));
    steps.Line(Concat({"s2 = ", six(t * v2), du}));
  } else if (meeting) {  // M2
    const double p = h * v2, q = v2 + v1, r = s - p;
    const double t = meetingTime(r / q, T);
    steps.Line("s = s1 + s2");
    steps.Line("s = v1t + v2(t + t2)");
    steps.Line(
        Concat({six(s), du, " = ", six(v1), vu, " * t + ", six(v2), vu, "(t + ", six(h), tu, ")"}));
    steps.Line(
        Concat({six(s), du, " = ", six(v1), vu, " * t + ", six(v2), vu, " * t + ", six(p), du}));
    steps.Line(Concat({six(s), du, " = ", six(q), vu, " * t + ", six(p), du}));
    steps.Line(Concat({six(r), du, " = ", six(q), vu, " * t"}));
    steps.Line(Concat({"t = ", T, tu}));
    steps.Origin(12, 450);
    steps.Line("s1 = v1 * t");
    steps.Line(Concat({"s1 = ", six(v1), vu, " * ", T, tu}));
    steps.Line(Concat({"s1 = ", six(t * v1), du}));
    steps.Origin(340, 450);
    steps.Line("s2 = v2 * (t + t2)");
    steps.Line(Concat({"s2 = ", six(v2), vu, " * (", T, tu, " + ", six(h), tu, ")"}));
    steps.Line(Concat({"s2 = ", six(v2), vu, " * ", six(t + h), tu}));
    // Written with its six decimals as computed, not rounded.
    steps.Line(Concat({"s2 = ", n.Fixed((t + h) * v2), du}));
  } else if (firstEarlier) {  // C1
    const double p = h * v1, e = v2 - v1;
    const double t = meetingTime(p / e, T);
    steps.Line("s1 = s2");
    steps.Line("v1 * (t1 + t) = v2 * t");
    steps.Line(Concat({six(v1), vu, " * (", six(h), tu, " + t) = ", six(v2), vu, " * t"}));
    steps.Line(Concat({six(p), du, " + ", six(v1), vu, " * t = ", six(v2), vu, " * t"}));
    steps.Line(Concat({six(e), vu, " * t = ", six(p), du}));
    steps.Line(Concat({"t = ", T, tu}));
    steps.Origin(12, 420);
    steps.Line("s1 = v1 * (t + t1)");
    steps.Line(Concat({"s1 = ", six(v1), vu, " * (", T, tu, " + ", six(h), tu, ")"}));
    steps.Line(Concat({"s1 = ", six(v1), vu, " * ", six(t + h), tu}));
    // Both distances with their six decimals as computed, not rounded.
    steps.Line(Concat({"s1 = ", n.Fixed((t + h) * v1), du}));
    steps.Origin(430, 420);
    steps.Line("s2 = v2 * t");
    steps.Line(Concat({"s2 = ", six(v2), vu, " * ", T, tu}));
    steps.Line(Concat({"s2 = ", n.Fixed(t * v2), du}));
  } else {  // C2
    const double p = h * v2, e = v1 - v2;
    const double t = meetingTime(p / e, T);
    steps.Line("s1 = s2");
    steps.Line("v1 * t = v2 * (t2 + t)");
    steps.Line(Concat({six(v1), vu, " * t = ", six(v2), vu, " * (", six(h), tu, " + t)"}));
    steps.Line(Concat({six(v1), vu, " * t = ", six(p), du, " + ", six(v2), vu, " * t"}));
    steps.Line(Concat({six(e), vu, " * t = ", six(p), du}));
    steps.Line(Concat({"t = ", T, tu}));
    steps.Origin(12, 420);
    steps.Line("s1 = v1 * t");
    steps.Line(Concat({"s1 = ", six(v1), vu, " * ", T, tu}));
    steps.Line(Concat({"s1 = ", six(t * v1), du}));
    steps.Origin(320, 420);
    steps.Line("s2 = v2 * (t + t2)");
    steps.Line(Concat({"s2 = ", six(v2), vu, " * (", T, tu, " + ", six(h), tu, ")"}));
    steps.Line(Concat({"s2 = ", six(v2), vu, " * ", six(t + h), tu}));
    steps.Line(Concat({"s2 = ", six((t + h) * v2), du}));
  }
  return {std::move(steps), o, n.AllWhole()};
}

}  // namespace

Verdict Check(const FormInputs& in) {
  const Motion m = MotionOf(in);
  const std::optional<Verdict> refused = m.kind == Meeting ? CheckMeeting(m) : CheckCatchUp(m);
  if (refused) return *refused;
  Composed composed = Compose(m);
  if (composed.outcome && Meaningless(*composed.outcome)) return Refuse(NoMeaningMessage);
  // A time or distance too large to write (speeds that differ very little)
  // is refused whole rather than shown cut.
  if (!composed.whole) return Refuse(BigNumbersMessage);
  return {std::nullopt, 0, std::move(composed.steps)};
}

DrawSteps Draw(const FormInputs& in, int, int) {
  Composed composed = Compose(MotionOf(in));
  return composed.whole ? std::move(composed.steps) : DrawSteps();
}

// The client area of the 780-pixel window, with room for the widest frame
// any Windows draws around it.
const CalculatorCore Core{.check = Check,
                          .draw = Draw,
                          .profile = Formulas,
                          .solutionRight = 764,
                          .tooBigText = BigNumbersMessage};

}  // namespace prolexa::dromika
