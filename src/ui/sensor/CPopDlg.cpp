#include "ui/sensor/CPopDlg.h"

#include <QApplication>
#include <QKeyEvent>

#include "core/buttons/ButtonFunction.h"
#include "core/buttons/KeyNames.h"
#include "core/device/DeviceCommands.h"
#include "core/device/MouseNotFound.h"
#include "core/log/Log.h"
#include "ui/macros/KeyCapturedEvent.h"
#include "ui/macros/KeyboardHookSlot.h"
#include "ui/sensor/PopupFace.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavComboButton.h"
#include "ui/skin/CTavStatic.h"
#include "ui/skin/MessageBox.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {

namespace {

const QString kSetHookFailed = QStringLiteral("set hook failed.");
constexpr int kCountdownPictures = 3;
constexpr int kKeyNameFontHeight = 14;

QString KeyNameText(const KeyCapture& capture) {
    return QString::fromStdU16String(capture.KeyName());
}

}  // namespace

CPopDlg::CPopDlg(PopupMode mode, QWidget* owner, const Services& services)
    : CTavImageDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      mode_(mode),
      services_(services),
      ok_(new CTavButton(this)),
      cancel_(new CTavButton(this)),
      close_(new CTavButton(this)),
      time_(new CTavStatic(this)),
      image_(new CTavStatic(this)) {
    setFocusPolicy(Qt::StrongFocus);
    ok_->SetControlId(kOkId);
    cancel_->SetControlId(kCancelId);
    close_->SetControlId(kCloseId);
    time_->SetControlId(kTimeId);
    image_->SetControlId(kImageId);
    // Enter and Escape belong to the pop-up, never to a focused button.
    for (CTavButton* button : {ok_, cancel_, close_}) {
        button->setFocusPolicy(Qt::NoFocus);
    }
    countdownTimer_.setInterval(kCountdownInterval);
    connect(&countdownTimer_, &QTimer::timeout, this, &CPopDlg::CountdownTick);

    SetUpFace();
    if (mode_ == PopupMode::SurfaceCountdown) {
        SetUpCountdown();
    } else if (mode_ == PopupMode::AssignKey) {
        SetUpKeyCapture();
    }
}

CPopDlg::~CPopDlg() {
    // The slot is shared with macro recording; any pop-up going away ends whatever hook it holds.
    services_.keyboardHook.RemoveKeyboardHook();
}

int CPopDlg::Run(PopupMode mode, QWidget* owner, const Services& services,
                 CTavComboButton* assignTarget) {
    CPopDlg popup(mode, owner, services);
    popup.SetAssignTarget(assignTarget);
    return popup.exec() == kAccepted ? kAccepted : kDeclined;
}

void CPopDlg::SetUpFace() {
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    // A mode's number is the skin element of its face.
    SetBackgroundImage(skin.GetSkinImage(static_cast<int>(mode_), SkinState::Normal, {}));

    const PopupFace face = PopupFaceFor(mode_);
    const auto place = [&](CTavButton* button, const QRect& rect) {
        button->setVisible(!rect.isEmpty());
        if (rect.isEmpty()) {
            return;
        }
        button->setGeometry(rect);
        QImage images[kSkinStateCount];
        for (const SkinState state : FamilyStates(face.family)) {
            images[StateIndex(state)] = skin.CropFamily(face.family, state, rect);
        }
        button->SetImages(images[0], images[1], images[2], images[3]);
    };
    place(ok_, face.ok);
    place(cancel_, face.cancel);
    place(close_, face.close);

    time_->hide();
    image_->hide();
    time_->setGeometry(face.time);
    image_->setGeometry(face.image);
    if (!face.time.isEmpty()) {
        time_->SetBackground(skin.CropFamily(face.family, SkinState::Normal, face.time));
    }
    if (!face.image.isEmpty()) {
        image_->SetBackground(skin.CropFamily(face.family, SkinState::Normal, face.image));
    }
}

void CPopDlg::SetUpCountdown() {
    ok_->setEnabled(false);
    time_->SetText(QString::number(kCountdownStart));
    time_->show();
    const QString folder = SkinImageSet::Instance().skinFolder();
    for (int picture = 1; picture <= kCountdownPictures; ++picture) {
        image_->AddImage(
            SkinImageSet::LoadImageFile(QStringLiteral("%1/TQA2-%2.bmp").arg(folder).arg(picture)));
    }
    image_->SetCurrentImageIndex(0);
    image_->show();
    countdownTimer_.start();
}

void CPopDlg::SetUpKeyCapture() {
    time_->SetFontHeight(kKeyNameFontHeight);
    time_->SetText(QString());
    time_->show();
    // Keys typed while the pop-up is in front must not act on it: they are captured instead.
    qApp->installEventFilter(this);
    if (!services_.keyboardHook.InstallKeyboardHook(this)) {
        LogLine(&services_.log, "popup", "no keyboard hook for the key capture");
        MessageBox::Show(parentWidget(), kSetHookFailed);
    }
    setFocus();
}

