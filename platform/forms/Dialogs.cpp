#include "Dialogs.h"

#include "DialogAbove.h"
#include "Forms.h"
#include "MessageBox.h"
#include "ModalSeam.h"
#include "Printer.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

std::string ExtractFileExt(const std::string& name) {
    size_t slash = name.find_last_of("/\\:");
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return name.substr(dot);
}

std::string QtFilterFrom(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    std::string out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string pats = parts[i + 1];
        for (char& c : pats)
            if (c == ';') c = ' ';
        if (!out.empty()) out += ";;";
        out += parts[i] + " (" + pats + ")";
    }
    if (out.empty() && parts.size() == 1 && !parts[0].empty()) out = parts[0];
    return out;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

std::string TOpenDialog::withDefaultExt(const std::string& name) const {
    if (defaultExt_.empty() || name.empty() || !ExtractFileExt(name).empty()) return name;
    std::string ext = defaultExt_;
    if (ext.front() == '.') ext.erase(ext.begin());
    return name + "." + ext;
}

namespace {
std::string placeIn(const std::string& dir, const std::string& name) {
    if (dir.empty() || name.empty() || name.front() == '/' || name.find(':') != std::string::npos)
        return name;
    return (fs::path(dir) / name).string();
}

bool realFileDialog(TOpenDialog& d, bool save, std::vector<std::string>& out) {
    QFileDialog dlg(nullptr, ToQString(d.Title().empty() ? (save ? "Save As" : "Open") : d.Title()),
                    ToQString(d.InitialDir()), ToQString(QtFilterFrom(d.Filter())));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dlg.setFileMode(QFileDialog::AnyFile);
    else
        dlg.setFileMode((d.Options() & ofAllowMultiSelect) ? QFileDialog::ExistingFiles
                                                           : QFileDialog::ExistingFile);
    QStringList filters = dlg.nameFilters();
    if (d.FilterIndex() >= 1 && d.FilterIndex() <= filters.size())
        dlg.selectNameFilter(filters[d.FilterIndex() - 1]);
    if (!d.FileName().empty() && d.FileName().find('*') == std::string::npos)
        dlg.selectFile(ToQString(d.FileName()));
    if (execAbove(dlg) != QDialog::Accepted) return false;
    for (const QString& f : dlg.selectedFiles())
        out.push_back(FromQString(f));
    d.SetFilterIndex(int(filters.indexOf(dlg.selectedNameFilter())) + 1);
    return !out.empty();
}
} // namespace

bool TOpenDialog::Execute() {
    TModalAnswer a = ModalSeam().Take(TModalKind::OpenDialog, title_.empty() ? "Open" : title_, fileName_);
    std::vector<std::string> chosen;
    if (a.kind == TModalAnswer::Real) {
        if (!realFileDialog(*this, false, chosen)) return false;
    } else if (a.kind == TModalAnswer::FileName) {
        chosen.push_back(placeIn(initialDir_, a.fileName));
    } else {
        return false;
    }
    for (auto& c : chosen)
        c = withDefaultExt(c);
    files_ = chosen;
    fileName_ = chosen.front();
    return true;
}

bool TSaveDialog::Execute() {
    for (;;) {
        TModalAnswer a =
            ModalSeam().Take(TModalKind::SaveDialog, title_.empty() ? "Save As" : title_, fileName_);
        std::string chosen;
        if (a.kind == TModalAnswer::Real) {
            std::vector<std::string> v;
            if (!realFileDialog(*this, true, v)) return false;
            chosen = v.front();
        } else if (a.kind == TModalAnswer::FileName) {
            chosen = placeIn(initialDir_, a.fileName);
        } else {
            return false;
        }
        if (chosen.empty()) return false;
        chosen = withDefaultExt(chosen);
        std::error_code ec;
        if ((options_ & ofOverwritePrompt) && fs::exists(chosen, ec)) {
            std::string name = fs::path(chosen).filename().string();
            int r = MessageBox(name + " already exists.\nDo you want to replace it?",
                               title_.empty() ? "Save As" : title_, MB_YESNO | MB_ICONWARNING);
            if (r != IDYES) continue;
        }
        fileName_ = chosen;
        files_ = {chosen};
        return true;
    }
}

