#include "ScreenKit.h"
#include "velmorafrm.h"

namespace quickview {

void TMainfrm::makeMenu() {
    using kit::item;
    using kit::separator;
    auto on = [this](void (TMainfrm::*handler)(TObject*)) -> TNotifyEvent {
        return bindMethod(this, handler);
    };
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* root = MainMenu1->Items();

    File1 = item(this, root, "File1", "&File");
    NewProjectWizard1 =
        item(this, File1, "NewProjectWizard1", "&New Project Wizard", on(&TMainfrm::NewProjectWizard1Click));
    NewProjectWizard1->SetShortCut(ShortCut('N', scCtrl));
    OpenProject1 = item(this, File1, "OpenProject1", "&Open Project", on(&TMainfrm::OpenProject1Click));
    ViewProjectForm1 =
        item(this, File1, "ViewProjectForm1", "&View Project Form", on(&TMainfrm::OpenProject1Click));
    separator(this, File1);
    Preferences1 = item(this, File1, "Preferences1", "&Preferences", on(&TMainfrm::Preferences1Click));
    PrinterSetup1 = item(this, File1, "PrinterSetup1", "Printer S&etup");
    separator(this, File1);
    Exit1 = item(this, File1, "Exit1", "E&xit");

    BrowseMediaFiles1 = item(this, root, "BrowseMediaFiles1", "&Browse Media Files...");
    Movies1 = item(this, BrowseMediaFiles1, "Movies1", "&Movies");
    Sounds1 = item(this, BrowseMediaFiles1, "Sounds1", "&Sounds");
    ImageFiles1 = item(this, BrowseMediaFiles1, "ImageFiles1", "&Image Files");
    WebPageSource1 = item(this, BrowseMediaFiles1, "WebPageSource1", "&Web Page Source");
    BrowseTextFiles1 = item(this, BrowseMediaFiles1, "BrowseTextFiles1", "Browse &Text Files");
    BitmapLists1 = item(this, BrowseMediaFiles1, "BitmapLists1", "&Bitmap Lists");
    Projects1 = item(this, BrowseMediaFiles1, "Projects1", "&Projects");

    MovieEdit1 = item(this, root, "MovieEdit1", "&Movie Edit");
    MovieEditor1 = item(this, MovieEdit1, "MovieEditor1", "&Movie Editor ", on(&TMainfrm::MovieEditor1Click));
    SequenceEditor1 =
        item(this, MovieEdit1, "SequenceEditor1", "Sequence Editor", on(&TMainfrm::SequenceEditor1Click));
    FrameEditor1 = item(this, MovieEdit1, "FrameEditor1", "Frame Editor", on(&TMainfrm::FrameEditor1Click));
    AnimationManager1 = item(this, MovieEdit1, "AnimationManager1", "Animation Manager",
                             on(&TMainfrm::AnimationManager1Click));
    separator(this, MovieEdit1);
    MediaPlayer1 = item(this, MovieEdit1, "MediaPlayer1", "&Media Player ", on(&TMainfrm::MediaPlayer1Click));
    separator(this, MovieEdit1);
    ScreenCapturetodisk1 = item(this, MovieEdit1, "ScreenCapturetodisk1", "Screen  &Capture to disk",
                                on(&TMainfrm::ScreenCapturetodisk1Click));
    ScreenCapturetoClipboard1 =
        item(this, MovieEdit1, "ScreenCapturetoClipboard1", "Screen Capture to Clipboard",
             on(&TMainfrm::ScreenCapturetoClipboard1Click));

    Sound1 = item(this, root, "Sound1", "&Sound");
    SoundRecorder1 =
        item(this, Sound1, "SoundRecorder1", "Sound &Recorder ", on(&TMainfrm::MediaPlayer1Click));
    SoundPlayer1 = item(this, Sound1, "SoundPlayer1", "Sound Player ", on(&TMainfrm::SoundPlayer1Click));

    Web1 = item(this, root, "Web1", "&Web");
    Howtomakeyourownmovies1 = item(this, Web1, "Howtomakeyourownmovies1", "&How to make your own movies");
    MakingAnimationfortheWeb1 =
        item(this, Web1, "MakingAnimationfortheWeb1", "Making &Animation for the Web");
    StreamingVideoontheWeb1 = item(this, Web1, "StreamingVideoontheWeb1", "Streaming &Video on the Web");
    ImagesandVideoontheNewsgroups1 =
        item(this, Web1, "ImagesandVideoontheNewsgroups1", "Images and Video on the &Newsgroups");
    for (TMenuItem* m : {Howtomakeyourownmovies1, MakingAnimationfortheWeb1, StreamingVideoontheWeb1,
                         ImagesandVideoontheNewsgroups1})
        m->SetEnabled(false);

    SpecialEffects1 = item(this, root, "SpecialEffects1", "S&pecial Effects");
    TransitionMagic1 = item(this, SpecialEffects1, "TransitionMagic1", "&Transition Magic");
    Addins1 = item(this, SpecialEffects1, "Addins1", "&Add ins...");
    Orvanta1 = item(this, Addins1, "Orvanta1", "&Orvanta");
    UserDefined11 = item(this, Addins1, "UserDefined11", "User Defined &1");
    UserDefined21 = item(this, Addins1, "UserDefined21", "User Defined &2");
    UserDefined31 = item(this, Addins1, "UserDefined31", "User Defined &3");
    UserDefined41 = item(this, Addins1, "UserDefined41", "User Defined &4");
    for (TMenuItem* m : {Orvanta1, UserDefined11, UserDefined21, UserDefined31, UserDefined41})
        m->SetEnabled(false);

    TextandHTML1 = item(this, root, "TextandHTML1", "Text and HTML");
    HTMLEditor1 = item(this, TextandHTML1, "HTMLEditor1", "&HTML Editor", on(&TMainfrm::HTMLEditor1Click));
    WordProcessor1 =
        item(this, TextandHTML1, "WordProcessor1", "&Word Processor", on(&TMainfrm::HTMLEditor1Click));

    Wizards1 = item(this, root, "Wizards1", "Wizards");
    EditingVideoStreams1 = item(this, Wizards1, "EditingVideoStreams1", "Editing Video &Streams",
                                on(&TMainfrm::MovieEditor1Click));
    AddingSound1 = item(this, Wizards1, "AddingSound1", "Adding &Sound", on(&TMainfrm::MovieEditor1Click));
    AddingBitmaps1 =
        item(this, Wizards1, "AddingBitmaps1", "A&dding Bitmaps", on(&TMainfrm::MovieEditor1Click));
    AddingAVI1 = item(this, Wizards1, "AddingAVI1", "Adding &AVI", on(&TMainfrm::MovieEditor1Click));
    separator(this, Wizards1);
    NewProjectWizard2 = item(this, Wizards1, "NewProjectWizard2", "New Project Wizard",
                             on(&TMainfrm::NewProjectWizard1Click));
    AddingForegroundsetstobackgrounds1 =
        item(this, Wizards1, "AddingForegroundsetstobackgrounds1", "Adding Foreground sets to backgrounds",
             on(&TMainfrm::AddingForegroundsetstobackgrounds1Click));

    Help1 = item(this, root, "Help1", "&Help");
    Help2 = item(this, Help1, "Help2", "&Help", on(&TMainfrm::Help2Click));
    ColorIssues1 = item(this, Help1, "ColorIssues1", "Color Issues", on(&TMainfrm::Help2Click));
    SupportServices1 = item(this, Help1, "SupportServices1", "Support Services", on(&TMainfrm::Help2Click));
    FileTypes1 = item(this, Help1, "FileTypes1", "File Types", on(&TMainfrm::Help2Click));
    separator(this, Help1);
    About1 = item(this, Help1, "About1", "About", on(&TMainfrm::About1Click));

    SetMenu(MainMenu1);
}

} // namespace quickview
