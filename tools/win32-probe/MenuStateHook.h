#pragma once
// The hook's side of the conversation: the probe sends kAskMenuState with a menu command id
// to the main window; the hook, inside Helmsway, answers in the window property kMenuStateProp
// (GetMenuState's result + 2, so that 0 means "no answer" and 1 "no such item").
inline constexpr wchar_t kAskMenuState[] = L"HelmswayProbeAskMenuState";
inline constexpr wchar_t kMenuStateProp[] = L"HelmswayProbeMenuState";
inline constexpr char kHookProcName[] = "probeCallWndProc";
