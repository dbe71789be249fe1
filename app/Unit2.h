#pragma once
// The progress window: the job's title, its current operation, a gauge for
// the current step and one for the whole job, and Cancel. It refuses to be
// closed; the job controller shows and hides it.
#include "controls/sGauge.h"
#include "controls/sLabel.h"
#include "controls/sSpeedButton.h"
#include "skinpaint/sSkinProvider.h"
#include "vcl/TButton.h"
#include "vcl/TCustomForm.h"
#include "vcl/TGauge.h"
#include "vcl/TLabel.h"

class TForm2 : public vcl::TForm {
public:
    explicit TForm2(vcl::TComponent* owner);

    controls::TsLabel* sLabel3 = nullptr;  // title line
    controls::TsLabel* sLabel1 = nullptr;  // operation line
    controls::TsGauge* sGauge1 = nullptr;  // current step
    controls::TsLabel* sLabel2 = nullptr;
    controls::TsGauge* sGauge2 = nullptr;  // whole job
    controls::TsSpeedButton* sSpeedButton1 = nullptr;  // Cancel
    skinpaint::TsSkinProvider* sSkinProvider1 = nullptr;

    void FormCloseQuery(vcl::TObject* sender, bool& canClose);
    void sSpeedButton1Click(vcl::TObject* sender);
};

extern TForm2* Form2;
