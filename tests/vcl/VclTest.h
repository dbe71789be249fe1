#pragma once
// A fresh headless desktop for each test, and small helpers to drive the
// framework's loop and input.
#include <gtest/gtest.h>

#include "ui/Headless.h"
#include "ui/Keys.h"
#include "vcl/Dialogs.h"
#include "vcl/TApplication.h"

namespace vcltest {

class TVclTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::headless::Reset(1024, 768);
        vcl::Application->ClearTerminated();
        vcl::Application->SetTitle("Kestrune");
        vcl::Application->OnException = nullptr;
        vcl::SetMessageBoxHook(nullptr);
    }
    void TearDown() override {
        vcl::SetMessageBoxHook(nullptr);
        vcl::Application->ProcessMessages();
        vcl::Application->ClearTerminated();
    }
    static void Pump() { vcl::Application->ProcessMessages(); }
    // A key pressed and released, with its character.
    static void Key(ui::UINT vk, unsigned char ch = 0) {
        ui::headless::KeyPress(vk, ch);
        Pump();
    }
    // A key pressed while another (Shift, Ctrl) is held. Each step is
    // handled before the next arrives, as a person types: the key state a
    // handler reads is the one of the moment it runs.
    static void Chord(ui::UINT modifier, ui::UINT vk, unsigned char ch = 0) {
        ui::headless::KeyDown(modifier);
        Pump();
        ui::headless::KeyPress(vk, ch);
        Pump();
        ui::headless::KeyUp(modifier);
        Pump();
    }
    static void Type(const std::string& text) {
        for (char c : text) {
            const unsigned char u = static_cast<unsigned char>(c);
            ui::headless::KeyPress(std::isalpha(u) ? ui::UINT(std::toupper(u)) : ui::UINT(u), u);
        }
        Pump();
    }
    static void ClickAt(vcl::TControl* control, int x, int y) {
        const vcl::TPoint p = control->ClientToScreen({x, y});
        ui::headless::Click(p.X, p.Y);
        Pump();
    }
};

}  // namespace vcltest
