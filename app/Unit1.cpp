#include "app/Unit1.h"

#include "app/AboutUnit.h"
#include "app/AppLinks.h"
#include "app/JobGauges.h"
#include "app/JobOutcome.h"
#include "app/OutputName.h"
#include "app/ProgramEnd.h"
#include "app/SettingsFile.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "conversion/EncoderCommandLine.h"
#include "conversion/TEncoderOutput.h"
#include "os/FileSystem.h"
#include "os/ShellOpen.h"
#include "os/UserFolders.h"
#include "retrieval/ByteCountText.h"
#include "retrieval/HttpOperations.h"
#include "retrieval/WatchPageParser.h"
#include "rtl/Exceptions.h"
#include "rtl/TextOps.h"
#include "ui/Input.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"

#include <algorithm>

bool JobActive = false;
bool Cancelled = false;
bool Downloading = false;
bool Converting = false;
retrieval::THTTPThread* DownloadThread = nullptr;
int32_t VideoSize = 0;
int32_t VideoDuration = 0;
std::string VideoTitle;
conversion::Tmpegconverter* Converter = nullptr;
std::string TempFolder;
std::string EncoderPath;

TForm1* Form1 = nullptr;

namespace {

// What the download delivered, as of its end, and the furthest position the
// conversion's ticks have shown.
int64_t BytesDownloaded = 0;
int32_t PositionShown = 0;

const char* const Layout = R"(
object Form1: TForm1
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Kestrune YouTube Converter 2.8'
  ClientWidth = 372
  ClientHeight = 250
  Color = 15846064
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Icon.Resource = 'icon.png'
  Position = poDesktopCenter
  OnCreate = FormCreate
  OnCloseQuery = FormCloseQuery
  OnDestroy = FormDestroy
  object Image1: TImage
    Left = 8
    Top = 8
    Width = 232
    Height = 61
    Picture.Resource = 'banner.bmp'
    Transparent = True
  end
  object sSpeedButton2: TsSpeedButton
    Left = 304
    Top = 8
    Width = 57
    Height = 49
    Caption = 'Help'
    OnClick = sSpeedButton2Click
    Glyph.Resource = 'help.png'
    Layout = blGlyphTop
    SkinData.SkinSection = 'SPEEDBUTTON'
  end
  object sLabel1: TsLabel
    Left = 8
    Top = 72
    Width = 85
    Height = 13
    Caption = 'YouTube URL:'
    Font.Color = 2171169
    Font.Style = [fsBold]
  end
  object sEdit1: TsEdit
    Left = 8
    Top = 88
    Width = 353
    Height = 21
    Color = clWhite
    Font.Color = clBlack
    TabOrder = 0
    SkinData.SkinSection = 'EDIT'
  end
  object sLabel2: TsLabel
    Left = 8
    Top = 112
    Width = 288
    Height = 13
    Caption = 'Example: http://www.youtube.com/watch?v=dQw4w9WgXcQ'
    Font.Color = 2171169
  end
  object sSpeedButton1: TsSpeedButton
    Left = 248
    Top = 136
    Width = 113
    Height = 35
    Caption = 'Start'
    Font.Style = [fsBold]
    OnClick = sSpeedButton1Click
    ParentFont = False
    Glyph.Resource = 'start.png'
    SkinData.SkinSection = 'SPEEDBUTTON'
  end
  object sLabel3: TsLabel
    Left = 8
    Top = 184
    Width = 82
    Height = 13
    Caption = 'Output Folder:'
    Font.Color = 2171169
    Font.Style = [fsBold]
  end
  object sDirectoryEdit1: TsDirectoryEdit
    Left = 8
    Top = 200
    Width = 353
    Height = 21
    Color = clWhite
    Font.Color = clBlack
    MaxLength = 255
    TabOrder = 2
    Text = '/'
    DirectInput = False
    Root = 'rfDesktop'
    GlyphMode.Blend = 0
    GlyphMode.Grayed = False
    SkinData.SkinSection = 'EDIT'
    OnChange = sDirectoryEdit1Change
  end
  object sCheckBox1: TsCheckBox
    Left = 8
    Top = 224
    Width = 216
    Height = 19
    Caption = 'Open video file when process completes'
    Checked = True
    TabOrder = 1
    ShowFocus = False
    SkinData.SkinSection = 'CHECKBOX'
  end
  object Timer1: TTimer
    Interval = 1000
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Interval = 250
    OnTimer = Timer2Timer
  end
  object sSkinManager1: TsSkinManager
    InternalSkins = ('Sapphire (internal)')
    SkinDirectory = 'Skins'
    SkinName = 'Sapphire (internal)'
  end
  object sSkinProvider1: TsSkinProvider
    SkinData.SkinSection = 'FORM'
  end
  object PopupMenu1: TPopupMenu
    object Contents1: TMenuItem
      Caption = '&Contents'
      OnClick = Contents1Click
    end
    object AboutKestrune1: TMenuItem
      Caption = '&About Kestrune YouTube Converter...'
      OnClick = AboutKestrune1Click
    end
    object MenuItem1: TMenuItem
      Caption = '-'
    end
    object VisitKestruneWebSite1: TMenuItem
      Caption = '&Visit Kestrune Web Site ->'
      OnClick = VisitKestruneWebSite1Click
    end
  end
end
)";

