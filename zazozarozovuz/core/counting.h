// Variations and combinations of k elements out of n, with and without
// repetition, counted exactly in 64-bit integers, and the one line of their
// worked solution.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calculator.h"
#include "key_filter.h"

namespace prolexa::zazozarozovuz {

inline constexpr FormulaProfile Formulas{85};

enum Option { Variations, VariationsRepeated, Combinations, CombinationsRepeated };
inline constexpr int OptionCount = 4;
inline constexpr std::array<std::string_view, OptionCount> OptionNames = {
    "Variace bez opakování", "Variace s opakování", "Kombinace bez opakování",
    "Kombinace s opakování"};

// The form: the texts of n (three digits) and k (two digits); the option is
// the form's mode.
enum Field { FieldN, FieldK };
inline constexpr int NDigits = 3;
inline constexpr int KDigits = 2;
// Which keys each field of the form takes, in the order of its fields: what
// a pupil can type or paste into it, and so what prolexa-solve lets through.
inline constexpr std::array<KeyField, 2> FieldKeys = {KeyField::Digits, KeyField::Digits};

// Every product formed while counting stays at or below 2^56.
inline constexpr std::int64_t CountLimit = std::int64_t{1} << 56;

// (a + 1)·(a + 2)·…·b, 1 when a + 1 > b; 0 as soon as a partial product
// passes the limit (however large, without overflowing) or a factor is 0.
std::int64_t FallingProduct(std::int64_t a, std::int64_t b);

// The grey frame round the option buttons, open where their caption stands.
DrawSteps DrawOptionsFrame();

Verdict Check(const FormInputs& inputs);
DrawSteps Draw(const FormInputs& inputs, int state, int places);

// The calculator as the kit runs it, on a window 526 pixels wide.
extern const CalculatorCore Core;

}  // namespace prolexa::zazozarozovuz
