// Dialog templates and control ids of the Windows program's dialogs (dialogs.rc and the code that
// drives them share these numbers).
#pragma once

// The About box.
#define IDD_ABOUT 102
#define IDI_PROGRAM 103
#define IDC_ABOUT_VERSION 1086
#define IDC_ABOUT_NAME 1087
#define IDC_ABOUT_COPYRIGHT 1088
#define IDC_ABOUT_HOMEPAGE 1089
#define IDC_ABOUT_EMAIL 1090

// The texture extraction panel inside the open dialog of Extract From File.
#define IDD_EXTRACTION_PANEL 109
#define IDC_INPUT_GROUP 1052
#define IDC_LEVEL_LABEL 1053
#define IDC_LEVEL_16BIT 1055
#define IDC_LEVEL_32BIT 1056
#define IDC_LEVEL_MISC 1057
#define IDC_WAD_LABEL 1058
#define IDC_WAD_ROOM 1059
#define IDC_WAD_OBJECT 1060
#define IDC_OUTPUT_GROUP 1061
#define IDC_OUTPUT_LABEL 1062
#define IDC_OUTPUT_DIRECTORY 1063
#define IDC_OUTPUT_BROWSE 1064
#define IDC_OUTPUT_TYPE_LABEL 1065
#define IDC_OUTPUT_TYPE 1066
#define IDC_BUMP_MAP 1067
#define IDC_NO_INPUT_OPTIONS 1068
#define IDC_RLE 1069
#define IDC_WIDTH_LABEL 1070
#define IDC_WIDTH 1071
#define IDC_WIDTH_SPIN 1073
#define IDC_HEIGHT_LABEL 1074
#define IDC_HEIGHT 1075
#define IDC_HEIGHT_SPIN 1077
#define IDC_INPUT_COLOUR 1079
#define IDC_OUTPUT_COLOUR 1081
#define IDC_BYTE_ORDER 1082
#define IDC_BYTE_ORDER_LABEL 1083
#define IDC_INPUT_TRANSPARENT 1084
#define IDC_OUTPUT_TRANSPARENT 1085

// The progress window of long operations.
#define IDD_PROGRESS 118
#define IDC_PROGRESS_BAR 1114
#define IDC_PROGRESS_TEXT 1115