// The lines of "set.txt" go straight into the window's controls.
class TWindowSettings : public app::TSettingsTarget {
public:
    explicit TWindowSettings(TForm1& form) : Form(form) {}
    void SetOutputFolder(const std::string& folder) override { Form.sDirectoryEdit1->SetText(folder); }
    void SetWindowTop(int top) override { Form.SetTop(top); }
    void SetWindowLeft(int left) override { Form.SetLeft(left); }
    void SetOpenFile(bool open) override { Form.sCheckBox1->SetChecked(open); }

private:
    TForm1& Form;
};

std::string SettingsPath() { return os::ProgramFolder() + "set.txt"; }
std::string DoneMarkerPath() { return os::ProgramFolder() + "done.txt"; }

}  // namespace

TForm1::TForm1(vcl::TComponent* owner) : vcl::TForm(owner) {
    PublishField("Image1", Image1);
    PublishField("sSpeedButton2", sSpeedButton2);
    PublishField("sLabel1", sLabel1);
    PublishField("sEdit1", sEdit1);
    PublishField("sLabel2", sLabel2);
    PublishField("sSpeedButton1", sSpeedButton1);
    PublishField("sLabel3", sLabel3);
    PublishField("sDirectoryEdit1", sDirectoryEdit1);
    PublishField("sCheckBox1", sCheckBox1);
    PublishField("Timer1", Timer1);
    PublishField("Timer2", Timer2);
    PublishField("sSkinManager1", sSkinManager1);
    PublishField("sSkinProvider1", sSkinProvider1);
    PublishField("PopupMenu1", PopupMenu1);
    PublishField("Contents1", Contents1);
    PublishField("AboutKestrune1", AboutKestrune1);
    PublishField("MenuItem1", MenuItem1);
    PublishField("VisitKestruneWebSite1", VisitKestruneWebSite1);
    PublishMethod("FormCreate", &TForm1::FormCreate);
    PublishMethod("FormCloseQuery", &TForm1::FormCloseQuery);
    PublishMethod("FormDestroy", &TForm1::FormDestroy);
    PublishMethod("Timer1Timer", &TForm1::Timer1Timer);
    PublishMethod("Timer2Timer", &TForm1::Timer2Timer);
    PublishMethod("sSpeedButton1Click", &TForm1::sSpeedButton1Click);
    PublishMethod("sSpeedButton2Click", &TForm1::sSpeedButton2Click);
    PublishMethod("sDirectoryEdit1Change", &TForm1::sDirectoryEdit1Change);
    PublishMethod("Contents1Click", &TForm1::Contents1Click);
    PublishMethod("AboutKestrune1Click", &TForm1::AboutKestrune1Click);
    PublishMethod("VisitKestruneWebSite1Click", &TForm1::VisitKestruneWebSite1Click);
    ReadLayout(Layout);
}

// --- start-up and shutdown

void TForm1::FormCreate(vcl::TObject*) {
    TempFolder = os::WorkingFolder();
    os::CreateWorkingFolder();
    Converter = new conversion::Tmpegconverter;
    Converter->FatalHandler = [](const std::string& message) {
        vcl::ShowMessage(message);
        app::EndProgram();
    };
    std::string desktop = os::DesktopFolder();
    if (desktop.empty()) return;
    if (desktop.back() != os::PathDelim) desktop += os::PathDelim;
    sDirectoryEdit1->SetText(desktop);
}

void TForm1::Timer2Timer(vcl::TObject*) {
    Timer2->SetEnabled(false);
    EncoderPath = os::ProgramFolder() + "f.exe";
    if (!os::FileExists(DoneMarkerPath())) {
        Hide();
        Form3->ShowModal();
        Show();
        app::WriteDoneMarker(DoneMarkerPath());
    }
    AboutForm->Label1->SetCaption("Kestrune YouTube Converter");
    AboutForm->Label2->SetCaption("Version: 2.8");
    if (os::FileExists(SettingsPath())) {
        TWindowSettings settings(*this);
        app::ReadSettingsFile(SettingsPath(), settings);
    }
}

