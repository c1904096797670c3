#include "ui/profiles/CRenameDlg.h"

#include <QKeyEvent>

#include "ui/layout/RenameLayout.h"
#include "ui/skin/CTavButton.h"
#include "ui/skin/CTavEdit.h"
#include "ui/skin/LayoutRectQt.h"
#include "ui/skin/SkinImageSet.h"

namespace orvex::ui {

namespace {

constexpr int kReNameNormalElement = 140;

}  // namespace

CRenameDlg::CRenameDlg(ProfileRecord& profile, QWidget* owner)
    : CTavImageDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      profile_(profile),
      ok_(new CTavButton(this)),
      cancel_(new CTavButton(this)),
      close_(new CTavButton(this)),
      edit_(new CTavEdit(this)) {
    SkinImageSet& skin = SkinImageSet::Instance();
    skin.LoadSkinImages();
    SetBackgroundImage(skin.GetSkinImage(kReNameNormalElement, SkinState::Normal, {}));

    const auto place = [&](CTavButton* button, int id, const layout::LayoutRect& where) {
        const QRect rect = ToQRect(where);
        button->SetControlId(id);
        button->setGeometry(rect);
        button->setFocusPolicy(Qt::NoFocus);
        button->SetImages(skin.CropFamily(SkinFamily::ReName, SkinState::Normal, rect),
                          skin.CropFamily(SkinFamily::ReName, SkinState::Hover, rect),
                          skin.CropFamily(SkinFamily::ReName, SkinState::Pressed, rect), QImage());
    };
    place(ok_, kOkId, layout::rename::kOk);
    place(cancel_, kCancelId, layout::rename::kCancel);
    place(close_, kCloseId, layout::rename::kClose);

    const QRect editRect = ToQRect(layout::rename::kEdit);
    edit_->SetControlId(kEditId);
    edit_->setGeometry(editRect);
    edit_->SetBackgroundImage(skin.CropFamily(SkinFamily::ReName, SkinState::Normal, editRect));
    edit_->setFocus();
}

int CRenameDlg::Run(ProfileRecord& profile, QWidget* owner) {
    CRenameDlg dialog(profile, owner);
    return dialog.exec() == kRenamed ? kRenamed : kUnchanged;
}

void CRenameDlg::ControlClicked(int controlId) {
    switch (controlId) {
        case kOkId:
            Rename();
            break;
        case kCancelId:
        case kCloseId:
            reject();
            break;
        default:
            break;
    }
}

void CRenameDlg::reject() {
    done(kUnchanged);
}

void CRenameDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Rename();
            break;
        default:
            CTavImageDialog::keyPressEvent(event);
            break;
    }
}

void CRenameDlg::Rename() {
    // An empty text is a name too: the slot then shows no caption.
    profile_.name = edit_->text().toStdU16String();
    done(kRenamed);
}

}  // namespace orvex::ui