bool TColorDialog::Execute() {
    TModalAnswer a = ModalSeam().Take(TModalKind::ColorDialog, "Color");
    if (a.kind == TModalAnswer::Color) {
        color_ = a.color;
        return true;
    }
    if (a.kind != TModalAnswer::Real) return false;
    QColorDialog dlg(ToQColor(color_));
    dlg.setWindowTitle("Color");
    if (execAbove(dlg) != QDialog::Accepted) return false;
    const QColor c = dlg.selectedColor();
    if (!c.isValid()) return false;
    color_ = FromQColor(c);
    return true;
}

bool TFontDialog::Execute() {
    TModalAnswer a = ModalSeam().Take(TModalKind::FontDialog, "Font");
    if (a.kind == TModalAnswer::Font) {
        font_ = a.font;
        return true;
    }
    if (a.kind != TModalAnswer::Real) return false;
    QFontDialog dlg(ToQFont(font_));
    dlg.setWindowTitle("Font");
    if (execAbove(dlg) != QDialog::Accepted) return false;
    const QFont f = dlg.selectedFont();
    font_.Name = FromQString(f.family());
    if (f.pixelSize() > 0)
        font_.SetHeight(-f.pixelSize());
    else
        font_.SetSize(int(f.pointSizeF() + 0.5));
    TFontStyles st = 0;
    if (f.bold()) st |= fsBold;
    if (f.italic()) st |= fsItalic;
    if (f.underline()) st |= fsUnderline;
    if (f.strikeOut()) st |= fsStrikeOut;
    font_.Style = st;
    return true;
}

namespace {
// A queued answer for a print or set-up dialog: true when it confirms.
bool printAnswer(const TModalAnswer& a) {
    switch (a.kind) {
    case TModalAnswer::Result:
        return a.result == IDOK || a.result == IDYES;
    case TModalAnswer::FileName:
        Printer()->SetPdfFile(a.fileName);
        return true;
    case TModalAnswer::PrinterScript:
        if (a.printer) a.printer(*Printer());
        return true;
    default:
        return false;
    }
}
} // namespace

bool TPrintDialog::Execute() {
    TModalAnswer a = ModalSeam().Take(TModalKind::PrintDialog, "Print");
    QPrinter& printer = Printer()->QtPrinter();
    if (a.kind != TModalAnswer::Real) {
        if (!printAnswer(a)) return false;
        fromPage_ = std::max(fromPage_, minPage_);
        toPage_ = std::max(toPage_, fromPage_);
        return true;
    }
    printer.setCopyCount(copies_);
    QPrintDialog dlg(&printer);
    QAbstractPrintDialog::PrintDialogOptions o = QAbstractPrintDialog::PrintShowPageSize;
    if (options_ & poPrintToFile) o |= QAbstractPrintDialog::PrintToFile;
    if (options_ & poPageNums) o |= QAbstractPrintDialog::PrintPageRange;
    if (options_ & poSelection) o |= QAbstractPrintDialog::PrintSelection;
    dlg.setOptions(o);
    if (minPage_ > 0 || maxPage_ > 0) {
        dlg.setMinMax(std::max(minPage_, 1), std::max(maxPage_, std::max(minPage_, 1)));
        printer.setFromTo(std::max(fromPage_, 1), std::max(toPage_, std::max(fromPage_, 1)));
    }
    if (execAbove(dlg) != QDialog::Accepted) return false;
    copies_ = printer.copyCount();
    range_ = dlg.printRange() == QAbstractPrintDialog::Selection   ? prSelection
             : dlg.printRange() == QAbstractPrintDialog::PageRange ? prPageNums
                                                                   : prAllPages;
    if (range_ == prPageNums) {
        fromPage_ = printer.fromPage();
        toPage_ = printer.toPage();
    }
    return true;
}

bool TPrinterSetupDialog::Execute() {
    TModalAnswer a = ModalSeam().Take(TModalKind::PrintDialog, "Print Setup");
    if (a.kind != TModalAnswer::Real) return printAnswer(a);
    QPageSetupDialog dlg(&Printer()->QtPrinter());
    return execAbove(dlg) == QDialog::Accepted;
}
