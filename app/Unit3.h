#pragma once
// The first-run prompt: install the video codec now (the browser starts on
// its installer), or it is there already.
#include "vcl/TButton.h"
#include "vcl/TCheckBox.h"
#include "vcl/TCustomForm.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"

class TForm3 : public vcl::TForm {
public:
    explicit TForm3(vcl::TComponent* owner);

    vcl::TImage* Image1 = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TRadioButton* RadioButton1 = nullptr;
    vcl::TRadioButton* RadioButton2 = nullptr;
    vcl::TButton* Button1 = nullptr;

    void Button1Click(vcl::TObject* sender);
};

extern TForm3* Form3;
