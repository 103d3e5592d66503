// Identifiers of the program's own resources.
#pragma once

#define IDI_TAVREK 902
#define IDB_TOOLBAR 903
#define IDC_SELECT 905
#define IDC_BUSY 906

#define IDD_ABOUT 910
#define IDD_COLORS 911
#define IDD_WINNER 913
#define IDD_HALLOFFAME 914
#define IDD_CONFIG 915
#define IDD_LANGUAGE 918
#define IDD_COLORS3D 919
#define IDD_CONFIG3D 920

#define IDC_LANGUAGE_OK 10901
#define IDC_LANGUAGE_LIST 10902

#define IDC_WINNER_OK 10200
#define IDC_WINNER_NAME 10201
#define IDC_WINNER_PROMPT 10202

#define IDC_HALLOFFAME_OK 10300
#define IDC_HALLOFFAME_NAMETITLE 10301
#define IDC_HALLOFFAME_TIMETITLE 10302
// Entry k's name is in IDC_HALLOFFAME_NAMES + k, its time in IDC_HALLOFFAME_TIMES + k.
#define IDC_HALLOFFAME_NAMES 10304
#define IDC_HALLOFFAME_TIMES 10314

#define IDC_ABOUT_ICON 901
#define IDC_ABOUT_OK 10100
#define IDC_ABOUT_AUTHOR 10101
#define IDC_ABOUT_NOTICE 10102
#define IDC_ABOUT_COPYRIGHT 10104
#define IDC_ABOUT_EMAIL 10105
#define IDC_ABOUT_HOMEPAGE 10106
#define IDC_ABOUT_PRODUCT 10107

// The About dialog's notice line about the program's rights.
#define TAVREK_ABOUT_NOTICE "Free software, made by the Tavrek team."
