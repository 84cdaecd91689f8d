#include "spoken_text.h"

#include <string_view>

#include "line_reading.h"

namespace prolexa {
namespace {

// What a teacher says for each mark and sign.
struct Words {
  std::string_view equals;
  std::string_view plus;
  std::string_view minus;
  std::string_view times;
  std::string_view factorial;
  std::string_view pi;
  std::string_view squared;
  std::string_view cubed;
  std::string_view raisedTo;  // followed by the power
  std::string_view root;      // followed by what the sign covers
  std::string_view rootEnd;
  std::string_view fraction;
  std::string_view numerator;  // followed by the numerator
  std::string_view denominator;
  std::string_view fractionEnd;
};

constexpr Words kCzech{.equals = "se rovná",
                       .plus = "plus",
                       .minus = "minus",
                       .times = "krát",
                       .factorial = "faktoriál",
                       .pi = "pí",
                       .squared = "na druhou",
                       .cubed = "na třetí",
                       .raisedTo = "umocněno na",
                       .root = "odmocnina z",
                       .rootEnd = "konec odmocniny",
                       .fraction = "zlomek",
                       .numerator = "v čitateli",
                       .denominator = "ve jmenovateli",
                       .fractionEnd = "konec zlomku"};

constexpr Words kSlovak{.equals = "sa rovná",
                        .plus = "plus",
                        .minus = "minus",
                        .times = "krát",
                        .factorial = "faktoriál",
                        .pi = "pí",
                        .squared = "na druhú",
                        .cubed = "na tretiu",
                        .raisedTo = "umocnené na",
                        .root = "odmocnina z",
                        .rootEnd = "koniec odmocniny",
                        .fraction = "zlomok",
                        .numerator = "v čitateli",
                        .denominator = "v menovateli",
                        .fractionEnd = "koniec zlomku"};

// The constant as the general formulas write it (one of the cone's in small
// letters).
bool IsPi(std::string_view word) { return word == "PI" || word == "pi"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first byte of a name's or a unit's character: an ASCII letter or any
// character beyond ASCII ("°C", "čísel").
bool IsLetter(char c) {
  const char lower = static_cast<char>(c | 0x20);
  return (lower >= 'a' && lower <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}

// A blank, a sign said as a word or a parenthesis ends the word before it;
// everything else ("/", ":", ".", letters, digits) belongs to its word.
bool EndsWord(char c) { return std::string_view(" =+-*!()").find(c) != std::string_view::npos; }

// A power of ten's digits without the sign "+" and the leading zeros the
// "%e" form pads them with: "-012" is "-12", "+000" is "0".
std::string PowerOfTen(char sign, std::string_view digits) {
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  return (sign == '-' ? "-" : "") + std::string(digits);
}

// The words of one line, said in order.
class Dictation {
 public:
  explicit Dictation(const Words& words) : words_(words) {}

  void Piece(const ReadPiece& piece) {
    if (!piece.fraction) {
      Part(piece.row);
      return;
    }
    Say(words_.fraction);
    Pause();
    Say(words_.numerator);
    Part(piece.numerator);
    Pause();
    Say(words_.denominator);
    Part(piece.denominator);
    Pause();
    Say(words_.fractionEnd);
  }

  std::string Take() {
    // An opening parenthesis with nothing after it is said on its own.
    if (!opening_.empty()) Say({});
    return std::move(said_);
  }

 private:
  // One drawn part: its characters as words, a root's marks and the
  // superscripts where they stand among them.
  void Part(const ReadPart& part) {
    for (const std::string& power : part.lead) Power(power);
    std::string run;  // characters since the last mark
    for (const ReadCell& cell : part.cells) {
      if (cell.mark == ReadCell::Mark::None) {
        run += cell.character;
      } else {
        Run(run);
        run.clear();
        if (cell.mark == ReadCell::Mark::RootOpen) {
          Say(words_.root);
        } else {
          Pause();
          Say(words_.rootEnd);
        }
      }
      if (!cell.superscripts.empty()) {
        Run(run);
        run.clear();
        for (const std::string& power : cell.superscripts) Power(power);
      }
    }
    Run(run);
  }

  void Power(std::string_view power) {
    if (power.empty()) return;  // an empty superscript draws nothing
    if (power == "2") {
      Say(words_.squared);
    } else if (power == "3") {
      Say(words_.cubed);
    } else {
      Say(words_.raisedTo);
      Run(power);
    }
  }

  // Characters with no mark among them.
  void Run(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      switch (text[i]) {
        case ' ': ++i; continue;
        case '=': Say(words_.equals); ++i; continue;
        case '+': Say(words_.plus); ++i; continue;
        case '-': Say(words_.minus); ++i; continue;
        case '*': Say(words_.times); ++i; continue;
        case '!': Say(words_.factorial); ++i; continue;
        case '(': opening_ += '('; ++i; continue;
        case ')': Close(); ++i; continue;
        default: break;
      }
      if (IsDigit(text[i])) {
        i = Number(text, i);
      } else {
        std::size_t end = i;
        while (end < text.size() && !EndsWord(text[end])) ++end;
        Word(text.substr(i, end - i));
        i = end;
      }
    }
  }

  // The number that starts at `first` and what runs on from it up to the
  // end of its word; gives where that word ends.
  std::size_t Number(std::string_view text, std::size_t first) {
    const auto digitsFrom = [&text](std::size_t i) {
      while (i < text.size() && IsDigit(text[i])) ++i;
      return i;
    };
    std::size_t end = digitsFrom(first);
    // The decimal point is said as the decimal comma; a point or a comma
    // with no digit after it ends a sentence or a list, not the number.
    if (end + 1 < text.size() && (text[end] == '.' || text[end] == ',') &&
        IsDigit(text[end + 1])) {
      end = digitsFrom(end + 1);
    }
    std::string number(text.substr(first, end - first));
    for (char& c : number) {
      if (c == '.') c = ',';
    }
    // A number written with its power of ten, "1.000000e-012".
    std::string power;
    if (end + 2 < text.size() && text[end] == 'e' && (text[end + 1] == '+' || text[end + 1] == '-') &&
        IsDigit(text[end + 2])) {
      const std::size_t powerEnd = digitsFrom(end + 2);
      power = PowerOfTen(text[end + 1], text.substr(end + 2, powerEnd - end - 2));
      end = powerEnd;
    }
    std::size_t wordEnd = end;
    while (wordEnd < text.size() && !EndsWord(text[wordEnd])) ++wordEnd;
    std::string_view rest = text.substr(end, wordEnd - end);
    // A name or a unit after the number is a word of its own; anything else
    // (a full stop, a slash) stays with the number as written.
    if (!rest.empty() && !IsLetter(rest.front()) && power.empty()) {
      number += rest;
      rest = {};
    }
    Say(number);
    if (!power.empty()) {
      Say(words_.times);
      Say("10");
      Power(power);
    }
    if (!rest.empty()) Word(rest);
    return wordEnd;
  }

  void Word(std::string_view word) { Say(IsPi(word) ? words_.pi : word); }

  // A closing parenthesis holds on to the word before it.
  void Close() {
    if (said_.empty() || !opening_.empty()) {
      Say(")");
    } else {
      said_ += ')';
    }
  }

  // The comma at which a teacher stops for a moment.
  void Pause() {
    if (!said_.empty() && opening_.empty()) said_ += ',';
  }

  // The next word, with the opening parentheses that wait for it.
  void Say(std::string_view word) {
    if (!said_.empty()) said_ += ' ';
    said_ += opening_;
    opening_.clear();
    said_ += word;
  }

  const Words& words_;
  std::string said_;
  std::string opening_;  // parentheses said with the next word
};

}  // namespace

std::string SpokenLine(const FormulaLayout& layout, PlacesLanguage language) {
  Dictation dictation(language == PlacesLanguage::Slovak ? kSlovak : kCzech);
  for (const ReadPiece& piece : ReadLine(layout)) dictation.Piece(piece);
  return dictation.Take();
}

std::vector<std::string> SpokenSolution(const std::vector<FormulaLayout>& layouts,
                                        PlacesLanguage language) {
  std::vector<std::string> lines;
  for (const FormulaLayout& layout : layouts) {
    if (!layout.texts.empty()) lines.push_back(SpokenLine(layout, language));
  }
  return lines;
}

}  // namespace prolexa
