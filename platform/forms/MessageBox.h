#pragma once
#include <string>

// The system message box: button set and icon flags, result codes as the platform returns them.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_APPLMODAL = 0x0000;
constexpr unsigned MB_TASKMODAL = 0x2000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows the message box through the modal seam; returns the ID of the button pressed (the close
// box gives IDCANCEL, or IDOK for a box with only OK).
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

// The class library's message dialogs. Results are modal results (the same numbers as the IDs).
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using TMsgDlgButtons = unsigned;
enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
    mbAll = 128,
    mbHelp = 256,
};
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& text);
