#include "ui/app/CTESKDlg.h"

#include <utility>

#include "core/device/MouseNotFound.h"
#include "core/log/Log.h"
#include "core/profiles/ProfileSlots.h"
#include "platform/PointerSettings.h"
#include "ui/app/AppIcon.h"
#include "ui/app/ApplyFlow.h"
#include "ui/app/MainWindowControls.h"
#include "ui/app/PointerSettingsMapping.h"
#include "ui/app/ProfilePoll.h"
#include "ui/app/SlotBar.h"
#include "ui/app/WindowDrag.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/layout/PopupMode.h"
#include "ui/pages/ProfilePage.h"
#include "ui/pages/ProgramPages.h"
#include "ui/services/PopupRunner.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavMenu.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/NotificationCodes.h"
#include "ui/skin/SkinFonts.h"
#include "ui/skin/SkinImageSet.h"
#include "ui/skin/SkinLocation.h"
#include "ui/support/CSupportDlg.h"

namespace orvex::ui {
namespace {

namespace main = layout::mainwindow;

constexpr std::array<const char*, 11> kLanguages{"English",  "German",  "Spanish",   "French",
                                                 "Japanese", "Chinese", "Koream",    "Russian",
                                                 "Hindi",    "Arabic",  "Portuguese"};
constexpr int kLanguageFontHeight = 14;
constexpr int kVersionFontHeight = 13;

constexpr std::array<CTESKDlg::Page, 3> kDataPages{CTESKDlg::kMousePage, CTESKDlg::kSensorPage,
                                                   CTESKDlg::kLightingPage};

std::filesystem::path DataFolderUnder(const std::filesystem::path& configRoot) {
    const auto folder = ProgramDataFolder(
        configRoot.empty() ? std::nullopt : std::optional<std::filesystem::path>(configRoot));
    // Without a home folder there is nowhere better than the working folder.
    return folder.value_or(std::filesystem::path("Velnor") / "ORVEX SK");
}

// Clears a flag when the scope ends, however it ends.
class BusyScope {
  public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace

CTESKDlg::CTESKDlg(const WindowServices& services, std::filesystem::path configRoot,
                   PageFactory pageFactory, QWidget* parent)
    : CTavImageDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      services_(services),
      programDataFolder_(DataFolderUnder(configRoot)),
      records_(LoadSlotProfiles(programDataFolder_).records),
      poll_(std::make_unique<ProfilePoll>()),
      drag_(std::make_unique<WindowDrag>(this)) {
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setWindowIcon(AppIcon::Make());
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    RegisterSkinFont(SkinLocation::ForRunningProgram().fontFile);
    SetBackgroundImage(skin.GetSkinImage(0, SkinState::Normal, QRect()));

    BuildControls();
    BuildPages(pageFactory);
    LoadPagesFromCurrent();

    pollTimer_.setInterval(kPollIntervalMs);
    connect(&pollTimer_, &QTimer::timeout, this, &CTESKDlg::PollActiveProfile);
    pollTimer_.start();
}

CTESKDlg::~CTESKDlg() = default;

void CTESKDlg::BuildControls() {
    for (int page = 0; page < kPageCount; ++page) {
        pageButtons_[static_cast<std::size_t>(page)] = MakeMainButton(
            this, main::kPageButtonFirstId + page, main::kPageTabs[static_cast<std::size_t>(page)]);
    }
    slotBar_ = std::make_unique<SlotBar>(this);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ShowSlotState(slot);
    }
    slotBar_->ShowSelected(currentSlot_);

    MakeMainButton(this, main::kResetToDefaultId, main::kResetToDefault);
    MakeMainButton(this, main::kOkId, main::kOk);
    MakeMainButton(this, main::kApplyId, main::kApply);
    MakeMainButton(this, main::kCancelId, main::kCancel);

    languageSelector_ = MakeMainComboButton(this, main::kLanguageId, main::kLanguage);
    languageSelector_->SetLabelFont(kNeoSansFace, kLanguageFontHeight);
    // The list drops down as wide as the selector.
    for (int item = 0; item < static_cast<int>(kLanguages.size()); ++item) {
        languageSelector_->AddMenuItem(
            item, QString::fromLatin1(kLanguages[static_cast<std::size_t>(item)]));
    }
    languageSelector_->SetSelection(languageSelector_->ItemText(0), 0, -1);

