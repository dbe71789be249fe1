#include "vcl/StandardClasses.h"

#include "vcl/TCustomForm.h"

namespace vcl {

void RegisterStandardClasses() {
    static const bool done = [] {
        TForm::StaticClass();
        return true;
    }();
    (void)done;
}

}  // namespace vcl
