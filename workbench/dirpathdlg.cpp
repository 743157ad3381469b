#include "dirpathdlg.h"
#include "BindMethod.h"

#include <algorithm>

Tfolderdlg1* folderdlg1 = nullptr;

std::string FramePrefixOf(const std::string& fileName) {
    std::string name = fileName;
    size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    size_t dot = name.find('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ChosenFramePrefix(TEdit& edit) {
    if (edit.Text().empty() || edit.Text().find_first_of("*?") != std::string::npos) edit.SetText("temp");
    const std::string name = edit.Text();
    return name.substr(0, name.find('.'));
}

namespace {
std::string forwardSlashes(std::string s) {
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}
} // namespace

std::string frameFileBase(const std::string& folder, const std::string& givenPrefix) {
    const std::string dir = forwardSlashes(folder);
    const std::string prefix = forwardSlashes(givenPrefix);
    const bool joined = (!dir.empty() && dir.back() == '/') || (!prefix.empty() && prefix.front() == '/');
    return dir + (joined ? "" : "/") + prefix;
}

namespace {

TLabel* makeLabel(Tfolderdlg1* f, TWinControl* parent, const char* name, int left, int top,
                  const char* caption) {
    auto* l = new TLabel(f, parent);
    l->SetName(name);
    l->SetLeft(left);
    l->SetTop(top);
    l->SetCaption(caption);
    return l;
}

TBitBtn* makeButton(Tfolderdlg1* f, const char* name, int left, int top) {
    auto* b = new TBitBtn(f, f);
    b->SetName(name);
    b->SetBounds(left, top, 88, 25);
    return b;
}

} // namespace

Tfolderdlg1::Tfolderdlg1(TComponent* AOwner) : TForm(AOwner) {
    SetName("folderdlg1");
    SetCaption("Choose a folder");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(448);
    SetClientHeight(392);

    Label2 = makeLabel(this, this, "Label2", 8, 8, "Folder name");
    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->SetAutoSize(false);
    Label1->SetAlignment(taRightJustify);
    Label1->SetBounds(8, 26, 432, 16);

    DriveComboBox1 = new TDriveComboBox(this, this);
    DriveComboBox1->SetName("DriveComboBox1");
    DriveComboBox1->SetBounds(8, 48, 200, 22);
    DirectoryListBox1 = new TDirectoryListBox(this, this);
    DirectoryListBox1->SetName("DirectoryListBox1");
    DirectoryListBox1->SetBounds(8, 76, 200, 160);
    FileListBox1 = new TFileListBox(this, this);
    FileListBox1->SetName("FileListBox1");
    FileListBox1->SetBounds(216, 48, 224, 188);
    FileListBox1->SetMask("*.bmp");
    DriveComboBox1->SetDirList(DirectoryListBox1);
    DirectoryListBox1->OnChange = bindMethod(this, &Tfolderdlg1::DirectoryListBox1Change);
    FileListBox1->OnClick = bindMethod(this, &Tfolderdlg1::FileListBox1Click);

    Label3 = makeLabel(this, this, "Label3", 8, 248, "Name Prefix");
    Edit1 = new TEdit(this, this);
    Edit1->SetName("Edit1");
    Edit1->SetBounds(80, 244, 120, 22);
    Edit1->SetText("*.bmp");
    Label4 = makeLabel(this, this, "Label4", 204, 248, "001.bmp");
    Label5 = makeLabel(this, this, "Label5", 80, 270, "e.g. Bfly  gives  Bfly001.bmp, Bfly002.bmp ...");

    BitBtn1 = makeButton(this, "BitBtn1", 8, 356);
    BitBtn1->SetKind(bkOK);
    BitBtn1->OnClick = bindMethod(this, &Tfolderdlg1::BitBtn1Click);
    BitBtn2 = makeButton(this, "BitBtn2", 104, 356);
    BitBtn2->SetKind(bkCancel);
    BitBtn2->OnClick = bindMethod(this, &Tfolderdlg1::BitBtn2Click);
    BitBtn3 = makeButton(this, "BitBtn3", 352, 356);
    BitBtn3->SetCaption("Create New");
    BitBtn3->OnClick = bindMethod(this, &Tfolderdlg1::BitBtn3Click);

    OpenPictureDialog1 = new TOpenPictureDialog(this);
    OpenPictureDialog1->SetName("OpenPictureDialog1");
    OpenPictureDialog1->SetFilter("All Files|*.*");

    Panel5 = new TPanel(this, this);
    Panel5->SetName("Panel5");
    Panel5->SetBounds(8, 294, 432, 52);
    Panel5->SetVisible(false);
    Label6 = makeLabel(this, Panel5, "Label6", 8, 6, "Start Frame");
    Label7 = makeLabel(this, Panel5, "Label7", 116, 6, "End Frame");
    SpinEdit1 = new TSpinEdit(this, Panel5);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(8, 22, 96, 22);
    SpinEdit2 = new TSpinEdit(this, Panel5);
    SpinEdit2->SetName("SpinEdit2");
    SpinEdit2->SetBounds(116, 22, 96, 22);

    OnCreate = bindMethod(this, &Tfolderdlg1::FormCreate);
    OnShow = bindMethod(this, &Tfolderdlg1::FormShow);
}

void Tfolderdlg1::FormCreate(TObject*) {
    CenterOnScreen();
}

// There is one drive, so the folder list keeps its folder.
void Tfolderdlg1::FormShow(TObject*) {
    FileListBox1->SetDirectory(DirectoryListBox1->Directory());
    Label1->SetCaption(DirectoryListBox1->Directory());
    FileListBox1->Update();
}

void Tfolderdlg1::DirectoryListBox1Change(TObject*) {
    Label1->SetCaption(DirectoryListBox1->Directory());
    FileListBox1->SetDirectory(DirectoryListBox1->Directory());
}

void Tfolderdlg1::FileListBox1Click(TObject*) {
    if (FileListBox1->ItemIndex() < 0) return;
    Edit1->SetText(FramePrefixOf(FileListBox1->FileName()));
}

// The system's open dialog lets the user make a folder; its answer is not used.
void Tfolderdlg1::BitBtn3Click(TObject*) {
    OpenPictureDialog1->SetInitialDir(DirectoryListBox1->Directory());
    OpenPictureDialog1->Execute();
    DirectoryListBox1->Update();
}

// Shown modally, OK's modal result already closes; closing again would make it Cancel.
void Tfolderdlg1::BitBtn1Click(TObject*) {
    Label1->SetCaption(DirectoryListBox1->Directory());
    if (!Modal()) Close();
}

void Tfolderdlg1::BitBtn2Click(TObject*) {
    Label1->SetCaption("");
    Close();
}
