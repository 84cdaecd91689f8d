// Resource numbers of Trigona: the kit draws 101 to 105 in every calculator.
#pragma once

#define IDI_APP 101
#define IDB_HELP 102
#define IDB_HELP_HOVER 103
#define IDB_BAND_TOP 104
#define IDB_BAND_BOTTOM 105
#define IDB_TEACHING 106

#define IDD_TEACHING 110
#define IDC_TEACH_LIFE 111
#define IDC_TEACH_TRAVELS 112
#define IDC_TEACH_THEOREM 113
#define IDC_TEACH_STATEMENT 114
#define IDC_TEACH_EXPLAIN 115
#define IDC_TEACH_TERMS 116