void TForm1::FormCloseQuery(vcl::TObject*, bool& canClose) { canClose = !JobActive; }

void TForm1::FormDestroy(vcl::TObject*) {
    delete Converter;
    Converter = nullptr;
    // Reported here: the window is on its way out and nobody else could.
    try {
        app::WriteSettingsFile(SettingsPath(), sDirectoryEdit1->Text(), Top(), Left(), sCheckBox1->Checked());
    } catch (const std::exception& error) {
        vcl::Application->ShowException(error);
    }
}

// --- the main window's own handlers

void TForm1::sDirectoryEdit1Change(vcl::TObject*) {
    const std::string folder = sDirectoryEdit1->Text();
    if (folder.empty())
        sDirectoryEdit1->SetText(std::string(1, os::PathDelim));
    else if (folder.back() != os::PathDelim)
        sDirectoryEdit1->SetText(folder + os::PathDelim);
}

void TForm1::sSpeedButton2Click(vcl::TObject*) {
    const ui::TPoint at = ui::GetCursorPos();
    PopupMenu1->Popup(at.X, at.Y);
}

void TForm1::Contents1Click(vcl::TObject*) { os::ShellOpen(os::ProgramFolder() + "help.htm"); }

void TForm1::AboutKestrune1Click(vcl::TObject*) { AboutForm->ShowModal(); }

void TForm1::VisitKestruneWebSite1Click(vcl::TObject*) { os::ShellOpen(app::ProductWebPage); }

// --- the progress view: every change is painted at once, since the main
// thread goes on to blocking work before it would paint otherwise

void TForm1::SetOperation(const std::string& text) {
    Form2->sLabel1->SetCaption(text);
    Form2->sLabel1->Repaint();
    if (OnProgressShown) OnProgressShown();
}

void TForm1::SetTitleLine(const std::string& text) {
    Form2->sLabel3->SetCaption(text);
    Form2->sLabel3->Repaint();
    if (OnProgressShown) OnProgressShown();
}

void TForm1::SetStageGauge(int stage) {
    Form2->sGauge1->SetProgress(stage);
    Form2->sGauge1->Repaint();
    if (OnProgressShown) OnProgressShown();
}

void TForm1::SetGauges(int stage, int total) {
    Form2->sGauge1->SetProgress(stage);
    Form2->sGauge1->Repaint();
    Form2->sGauge2->SetProgress(total);
    Form2->sGauge2->Repaint();
    if (OnProgressShown) OnProgressShown();
}

void TForm1::ShowMainHideProgress() {
    Show();
    Form2->Hide();
    JobActive = false;
}

void TForm1::ErrorExit(const std::string& message) {
    vcl::ShowMessage(message);
    ShowMainHideProgress();
}

// An unreadable duration or position (N/A, plain seconds, three-digit hours)
// counts as 0 instead of stopping the job halfway with the progress window
// up and no way out.
int32_t TForm1::ReadSeconds(const std::function<int32_t()>& read) {
    try {
        return read();
    } catch (const rtl::EConvertError&) {
        return 0;
    }
}

// --- the job

void TForm1::sSpeedButton1Click(vcl::TObject*) {
    Cancelled = false;
    JobActive = true;
    Form2->Show();
    Hide();
    SetGauges(0, 0);
    SetOperation("Current process.");
    SetTitleLine("Video Title: <untitled>");
    const std::string address = sEdit1->Text();
    std::string lower = address;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (rtl::Pos("http://", lower) == 0) return ErrorExit("Error: Invalid YouTube URL.");
    SetOperation("Getting information...");
    const std::string stream = retrieval::ParseWatchPage(address, VideoTitle);
    SetTitleLine("title: " + VideoTitle);
    SetGauges(50, 15);
    if (stream.empty()) return ErrorExit("Error: Cant get and check video link.");
    Form2->sLabel1->Repaint();
    VideoSize = retrieval::GetContentLength(stream);
    SetGauges(100, 30);
    if (VideoSize == 0) return ErrorExit("Error: Cant download video file.");
    SetStageGauge(0);
    SetOperation("Downloading... (0 of " + std::to_string(VideoSize) + " b)");
    Downloading = true;
    DownloadThread = new retrieval::THTTPThread;
    DownloadThread->URL = stream;
    os::DeleteFile(TempFolder + "temp.flv");
    DownloadThread->FileName = TempFolder + "temp.flv";
    DownloadThread->OnDone = [this](retrieval::THTTPThread& thread) { DownloadDone(thread); };
    DownloadThread->SetFreeOnTerminate(true);
    DownloadThread->Start();
}

