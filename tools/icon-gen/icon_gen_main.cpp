#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "orvex/BuildInfo.h"
#include "ui/app/AppIcon.h"

namespace {

using orvex::ui::AppIcon;

// The scalable icon is drawn on a 100-unit square, the grid the icon's shapes are laid out on.
constexpr int kScalableUnits = 100;

QString IconFileName(const char* extension) {
    return QString::fromLatin1(orvex::kApplicationId) + u'.' + QLatin1String(extension);
}

bool WritePng(const QDir& theme, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    return theme.mkpath(folder) &&
           AppIcon::Render(size).save(theme.filePath(folder + u'/' + IconFileName("png")), "PNG");
}

bool WriteSvg(const QDir& theme) {
    const QString folder = QStringLiteral("scalable/apps");
    if (!theme.mkpath(folder)) {
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(theme.filePath(folder + u'/' + IconFileName("svg")));
    svg.setSize(QSize(kScalableUnits, kScalableUnits));
    svg.setViewBox(QRect(0, 0, kScalableUnits, kScalableUnits));
    svg.setTitle(QStringLiteral("ORVEX SK"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    AppIcon::Paint(painter, kScalableUnits);
    return painter.end();
}

}  // namespace

// Draws the program's icon into OUT_DIR as a hicolor icon theme tree: a PNG at each size the
// program itself uses, and an SVG.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvex-icon-gen OUT_DIR\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    bool written = WriteSvg(theme);
    for (const int size : AppIcon::kSizes) {
        written = WritePng(theme, size) && written;
    }
    if (!written) {
        std::fprintf(stderr, "orvex-icon-gen: cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
