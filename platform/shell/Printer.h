#pragma once
#include <memory>
#include <string>

class QImage;
class QPrinter;
class QRect;

enum TPrinterOrientation { poPortrait, poLandscape };

// Where a printed page goes. The program's printer sends it to Qt's printer (or to a PDF file);
// tests put a recorder in its place.
class TPrintTarget {
public:
    virtual ~TPrintTarget() = default;
    // Pixels per inch of the device.
    virtual int Resolution() const = 0;
    // One page with `image` drawn over `target` (device pixels from the page's top-left). An
    // empty result means done; otherwise it says why nothing was printed.
    virtual std::string PrintPage(const QImage& image, const QRect& target) = 0;
};

// The program's one printer: the print dialog and the printer set-up dialog both edit it, so
// what the set-up chose (orientation, paper, device) reaches the next print.
class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // What the dialogs edit.
    QPrinter& QtPrinter();
    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation o);
    // Sends the pages to a PDF file instead of the printer ("" goes back to the printer).
    void SetPdfFile(const std::string& path);
    std::string PdfFile() const;
    int PixelsPerInch() const;

    // Prints one page: `image` at the page's top-left, each image pixel `scale` device pixels,
    // unsmoothed and kept lossless. Returns "" when printed, else why not (nothing was printed).
    std::string PrintImage(const QImage& image, double scale);

    // A target in place of the printer (null: the printer again).
    void SetTarget(std::shared_ptr<TPrintTarget> target);

private:
    std::unique_ptr<QPrinter> printer_;
    std::shared_ptr<TPrintTarget> target_;
};

// The program's printer, made on first use.
TPrinter* Printer();
