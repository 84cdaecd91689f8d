// Resource numbers of Trigona beyond those of every calculator.
#pragma once

#include "../../kit/res/calculator_resources.h"

#define IDB_TEACHING 106

#define IDC_TEACH_LIFE 111
#define IDC_TEACH_TRAVELS 112
#define IDC_TEACH_THEOREM 113
#define IDC_TEACH_STATEMENT 114
#define IDC_TEACH_EXPLAIN 115
#define IDC_TEACH_TERMS 116
