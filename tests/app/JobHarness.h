#pragma once
// The harness of the whole-job tests: the program's windows on a fresh
// headless desktop with their own working, home and output folders, the demo
// video service, every message box answered and recorded, and a job run from
// Start to its end with the total gauge watched.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "VideoService.h"
#include "app/AppResources.h"
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "os/FileSystem.h"
#include "os/UserFolders.h"
#include "ui/Headless.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"
#include "vcl/TMessageForm.h"

inline TTestVideoService& Service() {
    static TTestVideoService service;
    return service;
}

inline std::string MakeFolder(const std::string& name) {
    const std::string path = ::testing::TempDir() + "kestrune-job-" + std::to_string(::getpid()) + "-" + name + "/";
    std::system(("rm -rf '" + path + "' && mkdir -p '" + path + "'").c_str());
    return path;
}

inline void Touch(const std::string& path) { std::ofstream(path) << "x"; }

class TJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool resources = (app::RegisterAppResources(), true);
        (void)resources;
        ::setenv("XDG_CACHE_HOME", MakeFolder("cache").c_str(), 1);
        ::setenv("HOME", MakeFolder("home").c_str(), 1);
        Output = MakeFolder("output");
        Touch(os::ProgramFolder() + "done.txt");  // no first-run prompt here
        os::DeleteFile(os::ProgramFolder() + "set.txt");
        ui::headless::Reset(1024, 768);
        vcl::Application->ClearTerminated();
        vcl::Application->SetTitle("Kestrune YouTube Converter 2.8");
        vcl::SetMessageBoxHook([this](vcl::TMessageForm& box) {
            Messages.push_back(box.Text());
            if (OnMessage) OnMessage(box.Text());
            box.SetModalResult(vcl::mrOk);
        });
        app::CreateProgramWindows();
        Advance(300);  // the deferred start-up
    }
    void TearDown() override {
        vcl::SetMessageBoxHook(nullptr);
        app::DestroyForms();
        os::DeleteFile(os::ProgramFolder() + "set.txt");
    }

    // Lets the loop run and the test clock move.
    void Advance(int ms) {
        ui::headless::AdvanceClock(ms);
        vcl::Application->ProcessMessages();
    }

    // Presses Start and runs the loop until the job is over; `each` runs
    // after every step with the clock moved by a quarter second.
    void RunJob(const std::string& address, const std::function<void()>& each = nullptr) {
        Form1->sEdit1->SetText(address);
        Form1->sDirectoryEdit1->SetText(Output);
        Form1->sCheckBox1->SetChecked(false);
        std::vector<int> totals;
        Form1->OnProgressShown = [&] { totals.push_back(Form2->sGauge2->Progress()); };
        Form1->sSpeedButton1->Click();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
        while (JobActive && std::chrono::steady_clock::now() < deadline) {
            Advance(250);
            if (each) each();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        Form1->OnProgressShown = nullptr;
        ASSERT_FALSE(JobActive) << "the job did not end";
        EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end())) << "the total gauge fell: " << Join(totals);
    }

    static std::string Join(const std::vector<int>& values) {
        std::string text;
        for (int value : values) text += std::to_string(value) + " ";
        return text;
    }

    std::string Output;
    std::vector<std::string> Messages;
    std::function<void(const std::string&)> OnMessage;
};
