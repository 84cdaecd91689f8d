// Dromika's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::dromika {

const CalculatorForm& Form();

}  // namespace prolexa::dromika
