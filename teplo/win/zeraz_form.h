// Zeraz's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::zeraz {

const CalculatorForm& Form();

}  // namespace prolexa::zeraz
