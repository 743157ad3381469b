#include "Printer.h"

#include "FileIO.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

namespace {

// Qt's printer as a target: a PDF file is made in memory and written whole; a real printer gets
// the page through Qt's print system.
class QtPrintTarget : public TPrintTarget {
public:
    explicit QtPrintTarget(QPrinter& p) : printer_(p) {}
    int Resolution() const override { return printer_.resolution(); }
    std::string PrintPage(const QImage& image, const QRect& target) override {
        if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
            return toPdf(image, target);
        QPainter p;
        if (!p.begin(&printer_)) return "The printer could not be started.";
        draw(p, image, target);
        if (!p.end()) return "The page could not be printed.";
        return {};
    }

private:
    static void draw(QPainter& p, const QImage& image, const QRect& target) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setRenderHint(QPainter::LosslessImageRendering, true);
        p.drawImage(target, image);
    }
    std::string toPdf(const QImage& image, const QRect& target) {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            pdf.setResolution(printer_.resolution());
            QPageLayout layout = printer_.pageLayout();
            layout.setMargins(QMarginsF(0, 0, 0, 0));
            layout.setMinimumMargins(QMarginsF(0, 0, 0, 0));
            pdf.setPageLayout(layout);
            QPainter p;
            if (!p.begin(&pdf)) return "The page could not be laid out.";
            draw(p, image, target);
            p.end();
        }
        return writeWhole(printer_.outputFileName().toStdString(), bytes);
    }
    static std::string writeWhole(const std::string& path, const QByteArray& bytes) {
        try {
            writeFileReplacing(path, std::string(bytes.constData(), size_t(bytes.size())));
        } catch (const EStreamError& e) {
            return e.what();
        }
        return {};
    }
    QPrinter& printer_;
};

} // namespace

TPrinter::TPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // Letter paper until the set-up chooses another: the sheet the program lays its pages on.
    printer_->setPageSize(QPageSize(QPageSize::Letter));
    printer_->setFullPage(true);
    printer_->setFromTo(1, 1);
}

TPrinter::~TPrinter() = default;

QPrinter& TPrinter::QtPrinter() {
    return *printer_;
}

TPrinterOrientation TPrinter::Orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation o) {
    printer_->setPageOrientation(o == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::SetPdfFile(const std::string& path) {
    if (path.empty()) {
        printer_->setOutputFormat(QPrinter::NativeFormat);
        printer_->setOutputFileName({});
    } else {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(QString::fromStdString(path));
    }
}

std::string TPrinter::PdfFile() const {
    return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName().toStdString() : "";
}

int TPrinter::PixelsPerInch() const {
    return target_ ? target_->Resolution() : printer_->resolution();
}

std::string TPrinter::PrintImage(const QImage& image, double scale) {
    QRect target(0, 0, int(std::lround(image.width() * scale)), int(std::lround(image.height() * scale)));
    if (target_) return target_->PrintPage(image, target);
    QtPrintTarget real(*printer_);
    return real.PrintPage(image, target);
}

void TPrinter::SetTarget(std::shared_ptr<TPrintTarget> target) {
    target_ = std::move(target);
}

TPrinter* Printer() {
    // Never destroyed: Qt's printer must not outlive the application object at exit.
    static TPrinter* printer = new TPrinter;
    return printer;
}
