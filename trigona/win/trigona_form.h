// Trigona's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::trigona {

const CalculatorForm& Form();

}  // namespace prolexa::trigona
