// Resource numbers of Radixa beyond those of every calculator.
#pragma once

#include "../../kit/res/calculator_resources.h"


#define IDC_TEACH_EQUATION 111
#define IDC_TEACH_TERMS 112
#define IDC_TEACH_SPECIAL 113
#define IDC_TEACH_PURE 114
#define IDC_TEACH_NO_ABSOLUTE 115
#define IDC_TEACH_NORMED 116
#define IDC_TEACH_DISCRIMINANT 117
#define IDC_TEACH_COMPLEX 118
