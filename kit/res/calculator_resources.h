// Resource numbers the kit draws in every calculator and the teaching
// dialog's template; a program's resource.h adds its own.
#pragma once

#define IDI_APP 101
#define IDB_HELP 102
#define IDB_HELP_HOVER 103
#define IDB_BAND_TOP 104
#define IDB_BAND_BOTTOM 105

#define IDD_TEACHING 110
