#pragma once
#include "TComboBox.h"
#include "TListBox.h"

#include <string>

class TDirectoryListBox;
class TDriveComboBox;

// Folder names the program gives (with backslashes, or a drive letter) are mapped onto the file
// system as the program folder mapping does; plain paths are taken as they are.
std::string NativeFolderPath(const std::string& name);
// Whether a file name matches one of the masks ("*.jpg;*.bmp"), case-insensitively.
bool MatchesMask(const std::string& fileName, const std::string& masks);

// The files of a folder matching Mask, sorted case-insensitively. Items are bare file names;
// FileName is the full path of the current one.
class TFileListBox : public TListBox {
public:
    TFileListBox(TComponent* owner, TWinControl* parent);
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& d);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& m);
    std::string FileName() const;
    // Reads the folder again.
    void Update();
    TNotifyEvent OnChange;

private:
    std::string directory_;
    std::string mask_ = "*.*";
};

// The folder path and the folders below it; picking one (double click) moves there.
class TDirectoryListBox : public TListBox {
public:
    TDirectoryListBox(TComponent* owner, TWinControl* parent);
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& d);
    TFileListBox* FileList() const { return fileList_; }
    void SetFileList(TFileListBox* f);
    // The folder an item stands for.
    std::string GetItemPath(int index) const;
    void Update();
    TNotifyEvent OnChange;

private:
    void fill();
    std::string directory_;
    std::vector<std::string> paths_;
    TFileListBox* fileList_ = nullptr;
};

// The drives: on this system one root, "/".
class TDriveComboBox : public TComboBox {
public:
    TDriveComboBox(TComponent* owner, TWinControl* parent);
    char Drive() const { return '/'; }
    void SetDrive(char) {}
    TDirectoryListBox* DirList() const { return dirList_; }
    void SetDirList(TDirectoryListBox* d);

private:
    TDirectoryListBox* dirList_ = nullptr;
};
