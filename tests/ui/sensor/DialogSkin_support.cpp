#include "ui/sensor/DialogSkin.h"
#include "ui/skin/SkinFiles.h"

namespace orvex::ui::testing {

namespace {

constexpr int kSupportSlots = 4;
constexpr int kRenameSlots = 4;
// The pop-up families are the last in the load order.
const int kPopupSlotsBegin = FamilySlot(SkinFamily::LeftClickWarn, SkinState::Normal);
constexpr int kPopupSlotsEnd = kSkinFileCount;

QSize SizeOfSlot(int slot) {
    if (slot >= kSlotSupportNormal && slot < kSlotSupportNormal + kSupportSlots) {
        return DialogSkin::kSupportSize;
    }
    if (slot >= kSlotReNameNormal && slot < kSlotReNameNormal + kRenameSlots) {
        return DialogSkin::kRenameSize;
    }
    if (slot >= kPopupSlotsBegin && slot < kPopupSlotsEnd) {
        return DialogSkin::kPopupSize;
    }
    return {};
}

}  // namespace

DialogSkin::DialogSkin() : set_(folder_.path()) {
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        const QSize size = SizeOfSlot(slot);
        if (size.isValid()) {
            folder_.WriteImage(kSkinFileNames[static_cast<std::size_t>(slot)], Picture(slot, size));
        }
    }
    for (int index = 0; index < 3; ++index) {
        const std::string name = "TQA2-" + std::to_string(index + 1) + ".bmp";
        folder_.WriteImage(name, CountdownPicture(index));
    }
    SkinImageSet::SetInstanceForTests(&set_);
}

DialogSkin::~DialogSkin() {
    SkinImageSet::SetInstanceForTests(nullptr);
}

QImage DialogSkin::Picture(int slot, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(slot * 4, x & 0xFF, y & 0xFF));
        }
    }
    return image;
}

QImage DialogSkin::CountdownPicture(int index) {
    QImage image(kCountdownPictureSize, QImage::Format_RGB32);
    image.fill(qRgb(200 + index, 0, 0));
    return image;
}

}  // namespace orvex::ui::testing
