#include <algorithm>
#include <utility>

#include "ui/TestServices.h"
#include "ui/app/ProfileFileDialogs.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui::testing {

bool CapturedLog::Mentions(std::string_view text) const {
    return std::any_of(lines.begin(), lines.end(), [text](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

int ScriptedPopups::Run(PopupMode mode, QWidget* owner, CTavComboButton* assignTarget) {
    if (answers_.empty()) {
        return real_.Run(mode, owner, assignTarget);
    }
    modes_.push_back(mode);
    const int answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
}

void ScriptedPopups::QueueAnswers(const std::vector<int>& answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

std::vector<PopupMode> ScriptedPopups::TakeModes() {
    return std::exchange(modes_, {});
}

TestServices::TestServices() {
    ResetAnswerSeams();
}

TestServices::~TestServices() {
    keyboardHook.RemoveKeyboardHook();
    ResetAnswerSeams();
    // A test skin set made before these services may still be in place; it must not outlive the
    // test that made it.
    SkinImageSet::SetInstanceForTests(nullptr);
}

void TestServices::ResetAnswerSeams() {
    MessageBox::ResetForTests();
    ProfileFileDialogs::ResetForTests();
}

}  // namespace orvex::ui::testing