    versionStatic_ = new CTavStatic(this);
    versionStatic_->SetControlId(main::kVersionId);
    versionStatic_->setGeometry(ToQRect(main::kVersion));
    versionStatic_->SetBackground(CropImage(backgroundImage(), ToQRect(main::kVersion)));
    versionStatic_->SetFontHeight(kVersionFontHeight);
    versionStatic_->SetText(QString::fromLatin1(kProgramVersion));
}

void CTESKDlg::BuildPages(const PageFactory& pageFactory) {
    const auto madeFor = [&](Page page) -> ProfilePage* {
        return pageFactory ? pageFactory(page, this) : nullptr;
    };
    const auto place = [&](Page page, QWidget* widget) {
        pages_[static_cast<std::size_t>(page)] = widget;
        widget->move(main::kPageOrigin.x, main::kPageOrigin.y);
        widget->hide();
    };
    const auto placeProfilePage = [&](Page page, ProfilePage* made) {
        profilePages_[static_cast<std::size_t>(page)] = made;
        place(page, made);
    };
    // The order the pages are made in: sensor, lighting, macros, support, mouse. The mouse page
    // comes last because it lists the macro page's macros.
    ProfilePage* sensor = madeFor(kSensorPage);
    placeProfilePage(kSensorPage, sensor != nullptr ? sensor : MakeSensorPage(services_, this));
    ProfilePage* lighting = madeFor(kLightingPage);
    placeProfilePage(kLightingPage,
                     lighting != nullptr ? lighting : MakeColorSettingsPage(services_, this));
    ProfilePage* macros = madeFor(kMacroPage);
    placeProfilePage(kMacroPage, macros != nullptr
                                     ? macros
                                     : MakeMacroSettingsPage(
                                           services_, MacroFolderPath(programDataFolder_), this));
    supportPage_ = new CSupportDlg(services_, this, CSupportDlg::FirmwareRead::Later);
    place(kSupportPage, supportPage_);
    const MacroList* macroList = profilePage(kMacroPage)->macroList();
    ProfilePage* mouse = madeFor(kMousePage);
    placeProfilePage(kMousePage,
                     mouse != nullptr
                         ? mouse
                         : MakeMouseSettingsPage(
                               services_, macroList != nullptr ? *macroList : noMacros_, this));
    connect(profilePage(kMacroPage), &ProfilePage::MacroDeleted, this,
            &CTESKDlg::ReloadMouseBindings);
    for (Page page : kDataPages) {
        ProfilePage* dataPage = profilePage(page);
        connect(dataPage, &ProfilePage::WriteBackRequested, this,
                [this, dataPage] { dataPage->SaveToProfile(CurrentRecord()); });
    }

    shownPage_ = kMousePage;
    pageButton(kMousePage)->SetChecked(true);
    pages_[kMousePage]->show();
}

void CTESKDlg::ReloadMouseBindings() {
    ProfilePage* mouse = profilePage(kMousePage);
    mouse->SaveToProfile(CurrentRecord());
    mouse->LoadFromProfile(CurrentRecord());
}

const ProfileRecord& CTESKDlg::record(int slot) const {
    return records_[static_cast<std::size_t>(slot - 1)];
}

QString CTESKDlg::firmwareVersionText() const {
    return supportPage_->firmwareVersionText();
}

QWidget* CTESKDlg::pageWidget(int page) const {
    return pages_[static_cast<std::size_t>(page)];
}

ProfilePage* CTESKDlg::profilePage(int page) const {
    return profilePages_[static_cast<std::size_t>(page)];
}

CTavButton* CTESKDlg::pageButton(int page) const {
    return pageButtons_[static_cast<std::size_t>(page)];
}

CTavButton* CTESKDlg::slotButton(int slot) const {
    return slotBar_->button(slot);
}

CTavComboButton* CTESKDlg::slotMenuButton(int slot) const {
    return slotBar_->menuButton(slot);
}

CTavButton* CTESKDlg::controlButton(int id) const {
    for (auto* button : findChildren<CTavButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->controlId() == id) {
            return button;
        }
    }
    return nullptr;
}

void CTESKDlg::WritePagesBack() {
    for (Page page : kDataPages) {
        profilePage(page)->SaveToProfile(CurrentRecord());
    }
}

void CTESKDlg::LoadPagesFromCurrent() {
    for (Page page : kDataPages) {
        profilePage(page)->LoadFromProfile(CurrentRecord());
    }
    SendControlNotification(profilePage(kSensorPage), ProfilePage::kSeparateAxesCheckBoxId, 0);
}

void CTESKDlg::SelectPage(int page) {
    if (page < 0 || page >= kPageCount || !pageWidget(page)->isHidden()) {
        return;
    }
    for (CTavButton* button : pageButtons_) {
        button->SetChecked(false);
    }
    pageButton(page)->SetChecked(true);
    for (QWidget* shown : pages_) {
        shown->hide();
    }
    WritePagesBack();
    pageWidget(page)->show();
    shownPage_ = page;
    if (page == kMousePage) {
        profilePage(kMousePage)->RebuildMacroLists();
    }
}

void CTESKDlg::SelectSlot(int slot) {
    if (slot < 1 || slot > kSlotCount) {
        return;
    }
    WritePagesBack();
    slotBar_->ShowSelected(slot);
    currentSlot_ = slot;
    LoadPagesFromCurrent();
}

void CTESKDlg::ApplySettings() {
    const BusyScope busy(applyBusy_);
    WritePagesBack();
    ApplyPointerSettings();
    // A slot file that cannot be written keeps its previous contents; the profiles still go to
    // the mouse, which is what Apply is for.
    const auto saved = SaveSlotProfiles(records_);
    for (std::size_t slot = 0; slot < saved.size(); ++slot) {
        if (!saved[slot].ok) {
            LogLine(&services_.log, "window",
                    "Apply: slot " + std::to_string(slot + 1) + " not saved: " + saved[slot].error);
        }
    }
    profilePage(kMacroPage)->SaveMacroList();
    if (!SendProfilesToMouse(services_.link, records_, CurrentRecord().slotIndex, services_.log)) {
        MessageBox::Show(this, QString::fromLatin1(kMouseNotFoundMessage));
    }
}

void CTESKDlg::ResetAllProfiles() {
    if (services_.popups.Run(PopupMode::ResetWarning, this) != PopupRunner::kAccepted) {
        return;
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ProfileRecord& reset = records_[static_cast<std::size_t>(slot - 1)];
        if (slot > 1) {
            reset.enabled = 1;
            slotBar_->ShowEnabled(slot, true);
        }
        reset.name = u"Profile" + std::u16string(1, static_cast<char16_t>(u'0' + slot));
        slotBar_->ShowName(slot, reset.name);
    }
    ResetProfileToDefaults(CurrentRecord());
    LoadPagesFromCurrent();
    for (ProfileRecord& reset : records_) {
        ResetProfileToDefaults(reset);
    }
    ApplySettings();
}

void CTESKDlg::ApplyPointerSettings() {
    if (services_.pointer == nullptr) {
        return;
    }
    const platform::PointerSettingsRequest request = PointerRequestFor(CurrentRecord());
    const platform::PointerSettingsOutcome applied = services_.pointer->Apply(request);
    LogLine(&services_.log, "window", DescribePointerOutcome(request, applied));
}

void CTESKDlg::ControlClicked(int controlId) {
    if (controlId >= main::kPageButtonFirstId &&
        controlId < main::kPageButtonFirstId + kPageCount) {
        SelectPage(controlId - main::kPageButtonFirstId);
    } else if (const auto slot = SlotBar::SlotOfButton(controlId)) {
        SelectSlot(*slot);
    } else if (controlId == main::kResetToDefaultId) {
        ResetAllProfiles();
    } else if (controlId == main::kOkId) {
        ApplySettings();
        PutAway();
    } else if (controlId == main::kApplyId) {
        ApplySettings();
    } else if (controlId == main::kCancelId) {
        PutAway();
    }
}

void CTESKDlg::ControlNotification(int code, int value) {
    if (code == kMenuHidingCode) {
        SetTopMost(value == kMenuHidingBefore);
    } else if (trayMenu_ != nullptr && code == trayMenu_->menuId()) {
        OnTrayMenuItem(value);
    } else if (const auto slot = SlotBar::SlotOfMenuButton(code)) {
        OnSlotMenuItem(*slot, value);
    } else {
        CTavImageDialog::ControlNotification(code, value);
    }
}

}  // namespace orvex::ui
