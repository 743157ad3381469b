#include "MessageBox.h"

#include "Application.h"
#include "Controls.h"
#include "DialogAbove.h"
#include "ModalSeam.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace {

struct Choice {
    int id;
    const char* text;
};

std::vector<Choice> choicesFor(unsigned flags) {
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default:
        return {{IDOK, "OK"}};
    }
}

QMessageBox::Icon iconFor(unsigned flags) {
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int showReal(const std::string& text, const std::string& caption, QMessageBox::Icon icon,
             const std::vector<Choice>& choices, int defIndex, int escapeId) {
    QMessageBox box(icon, ToQString(caption), ToQString(text));
    std::vector<std::pair<QPushButton*, int>> buttons;
    for (const Choice& c : choices)
        buttons.emplace_back(box.addButton(QString::fromUtf8(c.text), QMessageBox::AcceptRole), c.id);
    if (defIndex >= 0 && defIndex < int(buttons.size()))
        box.setDefaultButton(buttons[size_t(defIndex)].first);
    execAbove(box);
    for (auto& [b, id] : buttons)
        if (box.clickedButton() == b) return id;
    return escapeId;
}

int escapeOf(const std::vector<Choice>& choices) {
    for (const Choice& c : choices)
        if (c.id == IDCANCEL) return IDCANCEL;
    if (choices.size() == 1) return choices[0].id;
    return IDCANCEL;
}

} // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    auto choices = choicesFor(flags);
    TModalAnswer a = ModalSeam().Take(TModalKind::MessageBox, caption, text);
    if (a.kind == TModalAnswer::Result) return a.result;
    if (a.kind == TModalAnswer::Cancel) return escapeOf(choices);
    return showReal(text, caption, iconFor(flags), choices, int((flags >> 8) & 0xF), escapeOf(choices));
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    static const std::pair<TMsgDlgBtn, Choice> order[] = {
        {mbYes, {IDYES, "&Yes"}},          {mbNo, {IDNO, "&No"}},          {mbOK, {IDOK, "OK"}},
        {mbCancel, {IDCANCEL, "Cancel"}},  {mbAbort, {IDABORT, "&Abort"}}, {mbRetry, {IDRETRY, "&Retry"}},
        {mbIgnore, {IDIGNORE, "&Ignore"}}, {mbAll, {8, "&All"}},
    };
    std::vector<Choice> choices;
    for (auto& [flag, c] : order)
        if (buttons & flag) choices.push_back(c);
    if (choices.empty()) choices.push_back({IDOK, "OK"});
    static const char* titles[] = {"Warning", "Error", "Information", "Confirm", ""};
    std::string caption = type == mtCustom ? Application->Title() : titles[type];
    TModalAnswer a = ModalSeam().Take(TModalKind::MessageBox, caption, text);
    if (a.kind == TModalAnswer::Result) return a.result;
    if (a.kind == TModalAnswer::Cancel) return escapeOf(choices);
    static const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Information, QMessageBox::Question,
                                              QMessageBox::NoIcon};
    return showReal(text, caption, icons[type], choices, 0, escapeOf(choices));
}

void ShowMessage(const std::string& text) {
    MessageBox(text, Application->Title(), MB_OK);
}
