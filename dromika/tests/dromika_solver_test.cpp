#include "dromika_solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "written_steps.h"

namespace prolexa::dromika {
namespace {

using test::WrittenWithOrigins;

constexpr int m = 0, km = 1, sek = 0, hod = 2;

struct Typed {
  std::string s{}, v1{}, v2{}, t1{}, t2{};
};

// Units in km, km/h and hours unless given: {s, v1, v2, t1, t2, system}.
FormInputs Form(int kind, const Typed& t, std::vector<int> units = {km, km, km, hod, hod, km},
                bool showUnits = true) {
  units.push_back(kind);
  return {{t.s, t.v1, t.v2, t.t1, t.t2}, units, {showUnits}, kind};
}

TEST(Dromika, DrawsEachCase) {
  const struct {
    const char* why;
    FormInputs form;
    std::vector<std::string> lines;
  } cases[] = {
      {"meeting without a head start", Form(Meeting, {"100", "60", "40"}),
       {"@12,230", "s = s1 + s2", "s = v1 * t + v2 * t", "100km = 60km/h * t + 40km/h * t",
        "100km = 100km/h * t", "t = 1h", "@12,400", "s1 = v1 * t", "s1 = 60km/h * 1h",
        "s1 = 60km", "@430,400", "s2 = v2 * t", "s2 = 40km/h * 1h", "s2 = 40km"}},
      {"a distance in m computed in km/h", Form(Meeting, {"100000", "60", "40"}, {m, km, km, hod, hod, km}),
       {"@12,230", "s = s1 + s2", "s = v1 * t + v2 * t", "100km = 60km/h * t + 40km/h * t",
        "100km = 100km/h * t", "t = 1h", "@12,400", "s1 = v1 * t", "s1 = 60km/h * 1h",
        "s1 = 60km", "@430,400", "s2 = v2 * t", "s2 = 40km/h * 1h", "s2 = 40km"}},
      {"the first body earlier", Form(Meeting, {"100", "40", "20", "1"}),
       {"@12,230", "s = s1 + s2", "s = v1(t + t1) + v2t", "100km = 40km/h * (t + 1h) + 20km/h * t",
        "100km = 40km/h * t + 40km + 20km/h * t", "100km = 60km/h * t + 40km", "60km = 60km/h * t",
        "t = 1h", "@12,450", "s1 = v1 * (t + t1)", "s1 = 40km/h * (1h + 1h)", "s1 = 40km/h * 2h",
        "s1 = 80km", "@450,450", "s2 = v2 * t", "s2 = 20km/h * 1h", "s2 = 20km"}},
      {"the second body earlier: its distance unrounded", Form(Meeting, {"100", "20", "40", "", "1"}),
       {"@12,230", "s = s1 + s2", "s = v1t + v2(t + t2)", "100km = 20km/h * t + 40km/h(t + 1h)",
        "100km = 20km/h * t + 40km/h * t + 40km", "100km = 60km/h * t + 40km", "60km = 60km/h * t",
        "t = 1h", "@12,450", "s1 = v1 * t", "s1 = 20km/h * 1h", "s1 = 20km", "@340,450",
        "s2 = v2 * (t + t2)", "s2 = 40km/h * (1h + 1h)", "s2 = 40km/h * 2h",
        "s2 = 80.000000km"}},
      {"catching up after an hour", Form(CatchUp, {"", "40", "60", "1"}),
       {"@12,230", "s1 = s2", "v1 * (t1 + t) = v2 * t", "40km/h * (1h + t) = 60km/h * t",
        "40km + 40km/h * t = 60km/h * t", "20km/h * t = 40km", "t = 2h", "@12,420",
        "s1 = v1 * (t + t1)", "s1 = 40km/h * (2h + 1h)", "s1 = 40km/h * 3h", "s1 = 120.000000km",
        "@430,420", "s2 = v2 * t", "s2 = 60km/h * 2h", "s2 = 120.000000km"}},
      {"a negative head start is the other body's", Form(CatchUp, {"", "60", "40", "-1"}),
       {"@12,230", "s1 = s2", "v1 * t = v2 * (t2 + t)", "60km/h * t = 40km/h * (1h + t)",
        "60km/h * t = 40km + 40km/h * t", "20km/h * t = 40km", "t = 2h", "@12,420",
        "s1 = v1 * t", "s1 = 60km/h * 2h", "s1 = 120km", "@320,420", "s2 = v2 * (t + t2)",
        "s2 = 40km/h * (2h + 1h)", "s2 = 40km/h * 3h", "s2 = 120km"}},
      {"a head start of 0 draws the first line only", Form(CatchUp, {"", "40", "60", "0"}),
       {"@12,230", "s1 = s2"}},
      {"units hidden, in metres and seconds",
       Form(Meeting, {"100", "6", "4"}, {m, m, m, sek, sek, m}, false),
       {"@12,230", "s = s1 + s2", "s = v1 * t + v2 * t", "100 = 6 * t + 4 * t", "100 = 10 * t",
        "t = 10", "@12,400", "s1 = v1 * t", "s1 = 6 * 10", "s1 = 60", "@430,400", "s2 = v2 * t",
        "s2 = 4 * 10", "s2 = 40"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.Accepted()) << verdict.refusal->text;
    EXPECT_EQ(WrittenWithOrigins(Draw(c.form, verdict.state, 0)), c.lines);
  }
}

TEST(Dromika, RefusesAndWarnsInOrder) {
  const std::string noMeeting = "Tyto tělesa se nikdy nestřetnou.";
  const struct {
    const char* why;
    FormInputs form;
    std::string caption, text;
  } cases[] = {
      {"nothing", Form(Meeting, {}), "Chyba", "Nezadali jste dráhu s a rychlost obech těles"},
      {"no distance", Form(Meeting, {"", "1", "2"}), "Chyba", "Nezadali jste dráhu s."},
      {"no second speed", Form(Meeting, {"5", "1"}), "Chyba",
       "Nezadali jste rychlost druhého tělesa v2."},
      {"two head starts", Form(Meeting, {"5", "1", "2", "1", "1"}), "Chyba",
       "Čas můžete zadať iba u jedného tělesa"},
      {"a distance past the limit", Form(Meeting, {"1000000000000", "1", "2"}), "Chyba",
       std::string(BigNumbersMessage)},
      {"both speeds 0 would divide by zero", Form(Meeting, {"5", "0", "0"}), "Chyba",
       std::string(NoMeaningMessage)},
      {"the first covers the whole distance in its head start",
       Form(Meeting, {"100", "50", "10", "2"}), "Chyba", std::string(NoMeaningMessage)},
      {"a sum of speeds written as 0 would divide by it",
       Form(Meeting, {"0.00001", "0.0000001", "0"}), "Chyba", std::string(NoMeaningMessage)},
      {"the second body's head start too long: t = -0.2 h, s2 = 112 km of 100",
       Form(Meeting, {"100", "60", "40", "-3"}), "Chyba", std::string(NoMeaningMessage)},
      {"a body going backwards: s1 = -20 km, s2 = 120 km of 100",
       Form(Meeting, {"100", "-20", "120"}), "Chyba", std::string(NoMeaningMessage)},
      {"a negative distance: t = -1 h", Form(Meeting, {"-100", "60", "40"}), "Chyba",
       std::string(NoMeaningMessage)},
      {"catch-up without speeds", Form(CatchUp, {}), "Chyba",
       "Nezadali jste rychlost obech těles."},
      {"a speed of 10^8", Form(CatchUp, {"", "100000000", "1"}), "Chyba",
       std::string(BigNumbersMessage)},
      {"just under it passes that check", Form(CatchUp, {"", "99999999.9", "1"}), "Upozornenie",
       noMeeting},
      {"equal speeds, no head start", Form(CatchUp, {"", "5", "5"}), "Upozornenie",
       "Tyto tělesa půjdu vždy společně nakolik ani jeden z nich nevyrazil skůr a jedu stejnou "
       "rychlostí."},
      {"equal speeds and a head start", Form(CatchUp, {"", "5", "5", "1"}), "Upozornenie",
       "Tyto tělesa se nikdy nestřetnou nakolik jeden z nich má náskok a obě jdou stejnou "
       "rychlostí."},
      {"the earlier one is faster", Form(CatchUp, {"", "40", "60", "-1"}), "Upozornenie",
       "Tyto tělesa se nikdy nestřetnou nakolik jeden z nich má náskok a jde rýchleji jako "
       "druhý."},
      {"speeds whose difference is written as 0 are the same speed",
       Form(CatchUp, {"", "60", "60.0000001", "0.000001"}), "Upozornenie",
       "Tyto tělesa se nikdy nestřetnou nakolik jeden z nich má náskok a obě jdou stejnou "
       "rychlostí."},
      {"both going backwards, the later one slower: t = -3 h",
       Form(CatchUp, {"", "-60", "-40", "1"}), "Chyba", std::string(NoMeaningMessage)},
      {"speeds that differ very little meet past anything writable",
       Form(CatchUp, {"", "60", "60.000001", "1000000"}), "Chyba", std::string(BigNumbersMessage)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(Core, c.form);
    ASSERT_TRUE(verdict.refusal.has_value());
    EXPECT_EQ(verdict.refusal->caption, c.caption);
    EXPECT_EQ(verdict.refusal->text, c.text);
  }
  // The same situation as the first body's whole distance, for the second
  // body: accepted, they meet at once.
  EXPECT_EQ(WrittenWithOrigins(Draw(Form(Meeting, {"100", "10", "50", "", "2"}), 0, 0))[7],
            "t = 0h");
  // A body that stands still is reached: the other's part reads a millionth
  // longer than the whole way only through the time's last written place.
  const FormInputs still = Form(Meeting, {"20", "3", "0"});
  ASSERT_TRUE(Compute(Core, still).Accepted());
  EXPECT_EQ(WrittenWithOrigins(Draw(still, 0, 0))[9], "s1 = 20.000001km");
}

}  // namespace
}  // namespace prolexa::dromika
