#pragma once
// The main window and the job controller: the address, the output folder
// and the open-file option; Start runs one job from the address to the AVI
// file in the output folder, driven by the download thread's hand-overs and
// a one-second timer; the deferred start-up and the settings.
#include <functional>
#include <memory>
#include <string>

#include "controls/sCheckBox.h"
#include "controls/sDirectoryEdit.h"
#include "controls/sEdit.h"
#include "controls/sLabel.h"
#include "controls/sSpeedButton.h"
#include "conversion/Tmpegconverter.h"
#include "retrieval/THTTPThread.h"
#include "skin/sSkinManager.h"
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "skinpaint/sSkinProvider.h"
#include "vcl/TCustomForm.h"
#include "vcl/TEdit.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TMenus.h"
#include "vcl/TTimer.h"

// The job's values, shared with the progress window's Cancel.
extern bool JobActive;
extern bool Cancelled;
extern bool Downloading;
extern bool Converting;
extern retrieval::THTTPThread* DownloadThread;
extern int32_t VideoSize;
extern int32_t VideoDuration;
extern std::string VideoTitle;
extern conversion::Tmpegconverter* Converter;
// Fixed places: the per-user working folder and the encoder beside the program.
extern std::string TempFolder;
extern std::string EncoderPath;

class TForm1 : public vcl::TForm {
public:
    explicit TForm1(vcl::TComponent* owner);

    vcl::TImage* Image1 = nullptr;
    controls::TsSpeedButton* sSpeedButton2 = nullptr;  // Help
    controls::TsLabel* sLabel1 = nullptr;
    controls::TsEdit* sEdit1 = nullptr;  // the watch-page address
    controls::TsLabel* sLabel2 = nullptr;
    controls::TsSpeedButton* sSpeedButton1 = nullptr;  // Start
    controls::TsLabel* sLabel3 = nullptr;
    controls::TsDirectoryEdit* sDirectoryEdit1 = nullptr;  // the output folder
    controls::TsCheckBox* sCheckBox1 = nullptr;
    vcl::TTimer* Timer1 = nullptr;
    vcl::TTimer* Timer2 = nullptr;
    skin::TsSkinManager* sSkinManager1 = nullptr;
    skinpaint::TsSkinProvider* sSkinProvider1 = nullptr;
    vcl::TPopupMenu* PopupMenu1 = nullptr;
    vcl::TMenuItem* Contents1 = nullptr;
    vcl::TMenuItem* AboutKestrune1 = nullptr;
    vcl::TMenuItem* MenuItem1 = nullptr;
    vcl::TMenuItem* VisitKestruneWebSite1 = nullptr;

    void FormCreate(vcl::TObject* sender);
    void FormCloseQuery(vcl::TObject* sender, bool& canClose);
    void FormDestroy(vcl::TObject* sender);
    void Timer2Timer(vcl::TObject* sender);
    void Timer1Timer(vcl::TObject* sender);
    void sSpeedButton1Click(vcl::TObject* sender);
    void sSpeedButton2Click(vcl::TObject* sender);
    void sDirectoryEdit1Change(vcl::TObject* sender);
    void Contents1Click(vcl::TObject* sender);
    void AboutKestrune1Click(vcl::TObject* sender);
    void VisitKestruneWebSite1Click(vcl::TObject* sender);
    void DownloadDone(retrieval::THTTPThread& thread);
    void ConvertDone();

    // Told after every change of the progress window's lines and gauges has
    // been painted (the terminal driver prints them).
    std::function<void()> OnProgressShown;

private:
    void SetOperation(const std::string& text);
    void SetTitleLine(const std::string& text);
    void SetGauges(int stage, int total);
    void SetStageGauge(int stage);
    void ErrorExit(const std::string& message);
    void ShowMainHideProgress();
    int32_t ReadSeconds(const std::function<int32_t()>& read);
    std::string DeliverVideo(const std::string& outputFolder);
    std::string FinishConversion(const std::string& outputFolder, bool& delivered);
};

extern TForm1* Form1;
