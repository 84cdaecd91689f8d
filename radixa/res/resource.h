// Resource numbers of Radixa: the kit draws 101 to 105 in every calculator.
#pragma once

#define IDI_APP 101
#define IDB_HELP 102
#define IDB_HELP_HOVER 103
#define IDB_BAND_TOP 104
#define IDB_BAND_BOTTOM 105

#define IDD_TEACHING 110
#define IDC_TEACH_EQUATION 111
#define IDC_TEACH_TERMS 112
#define IDC_TEACH_SPECIAL 113
#define IDC_TEACH_PURE 114
#define IDC_TEACH_NO_ABSOLUTE 115
#define IDC_TEACH_NORMED 116
#define IDC_TEACH_DISCRIMINANT 117
#define IDC_TEACH_COMPLEX 118
