#pragma once
// Resource ids shared by the resource script and the code (plain macros: the resource
// compiler reads this file too).
#define IDD_SHIP_NAME 100
#define IDC_PROMPT 101
#define IDC_NAME 102
