// Mernika's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::mernika {

const CalculatorForm& Form();

}  // namespace prolexa::mernika
