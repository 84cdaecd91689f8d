// Radixa's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::radixa {

const CalculatorForm& Form();

}  // namespace prolexa::radixa
