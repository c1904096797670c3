#pragma once

#include <QImage>
#include <QSize>

#include "ui/skin/SkinImageSet.h"
#include "ui/skin/SkinTestFolder.h"

namespace orvex::ui::testing {

// The test skin with the pop-up, rename and support bitmaps at the sizes their layouts need, and
// the three countdown pictures, made the program's skin set while it lives. Every picture tells
// where a pixel came from as the test skin does: red = slot × 4, green = x, blue = y (mod 256).
class DialogSkin {
  public:
    static constexpr QSize kPopupSize{400, 190};
    static constexpr QSize kRenameSize{397, 165};
    static constexpr QSize kSupportSize{704, 360};
    static constexpr QSize kCountdownPictureSize{196, 95};

    DialogSkin();
    ~DialogSkin();
    DialogSkin(const DialogSkin&) = delete;
    DialogSkin& operator=(const DialogSkin&) = delete;

    static QImage Picture(int slot, QSize size);
    // Countdown picture 0..2 is one colour: red 200 + index.
    static QImage CountdownPicture(int index);

    const SkinTestFolder& folder() const { return folder_; }
    SkinImageSet& set() { return set_; }

  private:
    SkinTestFolder folder_;
    SkinImageSet set_;
};

}  // namespace orvex::ui::testing
