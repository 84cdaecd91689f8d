// Rezeze's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::rezeze {

const CalculatorForm& Form();

}  // namespace prolexa::rezeze
