#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "Families.h"

// Draws the default skin into the folder given on the command line. Lettering needs Qt's font
// machinery, hence a (window-less) GUI application.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvex-skin-gen OUT_DIR\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "orvex-skin-gen: cannot create %s\n", argv[1]);
        return 1;
    }
    using Writer = bool (*)(const QDir&);
    const Writer writers[] = {
        orvex::skingen::WriteMainFamily,         orvex::skingen::WriteMouseSettingFamily,
        orvex::skingen::WriteSensorFamily,       orvex::skingen::WriteColorSettingFamily,
        orvex::skingen::WriteMacroSettingFamily, orvex::skingen::WriteSupportFamily,
        orvex::skingen::WriteRenameFamily,       orvex::skingen::WritePopupFamilies,
        orvex::skingen::WriteSliderImages,       orvex::skingen::WriteScrollFamily,
        orvex::skingen::WriteColorPanelImage,    orvex::skingen::WriteMousePicture,
        orvex::skingen::WriteSurfacePictures,    orvex::skingen::WriteCountdownPictures,
    };
    bool written = true;
    for (Writer write : writers) {
        written = write(folder) && written;
    }
    if (!written) {
        std::fprintf(stderr, "orvex-skin-gen: some skin files could not be written to %s\n",
                     argv[1]);
        return 1;
    }
    return 0;
}
