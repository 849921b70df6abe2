// Identifiers of the game's resources and of the controls in its dialogs.
#ifndef TUCKLE_RESOURCE_IDS_H
#define TUCKLE_RESOURCE_IDS_H

#define IDD_MAIN            101
#define IDI_TUCKLE          102
#define IDD_EXIT            2000
#define IDD_NEW_GAME        2001
#define IDD_ABOUT           2002
#define IDD_RESULT          2003

// Main dialog.
#define IDC_LETTER_FIRST    1001   // 1000 + n carries the n-th letter
#define IDC_LETTER_LAST     1026
#define IDC_WRONG_LETTERS   1027
#define IDC_WORD_LINE       1028
#define IDC_WORD_PICTURE    1029
#define IDC_STAGE_FRAME     1031
#define IDC_LETTER_FRAME    1032
#define IDC_WORD_FRAME      1033
#define IDC_WON_LABEL       1034
#define IDC_LOST_LABEL      1035
#define IDC_WON_COUNT       1036
#define IDC_LOST_COUNT      1037
#define IDC_SECOND_LINE     1046
#define IDC_STAGE_PICTURE   1051
#define IDC_PICTURE_FRAME   1055
#define IDC_SPEAK           1056

// Small dialogs.
#define IDC_RESULT_FRAME    1027   // group box of the result and About boxes
#define IDC_ABOUT_TEXT      1027
#define IDC_EXIT_YES        1038
#define IDC_EXIT_NO         1039
#define IDC_DIALOG_FRAME    1040
#define IDC_EXIT_TEXT       1041
#define IDC_OKAY            1042
#define IDC_SUBJECT_LIST    1043
#define IDC_LOAD            1044
#define IDC_NEW_GAME_CANCEL 1045   // the New Game dialog's button, unlike IDCANCEL (Esc, 2)
#define IDC_RESULT_TEXT     1050
#define IDC_RESULT_PICTURE  1052

// Menu commands.
#define IDM_SEPARATOR       5000
#define IDM_NEW             5001
#define IDM_EXIT            5002
#define IDM_ABOUT           5003
#define IDM_HELP            5004

#endif
