#include "app/win32/NamePrompt.h"

#include "app/win32/ResourceIds.h"

namespace helmsway::win32 {
namespace {

struct PromptState {
    const std::wstring* prompt;
    const std::wstring* title;
    std::wstring answer;
};

INT_PTR CALLBACK promptProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, l);
        const auto& state = *reinterpret_cast<PromptState*>(l);
        SetWindowTextW(dialog, state.title->c_str());
        SetDlgItemTextW(dialog, IDC_PROMPT, state.prompt->c_str());
        SetFocus(GetDlgItem(dialog, IDC_NAME));
        return FALSE;  // the focus is set: keep it on the input line
    }
    case WM_COMMAND: {
        const int command = LOWORD(w);
        if (command != IDOK && command != IDCANCEL) break;
        if (command == IDOK) {
            auto& state = *reinterpret_cast<PromptState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            const HWND edit = GetDlgItem(dialog, IDC_NAME);
            std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            text.resize(static_cast<std::size_t>(
                GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
            state.answer = std::move(text);
        }
        // The close box and Esc arrive here as IDCANCEL: the answer stays empty.
        EndDialog(dialog, command);
        return TRUE;
    }
    default: break;
    }
    return FALSE;
}

}  // namespace

std::wstring showNamePrompt(HINSTANCE instance, HWND owner, const std::wstring& prompt,
                            const std::wstring& title) {
    PromptState state{&prompt, &title, {}};
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SHIP_NAME), owner, promptProc,
                    reinterpret_cast<LPARAM>(&state));
    return state.answer;
}

}  // namespace helmsway::win32
