#include "ui/macros/CMacroSettingsDlg.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "core/log/Log.h"
#include "ui/layout/MacroSettingsLayout.h"
#include "ui/layout/PopupMode.h"
#include "ui/macros/CTavListBox.h"
#include "ui/macros/CTavMacroCtrl.h"
#include "ui/macros/KeyCapturedEvent.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/services/PopupRunner.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavCheckBox.h"
#include "ui/skin/ControlPlacement.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {
namespace {

namespace mc = layout::macrosettings;

// Skin elements of the page: its background, then one crop of the page's family per control.
constexpr int kBackgroundElement = 114;
constexpr int kMacroListElement = 115;
constexpr int kEventListElement = 116;
constexpr int kNewMacroElement = 117;
constexpr int kDeleteElement = 118;
constexpr int kRecordDelayElement = 119;
constexpr int kRecordHoldElement = 120;
constexpr int kStartRecordElement = 121;
constexpr int kStopRecordElement = 122;

template <typename List>
void PlaceList(List* list, int id, const layout::LayoutRect& place, int element) {
    const QRect rect = ToQRect(place);
    list->SetControlId(id);
    list->setGeometry(rect);
    list->SetBackgroundImage(
        SkinImageSet::Instance().GetSkinImage(element, SkinState::Normal, rect));
    list->CreateScrollBar();
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

CMacroSettingsDlg::CMacroSettingsDlg(const WindowServices& services,
                                     const std::filesystem::path& macroFolder, QWidget* parent)
    : ProfilePage(parent),
      services_(services),
      macroList_(new CTavListBox(this)),
      eventList_(new CTavMacroCtrl(services.clock(), this)) {
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    SetBackgroundImage(skin.GetSkinImage(kBackgroundElement, SkinState::Normal, QRect()));
    PlaceControls();
    eventList_->SetMacroFolder(macroFolder);
    eventList_->BuildMenu();
    LoadMacros(macroFolder);
    // Keys meant for the page are looked at before the control with the focus gets them.
    QCoreApplication::instance()->installEventFilter(this);
}

CMacroSettingsDlg::~CMacroSettingsDlg() {
    if (services_.keyboardHook.Target() == this) {
        services_.keyboardHook.RemoveKeyboardHook();
    }
}

void CMacroSettingsDlg::PlaceControls() {
    PlaceList(macroList_, mc::kMacroListId, mc::kMacroList, kMacroListElement);
    PlaceList(eventList_, mc::kEventListId, mc::kEventList, kEventListElement);
    newMacro_ =
        PlaceElementButton<CTavButton>(this, mc::kNewMacroId, mc::kNewMacro, kNewMacroElement);
    delete_ = PlaceElementButton<CTavButton>(this, mc::kDeleteId, mc::kDelete, kDeleteElement);
    recordDelay_ = PlaceElementButton<CTavCheckBox>(this, mc::kRecordDelayId, mc::kRecordDelay,
                                                    kRecordDelayElement);
    recordHold_ = PlaceElementButton<CTavCheckBox>(this, mc::kRecordHoldId, mc::kRecordHold,
                                                   kRecordHoldElement);
    startRecord_ = PlaceElementButton<CTavButton>(this, mc::kStartRecordId, mc::kStartRecord,
                                                  kStartRecordElement);
    startRecord_->SetText(QStringLiteral("Start Record"));
    stopRecord_ = PlaceElementButton<CTavButton>(this, mc::kStopRecordId, mc::kStopRecord,
                                                 kStopRecordElement);
    stopRecord_->SetText(QStringLiteral("Stop Record"));
    stopRecord_->hide();
}

void CMacroSettingsDlg::LoadMacros(const std::filesystem::path& macroFolder) {
    const std::size_t skipped = eventList_->LoadMacroList();
    if (skipped != 0) {
        LogLine(&services_.log, "macros",
                std::to_string(skipped) + " unreadable macro entries skipped in " +
                    macroFolder.string());
    }
    // Each row added becomes the selected one and is shown, so the last macro ends up shown.
    // The names and ids are copied first: showing runs the page's handlers while rows are added.
    std::vector<std::pair<QString, int>> loaded;
    for (const auto& macro : eventList_->macros().Macros()) {
        loaded.emplace_back(QString::fromStdU16String(macro->name), macro->id);
    }
    for (const auto& [name, id] : loaded) {
        macroList_->AddRow(name, id);
    }
}

void CMacroSettingsDlg::SaveMacroList() {
    // A failed save leaves the previous one readable and the macros in memory for the next try.
    const FileWriteResult saved = eventList_->SaveMacroList();
    if (!saved.ok) {
        LogLine(&services_.log, "macros", "macro list not saved: " + saved.error);
    }
}

const MacroList* CMacroSettingsDlg::macroList() const {
    return &std::as_const(*eventList_).macros();
}

bool CMacroSettingsDlg::isRecording() const {
    return eventList_->isRecording();
}

CTavButton* CMacroSettingsDlg::button(int id) const {
    for (CTavButton* candidate : {newMacro_, delete_, startRecord_, stopRecord_}) {
        if (candidate->controlId() == id) {
            return candidate;
        }
    }
    return nullptr;
}

CTavCheckBox* CMacroSettingsDlg::checkBox(int id) const {
    return id == mc::kRecordDelayId  ? recordDelay_
           : id == mc::kRecordHoldId ? recordHold_
                                     : nullptr;
}

void CMacroSettingsDlg::ControlClicked(int controlId) {
    switch (controlId) {
        case mc::kNewMacroId:
            NewMacro();
            break;
        case mc::kDeleteId:
            DeleteMacro();
            break;
        case mc::kRecordDelayId:
            // Each box has toggled itself already; the two options exclude each other.
            recordHold_->SetChecked(false);
            break;
        case mc::kRecordHoldId:
            recordDelay_->SetChecked(false);
            break;
        case mc::kStartRecordId:
            StartRecordingIntoClearedMacro();
            break;
        case mc::kStopRecordId:
            StopRecording();
            break;
        default:
            break;
    }
}

void CMacroSettingsDlg::ControlNotification(int code, int value) {
    switch (code) {
        case kRowSelectedCode:
            ShowSelectedMacro(value);
            break;
        case kRowDeletingCode:
            eventList_->RemoveMacro(value);
            eventList_->update();
            break;
        case kStartRecordingCode:
            StartRecording();
            break;
        default:
            CTavImageDialog::ControlNotification(code, value);
            break;
    }
}

void CMacroSettingsDlg::ShowSelectedMacro(int id) {
    const CBoxItem* row = macroList_->SelectedRow();
    if (row == nullptr) {
        return;
    }
    eventList_->ShowMacro(id, row->text);
    const CMacro* shown = eventList_->CurrentMacro();
    // A macro of presses only was recorded holding its keys.
    if (shown != nullptr && shown->HasOnlyPresses()) {
        recordDelay_->SetChecked(false);
        recordHold_->SetChecked(true);
    } else {
        recordHold_->SetChecked(false);
    }
}

void CMacroSettingsDlg::NewMacro() {
    if (isRecording()) {
        return;
    }
    macroList_->NewMacroAction();
    recordHold_->SetChecked(false);
}

void CMacroSettingsDlg::DeleteMacro() {
    if (isRecording() ||
        services_.popups.Run(PopupMode::DeleteMacroConfirm, this) != PopupRunner::kAccepted) {
        return;
    }
    macroList_->DeleteSelectedRow();
    emit MacroDeleted();
}

void CMacroSettingsDlg::StartRecording() {
    startRecord_->hide();
    stopRecord_->show();
    macroList_->CommitNameEditor();
    eventList_->SetRecording(true);
    recorder_.Start(services_.clock().Now());
    if (!services_.keyboardHook.InstallKeyboardHook(this)) {
        // The page stays recording; Stop Record brings it back.
        LogLine(&services_.log, "macros", "the keyboard hook could not be installed");
        MessageBox::Show(this, QString::fromLatin1(kStartHookFailed));
    }
}

void CMacroSettingsDlg::StartRecordingIntoClearedMacro() {
    StartRecording();
    if (CMacro* macro = eventList_->CurrentMacro()) {
        macro->ClearEvents();
    }
    eventList_->update();
    recordHold_->setEnabled(false);
    recordDelay_->setEnabled(false);
}

void CMacroSettingsDlg::StopRecording() {
    startRecord_->show();
    stopRecord_->hide();
    recordHold_->setEnabled(true);
    recordDelay_->setEnabled(true);
    eventList_->SetRecording(false);
    // The slot may have been taken over since (a key capture); that hook is not this page's.
    if (services_.keyboardHook.Target() == this) {
        services_.keyboardHook.RemoveKeyboardHook();
    }
}

void CMacroSettingsDlg::KeyCaptured(const KeyCapturedEvent& key) {
    if (!isRecording()) {
        return;
    }
    const MacroRecorder::Options options{recordDelay_->IsChecked(), recordHold_->IsChecked()};
    const auto recorded =
        recorder_.KeyCaptured(key.virtualKey(), key.isRelease(), services_.clock().Now(), options);
    CMacro* macro = eventList_->CurrentMacro();
    if (!recorded || macro == nullptr) {
        return;
    }
    macro->AddEvent(kKeyEventType, recorded->virtualKey, recorded->release, recorded->delay,
                    eventList_->insertMode());
    eventList_->update();
}

bool CMacroSettingsDlg::event(QEvent* event) {
    if (event->type() == KeyCapturedEvent::kType) {
        KeyCaptured(static_cast<const KeyCapturedEvent&>(*event));
        return true;
    }
    return ProfilePage::event(event);
}

bool CMacroSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        return HandlePageKey(watched, static_cast<const QKeyEvent&>(*event));
    }
    return false;
}

bool CMacroSettingsDlg::HandlePageKey(QObject* watched, const QKeyEvent& key) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return false;
    }
    if (IsEnter(key.key())) {
        macroList_->CommitNameEditor();
        eventList_->CommitDelayEditor();
    }
    // While recording, the keys typed are the macro's, not commands for the page.
    return isRecording();
}

}  // namespace orvex::ui
