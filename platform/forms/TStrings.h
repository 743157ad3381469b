#pragma once
#include <functional>
#include <string>
#include <vector>

// A list of strings, as list boxes, combo boxes, memos and radio groups hold their items.
// Indexes are range-checked (an out-of-range index throws std::out_of_range). Text files are
// read with CR LF or LF line ends and written with CR LF.
class TStrings {
public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual std::string Get(int i) const = 0;
    virtual void Put(int i, const std::string& s) = 0;
    virtual void Insert(int i, const std::string& s) = 0;
    virtual void Delete(int i) = 0;
    virtual void Clear() = 0;

    std::string operator[](int i) const { return Get(i); }
    std::string Strings(int i) const { return Get(i); }
    int Add(const std::string& s);
    void Append(const std::string& s) { Add(s); }
    int IndexOf(const std::string& s) const; // case-insensitive, as the platform compares
    void Exchange(int a, int b);
    void Move(int from, int to);
    void Assign(const TStrings& other);
    void AddStrings(const TStrings& other);
    std::vector<std::string> ToVector() const;
    void SetStrings(const std::vector<std::string>& lines);

    // Lines joined with CR LF, each line ended.
    std::string Text() const;
    void SetText(const std::string& text);
    std::string CommaText() const;

    // Throws std::runtime_error with the platform's message when the file cannot be read, and
    // EStreamError (one) when it cannot be written; saving replaces the file safely (FileIO.h).
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    // Groups changes: a control rebuilds its view once at EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateDepth_ > 0; }

protected:
    void checkIndex(int i, int count) const;
    virtual void UpdateEnded() {}

private:
    int updateDepth_ = 0;
};

// A list in memory, with optional sorting (case-insensitive) and change notice.
class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(const TStringList& o) : TStrings(), items_(o.items_), sorted_(o.sorted_) {}
    TStringList& operator=(const TStringList& o) {
        items_ = o.items_;
        sorted_ = o.sorted_;
        return *this;
    }
    int Count() const override { return int(items_.size()); }
    std::string Get(int i) const override;
    void Put(int i, const std::string& s) override;
    void Insert(int i, const std::string& s) override;
    void Delete(int i) override;
    void Clear() override;
    bool Sorted() const { return sorted_; }
    void SetSorted(bool s);
    void Sort();
    std::function<void()> OnChange;

protected:
    void UpdateEnded() override { changed(); }

private:
    void changed();
    std::vector<std::string> items_;
    bool sorted_ = false;
};

// Case-insensitive comparison of names as the platform's lists sort them.
int CompareTextNoCase(const std::string& a, const std::string& b);
