#pragma once
// The about window: name, version, the maker's home page and support mail.
#include "vcl/TBevel.h"
#include "vcl/TButton.h"
#include "vcl/TCustomForm.h"
#include "vcl/TLabel.h"
#include "vcl/TPanel.h"

class TAboutForm : public vcl::TForm {
public:
    explicit TAboutForm(vcl::TComponent* owner);

    vcl::TPanel* Panel1 = nullptr;
    vcl::TLabel* Label1 = nullptr;
    vcl::TLabel* Label2 = nullptr;
    vcl::TBevel* Bevel1 = nullptr;
    vcl::TLabel* Label3 = nullptr;
    vcl::TLabel* Label4 = nullptr;
    vcl::TButton* Button3 = nullptr;

    void FormShow(vcl::TObject* sender);
    void Button3Click(vcl::TObject* sender);
    void Label3Click(vcl::TObject* sender);
    void Label4Click(vcl::TObject* sender);
};

extern TAboutForm* AboutForm;
