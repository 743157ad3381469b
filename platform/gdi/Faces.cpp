#include "Faces.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace {

// Where Debian's fonts-wine puts the faces; fontconfig does not index that folder.
const char* const kWineFaces = "/usr/share/wine/fonts/";

std::set<std::string>& loadedFamilies() {
    static std::set<std::string> families;
    return families;
}

bool has(const char* family) {
    return loadedFamilies().count(family) != 0 || QFontDatabase::hasFamily(family);
}

} // namespace

void LoadDesignedFaces() {
    static bool loaded = false;
    if (loaded || !QGuiApplication::instance()) return;
    loaded = true;
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        std::string path = std::string(kWineFaces) + file;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) continue;
        int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
        for (const QString& family : QFontDatabase::applicationFontFamilies(id))
            loadedFamilies().insert(family.toStdString());
    }
}

std::string InstalledFace(const std::string& name, int, bool, bool) {
    LoadDesignedFaces();
    // Wine's bitmap "MS Sans Serif" has the exact widths and its Tahoma is close, but their
    // ligature tables join "TM" and "fi" into signs they cannot draw ("H(TM)L", "fle");
    // Liberation Sans is as wide at 8 points (within 3% over a line of captions).
    const std::string sans = "Liberation Sans";
    if (name == "MS Sans Serif" || name == "System") return sans;
    if (name == "Arial") return "Liberation Sans";
    if (name == "Times New Roman") return "Liberation Serif";
    if (name == "Courier New" || name == "Courier") return "Liberation Mono";
    if (!name.empty() && has(name.c_str())) return name;
    return "Liberation Sans";
}

QFont DesignedFont(const TFont& f) {
    int h = f.Height;
    if (h == 0) h = -int(std::lround(f.Size * 96.0 / 72.0));
    // A positive height is the cell; the character height is about five sixths of it.
    int em = h < 0 ? -h : std::max(1, h * 5 / 6);
    // The "System" face is a bold one.
    bool bold = (f.Style & fsBold) || f.Name == "System", italic = f.Style & fsItalic;
    std::string face = InstalledFace(f.Name, em, bold, italic);
    QFont q(QString::fromStdString(face));
    q.setFamilies({QString::fromStdString(face)});
    q.setStyleHint(face == "Liberation Mono" ? QFont::TypeWriter : QFont::SansSerif);
    q.setBold(bold);
    q.setItalic(italic);
    q.setUnderline(f.Style & fsUnderline);
    q.setStrikeOut(f.Style & fsStrikeOut);
    // The platform draws text without smoothing.
    q.setStyleStrategy(QFont::NoAntialias);
    if (h < 0) {
        q.setPixelSize(std::max(1, -h));
    } else {
        // The cell height: ascent plus descent.
        q.setPixelSize(h);
        QFontMetrics fm(q);
        if (fm.height() > h) q.setPixelSize(std::max(1, int(std::floor(double(h) * h / fm.height()))));
    }
    return q;
}
