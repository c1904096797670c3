#include "ui/skin/SkinImageSet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <utility>

#include "ui/skin/MessageBox.h"
#include "ui/skin/SkinElementTable.h"
#include "ui/skin/SkinLocation.h"

namespace orvex::ui {
namespace {

SkinImageSet* instanceForTests = nullptr;

}  // namespace

SkinImageSet::SkinImageSet(QString skinFolder) : skinFolder_(std::move(skinFolder)) {}

SkinImageSet& SkinImageSet::Instance() {
    if (instanceForTests != nullptr) {
        return *instanceForTests;
    }
    static SkinImageSet programSet(SkinLocation::ForRunningProgram().skinFolder);
    return programSet;
}

void SkinImageSet::SetInstanceForTests(SkinImageSet* set) {
    instanceForTests = set;
}

void SkinImageSet::LoadSkinImages() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        images_[static_cast<std::size_t>(slot)] = SlotFile(slot);
    }
}

QImage SkinImageSet::SlotFile(int slot) const {
    const std::string_view name = kSkinFileNames[static_cast<std::size_t>(slot)];
    return LoadImageFile(
        QDir(skinFolder_)
            .filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
}

void SkinImageSet::ReleaseImages() {
    for (std::size_t slot = 0; slot < images_.size(); ++slot) {
        // A bitmap that did not load stays missing, so its failure is still reported.
        released_[slot] = !images_[slot].isNull();
        images_[slot] = QImage();
    }
}

QImage SkinImageSet::GetSkinImage(int element, SkinState state, const QRect& rect) {
    LoadSkinImages();
    const SkinElementSource source = ResolveSkinElement(element, state);
    switch (source.kind) {
        case SkinElementSource::Kind::Shared:
            return TakeFromSlot(source.slot, false);
        case SkinElementSource::Kind::Copy:
            return TakeFromSlot(source.slot, true);
        case SkinElementSource::Kind::Crop:
            return CropSlot(source.slot, rect);
        case SkinElementSource::Kind::Invalid:
            break;
    }
    ReportLoadFailure();
    return {};
}

QImage SkinImageSet::CropFamily(SkinFamily family, SkinState state, const QRect& rect) {
    LoadSkinImages();
    const int slot = FamilySlot(family, state);
    if (slot < 0) {
        ReportLoadFailure();
        return {};
    }
    return CropSlot(slot, rect);
}

const QImage& SkinImageSet::SlotImage(int slot) {
    static const QImage none;
    if (slot < 0 || slot >= kSkinFileCount) {
        return none;
    }
    const auto index = static_cast<std::size_t>(slot);
    if (released_[index]) {
        released_[index] = false;
        images_[index] = SlotFile(slot);
    }
    return images_[index];
}

QImage SkinImageSet::TakeFromSlot(int slot, bool copy) {
    const QImage& image = SlotImage(slot);
    if (image.isNull()) {
        ReportLoadFailure();
        return {};
    }
    return copy ? image.copy() : image;
}

QImage SkinImageSet::CropSlot(int slot, const QRect& rect) {
    const QImage& image = SlotImage(slot);
    if (image.isNull()) {
        ReportLoadFailure();
        return {};
    }
    return CropImage(image, rect);
}

// The first failure tells the user and asks the event loop to end the program. Later failures
// (a page typically crops dozens of controls from the same missing bitmap) stay silent: the
// program is already on its way out, and one box per control would have to be clicked away one by
// one before it could end.
void SkinImageSet::ReportLoadFailure() {
    if (failureReported_) {
        return;
    }
    failureReported_ = true;
    MessageBox::Show(nullptr, QStringLiteral("ui load failed!"));
    // Queued, so that a failure during start-up, before the event loop runs, still ends the
    // program as soon as the loop starts.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
}

QImage SkinImageSet::LoadImageFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxImageFileBytes) {
        return {};
    }
    // Read by the size already checked: read() reserves as much as it is allowed to read.
    QByteArray bytes = file.read(file.size());
    file.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QImage CropImage(const QImage& image, const QRect& rect) {
    if (image.isNull() || rect.isEmpty() || !image.rect().contains(rect)) {
        return {};
    }
    return image.copy(rect);
}

}  // namespace orvex::ui