void TForm1::Timer1Timer(vcl::TObject*) {
    if (Downloading) {
        const int64_t n = DownloadThread->BytesShown;
        Form2->sGauge1->SetProgress(app::DownloadStage(n, VideoSize));
        Form2->sGauge2->SetProgress(app::DownloadTotal(n, VideoSize));
        SetOperation("Downloading... (" + retrieval::BytesToKBText(n) + " of " +
                     retrieval::BytesToKBText(VideoSize) + ")");
        Form2->sGauge1->Repaint();
        Form2->sGauge2->Repaint();
    }
    if (Converting) {
        if (Converter->Finished()) return ConvertDone();
        Converter->Poll();
        // The encoder's closing summary fills the window without a "time=",
        // which reads as 0: a position never goes backwards within a job.
        PositionShown = std::max(PositionShown, ReadSeconds([] { return Converter->GetPosition(); }));
        // Without a known duration the gauges stay as they are until the
        // encoder ends; the job then finishes as usual.
        if (VideoDuration > 0)
            SetGauges(app::ConvertStage(PositionShown, VideoDuration),
                      app::ConvertTotal(PositionShown, VideoDuration));
    }
}

void TForm1::DownloadDone(retrieval::THTTPThread& thread) {
    Downloading = false;
    if (Cancelled) return ConvertDone();
    // The thread could not store the stream (no file, a full disk): say so
    // rather than convert what is not there.
    if (!thread.FailureText.empty())
        return ErrorExit("Error: Cant download video file.\n" + thread.FailureText);
    BytesDownloaded = thread.BytesShown;
    PositionShown = 0;
    os::DeleteFile(TempFolder + "temp.avi");
    Converter->Start(conversion::EncoderCommandLine(EncoderPath, TempFolder));
    Converter->Poll();
    VideoDuration = ReadSeconds([] { return conversion::TimeToSeconds(Converter->GetDurationText()); });
    SetOperation("Converting...");
    Converting = true;
}

// Moves the finished file into the output folder. When that fails (a folder
// that is gone or not writable), the file is kept under its title in the
// working folder, where the next job will not delete it, and the message
// returned says where it is instead of a "Done." that would be untrue.
std::string TForm1::DeliverVideo(const std::string& outputFolder) {
    const std::string converted = TempFolder + "temp.avi";
    if (os::MoveFile(converted, outputFolder + VideoTitle + ".AVI")) return {};
    const std::string problem = "Error: Cant move the video file into " + outputFolder + ".";
    if (!os::FileExists(converted)) return problem + " The converter made no file.";
    const std::string kept = TempFolder + app::UniqueVideoTitle(TempFolder, VideoTitle, os::FileExists) + ".AVI";
    return problem + " It is kept as " + (os::MoveFile(converted, kept) ? kept : converted) + ".";
}

// Delivers the video unless the job was cancelled or the conversion failed,
// and gives the message that ConvertDone shows; `delivered` tells whether the
// video is in the output folder now.
std::string TForm1::FinishConversion(const std::string& outputFolder, bool& delivered) {
    delivered = false;
    if (Cancelled) return "Done.";
    const bool failed = app::ConversionFailed({.EncoderExitCode = Converter->ChildExitCode(),
                                               .FurthestPosition = Converter->FurthestPosition(),
                                               .VideoDuration = VideoDuration,
                                               .DownloadComplete = BytesDownloaded >= VideoSize});
    if (failed) return app::ConversionFailedText(TempFolder + "temp.avi");
    if (Converter->ChildExitCode() != 0 && !os::FileExists(TempFolder + "temp.avi"))
        return app::ConverterFailedText(Converter->ChildExitCode());
    const std::string failure = DeliverVideo(outputFolder);
    if (!failure.empty()) return failure;
    delivered = true;
    return app::DoneText(BytesDownloaded, VideoSize);
}

void TForm1::ConvertDone() {
    const std::string outputFolder = sDirectoryEdit1->Text();
    VideoTitle = app::UniqueVideoTitle(outputFolder, VideoTitle, os::FileExists);
    Converting = false;
    bool delivered = false;
    const std::string message = FinishConversion(outputFolder, delivered);
    SetGauges(100, 100);
    vcl::ShowMessage(message);
    if (delivered && sCheckBox1->Checked()) os::ShellOpen(outputFolder + VideoTitle + ".AVI");
    sEdit1->SetText("");
    ShowMainHideProgress();
}
