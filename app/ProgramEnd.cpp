#include "app/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

#include "vcl/TApplication.h"

namespace app {

namespace {

void (*gEndHook)() = nullptr;

}  // namespace

void SetProgramEndHook(void (*hook)()) { gEndHook = hook; }

void DestroyForms() {
    // Last made, first gone, as the application frees what it owns.
    while (vcl::Application->ComponentCount() > 0)
        vcl::Application->Components(vcl::Application->ComponentCount() - 1)->Free();
}

void EndProgram() {
    if (gEndHook) gEndHook();
    DestroyForms();
    std::fflush(nullptr);
    // A download thread may still wait for its hand-over; leave without
    // running static destructors under its feet.
    std::_Exit(0);
}

}  // namespace app
