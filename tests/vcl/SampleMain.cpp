// Shows the sample form on whatever display the environment names and
// keeps it up for the milliseconds given (default 3000), printing where its
// client area lies on the screen once it is shown.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "SampleForm.h"
#include "vcl/TApplication.h"

int main(int argc, char** argv) {
    const int ms = argc > 1 ? std::atoi(argv[1]) : 3000;
    vcl::Application->SetTitle("Sample");
    auto* form = new vcltest::TSampleForm(vcl::Application);
    form->Show();
    vcl::Application->ProcessMessages();
    const vcl::TPoint origin = form->ClientOrigin();
    std::printf("CLIENT %d %d\n", origin.X, origin.Y);
    std::fflush(stdout);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        vcl::Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    form->Free();
    return 0;
}
