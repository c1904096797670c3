#include "ui/app/CTESKDlg.h"

#include <QCoreApplication>
#include <utility>

#include "core/profiles/ProfileSlots.h"
#include "platform/PointerSettings.h"
#include "ui/app/AppIcon.h"
#include "ui/app/ApplyFlow.h"
#include "ui/app/DeviceServices.h"
#include "ui/app/MacroPlaceholderPage.h"
#include "ui/app/MainWindowControls.h"
#include "ui/app/PointerSettingsMapping.h"
#include "ui/app/ProfileFileDialogs.h"
#include "ui/app/ProfilePoll.h"
#include "ui/app/SlotBar.h"
#include "ui/app/WindowDrag.h"
#include "ui/layout/MainWindowLayout.h"
#include "ui/profiles/CRenameDlg.h"
#include "ui/sensor/CPopDlg.h"
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

const QString kMouseNotFound = QStringLiteral("ORVEX SK mouse not found");

constexpr std::array<const char*, 11> kLanguages{"English",  "German",  "Spanish",   "French",
                                                 "Japanese", "Chinese", "Koream",    "Russian",
                                                 "Hindi",    "Arabic",  "Portuguese"};
constexpr int kLanguageFontHeight = 14;
constexpr int kVersionFontHeight = 13;

constexpr std::array<CTESKDlg::Page, 3> kDataPages{CTESKDlg::kMousePage, CTESKDlg::kSensorPage,
                                                   CTESKDlg::kLightingPage};

CTESKDlg::PageFactory& PageFactoryForTests() {
    static CTESKDlg::PageFactory factory;
    return factory;
}

std::filesystem::path DataFolderUnder(const std::filesystem::path& configRoot) {
    const auto folder = ProgramDataFolder(
        configRoot.empty() ? std::nullopt : std::optional<std::filesystem::path>(configRoot));
    // Without a home folder there is nowhere better than the working folder.
    return folder.value_or(std::filesystem::path("Velnor") / "ORVEX SK");
}

std::filesystem::path ProgramFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
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

void CTESKDlg::SetPageFactoryForTests(PageFactory factory) {
    PageFactoryForTests() = std::move(factory);
}

CTESKDlg::CTESKDlg(std::filesystem::path configRoot, platform::PointerSettings* pointer,
                   QWidget* parent)
    : CTavImageDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      programDataFolder_(DataFolderUnder(configRoot)),
      pointer_(pointer),
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
    BuildPages();
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
        slotBar_->ShowName(slot, record(slot).name);
        slotBar_->ShowEnabled(slot, record(slot).enabled != 0);
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

void CTESKDlg::BuildPages() {
    const QPoint origin(main::kPageOrigin.x, main::kPageOrigin.y);
    auto makeProfilePage = [&](Page page, int background) -> ProfilePage* {
        ProfilePage* made = PageFactoryForTests() ? PageFactoryForTests()(page, this) : nullptr;
        if (made != nullptr) {
            return made;
        }
        if (page == kMacroPage) {
            return new MacroPlaceholderPage(MacroFolderPath(programDataFolder_), this);
        }
        return new PlaceholderPage(background, this);
    };
    auto place = [&](Page page, QWidget* widget) {
        pages_[static_cast<std::size_t>(page)] = widget;
        widget->move(origin);
        widget->hide();
    };
    // The order the pages are made in: sensor, lighting, macros, support, mouse.
    const std::array<std::pair<Page, int>, 3> firstPages{
        {{kSensorPage, PlaceholderPage::kSensorBackground},
         {kLightingPage, PlaceholderPage::kLightingBackground},
         {kMacroPage, PlaceholderPage::kMacroBackground}}};
    for (const auto& [page, background] : firstPages) {
        profilePages_[static_cast<std::size_t>(page)] = makeProfilePage(page, background);
        place(page, profilePages_[static_cast<std::size_t>(page)]);
    }
    supportPage_ = new CSupportDlg(this);
    place(kSupportPage, supportPage_);
    profilePages_[kMousePage] = makeProfilePage(kMousePage, PlaceholderPage::kMouseBackground);
    place(kMousePage, profilePages_[kMousePage]);

    shownPage_ = kMousePage;
    pageButton(kMousePage)->SetChecked(true);
    pages_[kMousePage]->show();
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
    static_cast<void>(SaveSlotProfiles(records_));
    profilePage(kMacroPage)->SaveMacroList();
    if (!SendProfilesToMouse(DeviceServices::Link(), records_, CurrentRecord().slotIndex)) {
        MessageBox::Show(this, kMouseNotFound);
    }
}

void CTESKDlg::ResetAllProfiles() {
    if (CPopDlg::Run(PopupMode::ResetWarning, this) != CPopDlg::kAccepted) {
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
    if (pointer_ != nullptr) {
        static_cast<void>(pointer_->Apply(PointerRequestFor(CurrentRecord())));
    }
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
        hide();
    } else if (controlId == main::kApplyId) {
        ApplySettings();
    } else if (controlId == main::kCancelId) {
        hide();
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

void CTESKDlg::OnSlotMenuItem(int slot, int item) {
    switch (item) {
        case SlotBar::kRename:
            RenameSlot(slot);
            break;
        case SlotBar::kSaveCurrent: {
            const ProfileRecord& saved = record(slot);
            static_cast<void>(SaveProfile(saved, saved.filePath));
            break;
        }
        case SlotBar::kExport:
            ExportSlot(slot);
            break;
        case SlotBar::kImport:
            ImportSlot(slot);
            break;
        case SlotBar::kDisableEnable:
            ToggleSlotEnabled(slot);
            break;
        default:
            break;
    }
}

void CTESKDlg::RenameSlot(int slot) {
    ProfileRecord& renamed = records_[static_cast<std::size_t>(slot - 1)];
    if (CRenameDlg::Run(renamed, this) == CRenameDlg::kRenamed) {
        slotBar_->ShowName(slot, renamed.name);
    }
}

void CTESKDlg::ExportSlot(int slot) {
    const ProfileRecord& exported = record(slot);
    const auto chosen =
        ProfileFileDialogs::ChooseExportFile(this, SuggestedExportPath(ProgramFolder(), exported));
    if (chosen.has_value()) {
        static_cast<void>(ExportProfile(exported, *chosen));
    }
}

void CTESKDlg::ImportSlot(int slot) {
    const auto chosen = ProfileFileDialogs::ChooseImportFile(this, ProgramFolder() / "Profiles");
    if (!chosen.has_value()) {
        return;
    }
    // The pages are about to be reloaded from the current record; what the user edited on them
    // goes into that record first, so importing into another slot does not throw the edits away.
    WritePagesBack();
    static_cast<void>(ImportProfile(*chosen, records_[static_cast<std::size_t>(slot - 1)]));
    LoadPagesFromCurrent();
    slotBar_->ShowName(slot, record(slot).name);
}

void CTESKDlg::ToggleSlotEnabled(int slot) {
    // The first profile always stays enabled.
    if (slot == 1) {
        return;
    }
    ProfileRecord& toggled = records_[static_cast<std::size_t>(slot - 1)];
    toggled.enabled = toggled.enabled != 0 ? 0 : 1;
    slotBar_->ShowEnabled(slot, toggled.enabled != 0);
}

}  // namespace orvex::ui
