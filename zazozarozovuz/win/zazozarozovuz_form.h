// Zazozarozovuz's window as the kit runs it.
#pragma once

#include "calculator_form.h"

namespace prolexa::zazozarozovuz {

const CalculatorForm& Form();

}  // namespace prolexa::zazozarozovuz