void CPopDlg::CountdownTick() {
    const int shown = countdownNumber();
    if (shown <= 0) {
        ok_->setEnabled(true);
        countdownTimer_.stop();
        return;
    }
    const int next = shown - 1;
    time_->SetText(QString::number(next));
    image_->SetCurrentImageIndex((kCountdownStart - next) % kCountdownPictures);
    if (next == 0) {
        services_.link.clock().Sleep(kResultDelay);
        OnOk();
    }
}

int CPopDlg::countdownNumber() const {
    return time_->CurrentText().toInt();
}

void CPopDlg::ControlClicked(int controlId) {
    switch (controlId) {
        case kOkId:
            OnOk();
            break;
        case kCancelId:
        case kCloseId:
            OnCancel();
            break;
        default:
            break;
    }
}

void CPopDlg::reject() {
    if (mode_ != PopupMode::AssignKey) {
        done(kDeclined);
    }
}

void CPopDlg::OnOk() {
    switch (mode_) {
        case PopupMode::SurfaceIntro:
            StartAnalysis();
            break;
        case PopupMode::SurfaceCountdown:
            OpenResultStep();
            break;
        case PopupMode::AssignKey:
            AssignCapturedKey();
            break;
        default:
            done(kAccepted);
            break;
    }
}

void CPopDlg::OnCancel() {
    if (mode_ == PopupMode::AssignKey) {
        ReleaseAssignTarget();
    }
    done(kDeclined);
}

void CPopDlg::StartAnalysis() {
    // Looked up afresh even when the link believes the mouse is there: it may have been unplugged.
    DeviceLink& link = services_.link;
    if (!link.OpenMouse()) {
        link.CloseMouse();
        MessageBox::Show(this, QString::fromLatin1(kMouseNotFoundMessage));
        return;
    }
    // A failed start is not shown: the quality read after the analysis tells the user.
    const DeviceResult started = StartSurfaceAnalysis(link);
    if (started != DeviceResult::Done) {
        LogLine(&services_.log, "popup",
                "starting the surface analysis failed with result " +
                    std::to_string(static_cast<int>(started)));
    }
    done(RunNextStep(PopupMode::SurfaceCountdown) == kAccepted ? kAccepted : kDeclined);
}

void CPopDlg::OpenResultStep() {
    // Enter can open the result before the count ends; the count then reaching 0 under it must
    // not open a second one.
    if (resultStepOpen_) {
        return;
    }
    resultStepOpen_ = true;
    const int result = RunNextStep(PopupMode::SurfaceResult);
    resultStepOpen_ = false;
    done(result == kAccepted ? kAccepted : kDeclined);
}

int CPopDlg::RunNextStep(PopupMode step) {
    return services_.steps != nullptr ? services_.steps->Run(step, this)
                                      : Run(step, this, services_);
}

void CPopDlg::AssignCapturedKey() {
    ReleaseAssignTarget();
    const std::optional<int> key = capture_.Key();
    if (assignTarget_ != nullptr && key.has_value()) {
        assignTarget_->SetSelection(KeyNameText(capture_), ToCode(ButtonFunction::SingleKey), *key);
    }
    done(kAccepted);
}

void CPopDlg::ReleaseAssignTarget() {
    // The menu entry that opened the pop-up must not become the button's selection.
    if (assignTarget_ != nullptr) {
        assignTarget_->SetAcceptSelection(false);
    }
}

bool CPopDlg::event(QEvent* event) {
    if (event->type() == KeyCapturedEvent::kType) {
        if (mode_ == PopupMode::AssignKey) {
            capture_.OnKeyEvent(static_cast<KeyCapturedEvent*>(event)->virtualKey());
            time_->SetText(KeyNameText(capture_));
        }
        return true;
    }
    return CTavImageDialog::event(event);
}

bool CPopDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            if (AddressedToThisPopup(watched)) {
                return true;
            }
            break;
        default:
            break;
    }
    return CTavImageDialog::eventFilter(watched, event);
}

bool CPopDlg::AddressedToThisPopup(QObject* receiver) const {
    if (!receiver->isWidgetType()) {
        return false;
    }
    const auto* widget = static_cast<const QWidget*>(receiver);
    return widget == this || isAncestorOf(widget);
}

void CPopDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // In the countdown Enter acts even while the OK button is still disabled.
            OnOk();
            break;
        case Qt::Key_Escape:
            reject();
            break;
        default:
            CTavImageDialog::keyPressEvent(event);
            break;
    }
}

}  // namespace orvex::ui
