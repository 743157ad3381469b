#include "TStrings.h"

#include "FileIO.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

int CompareTextNoCase(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void TStrings::checkIndex(int i, int count) const {
    if (i < 0 || i >= count) throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
}

int TStrings::Add(const std::string& s) {
    int n = Count();
    Insert(n, s);
    // A sorted list may have placed it elsewhere.
    if (n < Count() && Get(n) == s) return n;
    return IndexOf(s);
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareTextNoCase(Get(i), s) == 0) return i;
    return -1;
}

void TStrings::Exchange(int a, int b) {
    checkIndex(a, Count());
    checkIndex(b, Count());
    std::string t = Get(a);
    Put(a, Get(b));
    Put(b, t);
}

void TStrings::Move(int from, int to) {
    checkIndex(from, Count());
    std::string s = Get(from);
    Delete(from);
    Insert(to, s);
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> v;
    v.reserve(size_t(Count()));
    for (int i = 0; i < Count(); ++i)
        v.push_back(Get(i));
    return v;
}

void TStrings::SetStrings(const std::vector<std::string>& lines) {
    BeginUpdate();
    try {
        Clear();
        for (const auto& l : lines)
            Add(l);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
    if (&other == this) return;
    SetStrings(other.ToVector());
}

void TStrings::AddStrings(const TStrings& other) {
    auto v = other.ToVector();
    BeginUpdate();
    for (const auto& s : v)
        Add(s);
    EndUpdate();
}

std::string TStrings::Text() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        out += Get(i);
        out += "\r\n";
    }
    return out;
}

void TStrings::SetText(const std::string& text) {
    std::vector<std::string> lines;
    std::string cur;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    SetStrings(lines);
}

std::string TStrings::CommaText() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        if (i) out += ',';
        std::string s = Get(i);
        bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos;
        if (quote) {
            out += '"';
            for (char c : s) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        } else {
            out += s;
        }
    }
    return out;
}

void TStrings::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot open file " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    SetText(ss.str());
}

void TStrings::SaveToFile(const std::string& path) const {
    writeFileReplacing(path, Text());
}

void TStrings::BeginUpdate() {
    ++updateDepth_;
}

void TStrings::EndUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0) UpdateEnded();
}

std::string TStringList::Get(int i) const {
    checkIndex(i, Count());
    return items_[size_t(i)];
}

void TStringList::Put(int i, const std::string& s) {
    checkIndex(i, Count());
    items_[size_t(i)] = s;
    if (sorted_) Sort();
    changed();
}

void TStringList::Insert(int i, const std::string& s) {
    if (sorted_) {
        auto it =
            std::upper_bound(items_.begin(), items_.end(), s, [](const std::string& a, const std::string& b) {
                return CompareTextNoCase(a, b) < 0;
            });
        items_.insert(it, s);
    } else {
        if (i < 0 || i > Count())
            throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
        items_.insert(items_.begin() + i, s);
    }
    changed();
}

void TStringList::Delete(int i) {
    checkIndex(i, Count());
    items_.erase(items_.begin() + i);
    changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    items_.clear();
    changed();
}

void TStringList::SetSorted(bool s) {
    sorted_ = s;
    if (s) Sort();
}

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
    changed();
}

void TStringList::changed() {
    if (OnChange && !Updating()) OnChange();
}
