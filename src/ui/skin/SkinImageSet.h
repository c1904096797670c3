#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <atomic>
#include <stop_token>
#include <thread>

#include "ui/skin/SkinFiles.h"

namespace orvex::ui {

// The skin bitmaps, loaded once on first use and kept for the life of the program. Controls get
// their images by skin element number and control state; the set cuts the control's rectangle
// out of the bitmap of the page's family for that state.
//
// Images are values: a "shared" element returns the set's own image (the same cacheKey on every
// call), and since QImage copies on write a caller can never change the set's copy. "Copy" and
// "crop" elements return new images.
//
// When a request needs an image that did not load, or names no element, the user is told
// "ui load failed!" and the program ends once control returns to the event loop.
class SkinImageSet {
  public:
    // Files larger than this are not skin bitmaps and are not read.
    static constexpr qint64 kMaxImageFileBytes = 64 * 1024 * 1024;

    explicit SkinImageSet(QString skinFolder);
    SkinImageSet(const SkinImageSet&) = delete;
    SkinImageSet& operator=(const SkinImageSet&) = delete;

    // The process-wide set, reading the skin folder beside the running program.
    static SkinImageSet& Instance();
    // Tests point Instance() at a set of their own; nullptr goes back to the program's set.
    static void SetInstanceForTests(SkinImageSet* set);

    // Starts decoding the skin files on a thread of their own, so that the decoding overlaps what
    // the program does before its first window needs them (connecting to the display, reading
    // its files). Safe before the application object exists. Does nothing once started.
    void StartLoading();
    // Stops the decoding StartLoading began and waits for it; for a start that ends before any
    // window was made, so that no decoding outlives the program's exit.
    void StopLoading();
    // Loads all skin files, at most once: the loaded flag is set before loading starts. Decoding
    // started by StartLoading is shared with the calling thread and waited for.
    void LoadSkinImages();
    bool IsLoaded() const { return loaded_; }

    // `rect` is the control's rectangle in page pixels; whole-image elements ignore it and the
    // state.
    QImage GetSkinImage(int element, SkinState state, const QRect& rect);

    // The rectangle of a family's bitmap for a control state, for controls without an element
    // number; the same failure rule as GetSkinImage.
    QImage CropFamily(SkinFamily family, SkinState state, const QRect& rect);

    // The loaded image of a slot (null when its file did not load).
    const QImage& SlotImage(int slot);

    // Drops the decoded bitmaps; a later request decodes its file again. The window calls it once
    // its controls hold their own pieces: the whole set, decoded, is as large as the rest of the
    // program.
    void ReleaseImages();

    const QString& skinFolder() const { return skinFolder_; }

    // Decodes an image file by its content (BMP, PNG with alpha, ...). A missing, oversized or
    // undecodable file gives a null image. The file is read whole and closed at once, so skin
    // files can be replaced while the program runs.
    static QImage LoadImageFile(const QString& path);

  private:
    QString SlotPath(int slot) const;
    QImage SlotFile(int slot) const;
    // Takes undecoded slots in turn until none is left or a stop is asked for. Each slot is
    // decoded by exactly one thread; Qt's reader is left to the thread that finishes loading.
    void DecodePlainSlots(const std::stop_token& stop);
    QImage TakeFromSlot(int slot, bool copy);
    QImage CropSlot(int slot, const QRect& rect);
    void ReportLoadFailure();

    QString skinFolder_;
    std::array<QImage, kSkinFileCount> images_;
    std::array<bool, kSkinFileCount> released_{};
    bool loaded_ = false;
    bool failureReported_ = false;
    bool decodingStarted_ = false;
    std::atomic<int> nextSlotToDecode_{0};
    // Last, so that it is stopped and joined before the images it writes are destroyed.
    std::jthread decoder_;
};

// The rectangle of an image, or a null image when the rectangle is empty or not wholly inside it
// (the crop is refused; nothing is reported).
QImage CropImage(const QImage& image, const QRect& rect);

}  // namespace orvex::ui
