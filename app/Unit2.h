#pragma once
// The progress window: the job's title, its current operation, a gauge for
// the current step and one for the whole job, and Cancel. It refuses to be
// closed; the job controller shows and hides it.
#include "skinpaint/sSkinProvider.h"
#include "vcl/TButton.h"
#include "vcl/TCustomForm.h"
#include "vcl/TGauge.h"
#include "vcl/TLabel.h"

class TForm2 : public vcl::TForm {
public:
    explicit TForm2(vcl::TComponent* owner);

    vcl::TLabel* sLabel3 = nullptr;  // title line
    vcl::TLabel* sLabel1 = nullptr;  // operation line
    vcl::TGauge* sGauge1 = nullptr;  // current step
    vcl::TLabel* sLabel2 = nullptr;
    vcl::TGauge* sGauge2 = nullptr;  // whole job
    vcl::TButton* sSpeedButton1 = nullptr;  // Cancel
    skinpaint::TsSkinProvider* sSkinProvider1 = nullptr;

    void FormCloseQuery(vcl::TObject* sender, bool& canClose);
    void sSpeedButton1Click(vcl::TObject* sender);
};

extern TForm2* Form2;
