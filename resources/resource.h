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
