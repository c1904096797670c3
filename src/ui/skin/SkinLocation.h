#pragma once

#include <QString>

namespace orvex::ui {

// Where the skin bitmaps and the skin's typeface live: in folders beside the program, or, for an
// installed program, in its share folder.
struct SkinLocation {
    QString skinFolder;
    QString fontFile;

    // Each of the two is taken from beside the program when it exists there, else from
    // <program folder>/../share/orvex-sk/.
    static SkinLocation ForProgramFolder(const QString& programFolder);
    // Also before the application object exists, so the skin can be read while it starts.
    static SkinLocation ForRunningProgram();
};

}  // namespace orvex::ui
