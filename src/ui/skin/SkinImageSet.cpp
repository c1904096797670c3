#include "ui/skin/SkinImageSet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <fstream>
#include <system_error>
#include <utility>

#include "ui/skin/MessageBox.h"
#include "ui/skin/PlainBitmap.h"
#include "ui/skin/SkinElementTable.h"
#include "ui/skin/SkinLocation.h"

namespace orvex::ui {
namespace {

SkinImageSet* instanceForTests = nullptr;

// Reads a whole image file into `bytes`, reusing its storage: touching fresh pages for every
// file costs more than decoding it. False for a missing, unreadable or oversized file.
// Standard streams rather than QFile: a QFile is a QObject, and the first QObject a program
// makes claims its thread as Qt's main thread, which must stay the one that makes the
// application object. This also runs before that object exists.
bool ReadImageFile(const QString& path, QByteArray& bytes) {
    std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    if (size < 0 || size > SkinImageSet::kMaxImageFileBytes) {
        return false;
    }
    bytes.resize(static_cast<qsizetype>(size));
    file.seekg(0);
    file.read(bytes.data(), size);
    // A file that shrank while it was read is decoded as far as it goes.
    bytes.resize(static_cast<qsizetype>(file.gcount()));
    return !file.bad();
}

QImage DecodeImageBytes(QByteArray& bytes) {
    QImage image = DecodePlainBitmap(bytes);
    if (!image.isNull()) {
        return image;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

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

void SkinImageSet::StartLoading() {
    if (decodingStarted_) {
        return;
    }
    decodingStarted_ = true;
    try {
        decoder_ = std::jthread([this](const std::stop_token& stop) { DecodePlainSlots(stop); });
    } catch (const std::system_error&) {
        // Without a second thread the thread that loads the images decodes them all.
    }
}

void SkinImageSet::StopLoading() {
    if (decoder_.joinable()) {
        decoder_.request_stop();
        decoder_.join();
    }
}

void SkinImageSet::LoadSkinImages() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    // On two cores the skin decodes in about half the time.
    StartLoading();
    DecodePlainSlots(std::stop_token());
    if (decoder_.joinable()) {
        decoder_.join();
    }
    for (int slot = 0; slot < kSkinFileCount; ++slot) {
        QImage& image = images_[static_cast<std::size_t>(slot)];
        if (image.isNull()) {
            image = SlotFile(slot);
        }
    }
}

void SkinImageSet::DecodePlainSlots(const std::stop_token& stop) {
    QByteArray bytes;
    for (int slot = nextSlotToDecode_++; slot < kSkinFileCount && !stop.stop_requested();
         slot = nextSlotToDecode_++) {
        if (ReadImageFile(SlotPath(slot), bytes)) {
            images_[static_cast<std::size_t>(slot)] = DecodePlainBitmap(bytes);
        }
    }
}

QString SkinImageSet::SlotPath(int slot) const {
    const std::string_view name = kSkinFileNames[static_cast<std::size_t>(slot)];
    return QDir(skinFolder_)
        .filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QImage SkinImageSet::SlotFile(int slot) const {
    return LoadImageFile(SlotPath(slot));
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
    QByteArray bytes;
    return ReadImageFile(path, bytes) ? DecodeImageBytes(bytes) : QImage();
}

QImage CropImage(const QImage& image, const QRect& rect) {
    if (image.isNull() || rect.isEmpty() || !image.rect().contains(rect)) {
        return {};
    }
    return image.copy(rect);
}

}  // namespace orvex::ui
