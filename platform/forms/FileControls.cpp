#include "FileControls.h"

#include "Application.h"
#include "ProgramFolder.h"

#include <QListWidget>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
bool globMatch(const char* p, const char* s) {
    // '*' any run, '?' one character; case-insensitive.
    if (*p == '\0') return *s == '\0';
    if (*p == '*') {
        for (const char* t = s;; ++t) {
            if (globMatch(p + 1, t)) return true;
            if (*t == '\0') return false;
        }
    }
    if (*s == '\0') return false;
    if (*p == '?' ||
        std::tolower(static_cast<unsigned char>(*p)) == std::tolower(static_cast<unsigned char>(*s)))
        return globMatch(p + 1, s + 1);
    return false;
}
} // namespace

std::string NativeFolderPath(const std::string& name) {
    bool windowsStyle = name.find('\\') != std::string::npos || (name.size() >= 2 && name[1] == ':');
    std::string p = windowsStyle ? ProgramFolder::MapPathString(name) : name;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

bool MatchesMask(const std::string& fileName, const std::string& masks) {
    size_t start = 0;
    while (start <= masks.size()) {
        size_t end = masks.find(';', start);
        std::string m = masks.substr(start, end == std::string::npos ? std::string::npos : end - start);
        while (!m.empty() && m.front() == ' ')
            m.erase(m.begin());
        while (!m.empty() && m.back() == ' ')
            m.pop_back();
        if (!m.empty()) {
            // "*.*" matches names without a dot as well, as the platform has it.
            if (m == "*.*" || m == "*") return true;
            if (globMatch(m.c_str(), fileName.c_str())) return true;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

TFileListBox::TFileListBox(TComponent* owner, TWinControl* parent) : TListBox(owner, parent) {
    std::error_code ec;
    directory_ = fs::current_path(ec).string();
    QObject::connect(List(), &QListWidget::currentRowChanged,
                     [this](int) { Application->Guard([this] { FireChange(OnChange); }); });
}

void TFileListBox::SetDirectory(const std::string& d) {
    std::string p = NativeFolderPath(d);
    if (p.empty()) return;
    directory_ = p;
    Update();
}

void TFileListBox::SetMask(const std::string& m) {
    mask_ = m;
    Update();
}

void TFileListBox::Update() {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fec;
        if (!it->is_regular_file(fec)) continue;
        std::string n = it->path().filename().string();
        if (MatchesMask(n, mask_)) names.push_back(n);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
    // An unchanged folder leaves the list alone: its selection stays and nothing repaints.
    if (names != Items().ToVector()) Items().SetStrings(names);
}

std::string TFileListBox::FileName() const {
    int i = ItemIndex();
    if (i < 0) return "";
    return (fs::path(directory_) / Items().Get(i)).string();
}

TDirectoryListBox::TDirectoryListBox(TComponent* owner, TWinControl* parent) : TListBox(owner, parent) {
    std::error_code ec;
    directory_ = fs::current_path(ec).string();
    fill();
    OnDblClick = [this](TObject*) {
        int i = ItemIndex();
        if (i >= 0) SetDirectory(GetItemPath(i));
    };
}

void TDirectoryListBox::SetDirectory(const std::string& d) {
    std::string p = NativeFolderPath(d);
    std::error_code ec;
    if (p.empty() || !fs::is_directory(p, ec)) throw std::runtime_error("Cannot find folder " + d);
    bool changed = p != directory_;
    directory_ = p;
    fill();
    if (fileList_) fileList_->SetDirectory(directory_);
    if (changed) FireChange(OnChange);
}

void TDirectoryListBox::SetFileList(TFileListBox* f) {
    fileList_ = f;
    if (f) f->SetDirectory(directory_);
}

std::string TDirectoryListBox::GetItemPath(int index) const {
    if (index < 0 || index >= int(paths_.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return paths_[size_t(index)];
}

void TDirectoryListBox::Update() {
    fill();
}

void TDirectoryListBox::fill() {
    std::vector<std::string> names;
    paths_.clear();
    fs::path cur(directory_);
    std::vector<fs::path> chain;
    for (fs::path p = cur; !p.empty(); p = p.parent_path()) {
        chain.push_back(p);
        if (p == p.parent_path()) break;
    }
    std::reverse(chain.begin(), chain.end());
    for (const fs::path& p : chain) {
        std::string n = p.filename().string();
        names.push_back(n.empty() ? p.string() : n);
        paths_.push_back(p.string());
    }
    int current = int(paths_.size()) - 1;
    std::vector<std::pair<std::string, std::string>> subs;
    std::error_code ec;
    for (fs::directory_iterator it(cur, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code dec;
        if (it->is_directory(dec)) subs.emplace_back(it->path().filename().string(), it->path().string());
    }
    std::sort(subs.begin(), subs.end(),
              [](auto& a, auto& b) { return CompareTextNoCase(a.first, b.first) < 0; });
    for (auto& [n, p] : subs) {
        names.push_back(n);
        paths_.push_back(p);
    }
    if (names != Items().ToVector()) Items().SetStrings(names);
    if (current >= 0 && ItemIndex() != current) SetItemIndex(current);
}

TDriveComboBox::TDriveComboBox(TComponent* owner, TWinControl* parent) : TComboBox(owner, parent) {
    SetStyle(csDropDownList);
    Items().Add("/");
    SetItemIndex(0);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* d) {
    dirList_ = d;
    if (d && d->Directory().empty()) d->SetDirectory("/");
}
