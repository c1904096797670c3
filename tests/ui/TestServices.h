#pragma once

#include <QUrl>
#include <string>
#include <vector>

#include "core/log/Log.h"
#include "sim/VirtualMouseRig.h"
#include "ui/FakeKeyboardHook.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/sensor/CPopDlg.h"
#include "ui/services/PopupRunner.h"
#include "ui/services/WindowServices.h"

namespace orvex::ui::testing {

// A log that keeps its lines for the test to read.
class CapturedLog final : public Log {
  public:
    bool Enabled() const override { return true; }
    void Write(std::string_view area, std::string_view message) override {
        lines.push_back(std::string(area) + ": " + std::string(message));
    }
    // Whether any line holds `text`.
    bool Mentions(std::string_view text) const;

    std::vector<std::string> lines;
};

// Pop-ups as a test answers them: while answers are queued, each Run takes the next one and
// records its mode instead of showing anything; with none queued the real pop-up runs modally, so
// a test can click it.
// The surface analysis's later steps go through the same queue.
class ScriptedPopups final : public PopupRunner {
  public:
    explicit ScriptedPopups(CPopDlg::Services services) : real_(WithSteps(services, this)) {}

    int Run(PopupMode mode, QWidget* owner, CTavComboButton* assignTarget = nullptr) override;

    void QueueAnswers(const std::vector<int>& answers);
    // The modes of the answered pop-ups since the last call.
    std::vector<PopupMode> TakeModes();

    static CPopDlg::Services WithSteps(CPopDlg::Services services, PopupRunner* steps) {
        services.steps = steps;
        return services;
    }

  private:
    ModalPopupRunner real_;
    std::vector<int> answers_;
    std::vector<PopupMode> modes_;
};

// The one place tests make the windows' services: the virtual mouse in virtual time, a log that
// keeps its lines, pop-ups answered as queued, a keyboard hook slot over a fake desktop, no
// desktop pointer settings, and the addresses the windows asked a browser to open. Making it and
// destroying it also reset the toolkit's remaining process-wide test seams (queued message-box
// answers and texts, scripted file dialogs, a test skin set), so no test sees another's leftovers.
class TestServices {
  public:
    TestServices();
    ~TestServices();
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    sim::VirtualMouseRig mouse;
    CapturedLog log;
    FakeKeyboardHook::Desktop desktop;
    KeyboardHookSlot keyboardHook{FakeHooksOn(desktop)};
    ScriptedPopups popups{{mouse.link, keyboardHook, log}};
    std::vector<QUrl> openedUrls;
    WindowServices services{
        .link = mouse.link,
        .log = log,
        .popups = popups,
        .keyboardHook = keyboardHook,
        .pointer = nullptr,
        .openUrl = [this](const QUrl& url) { openedUrls.push_back(url); },
    };

    // What a pop-up made directly by a test is given: its later steps go through `popups`.
    CPopDlg::Services popupServices() { return {mouse.link, keyboardHook, log, &popups}; }

  private:
    static void ResetAnswerSeams();
};

}  // namespace orvex::ui::testing
