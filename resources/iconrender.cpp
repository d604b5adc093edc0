// Runs at build time: draws each SVG icon given at every size of iconsizes.h into PNG files,
// and writes the resource file that compiles them into the program as :/icons/NAME-SIZE.png.
//
//   tincta_iconrender OUTPUT_DIR ICON.svg...

#include "gui/widgets/iconsizes.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

namespace {

bool drawIcon(const QString& svgPath, const QString& outputDir, QTextStream& resources) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(svgPath));
        return false;
    }
    const QString name = QFileInfo(svgPath).completeBaseName();
    for (const int side : tincta::renderedIconSizes) {
        // Not premultiplied, so the PNG keeps exactly what was drawn.
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            renderer.render(&painter);
        }
        const QString file = QStringLiteral("%1-%2.png").arg(name).arg(side);
        if (!image.save(outputDir + QLatin1Char('/') + file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
        resources << "        <file>" << file << "</file>\n";
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: tincta_iconrender OUTPUT_DIR ICON.svg...\n", stderr);
        return 2;
    }
    const QString outputDir = QString::fromLocal8Bit(argv[1]);
    QSaveFile qrc(outputDir + QStringLiteral("/icons.qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return 1;
    QTextStream resources(&qrc);
    resources << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/icons\">\n";
    for (int i = 2; i < argc; ++i) {
        if (!drawIcon(QString::fromLocal8Bit(argv[i]), outputDir, resources))
            return 1;
    }
    resources << "    </qresource>\n</RCC>\n";
    resources.flush();
    return qrc.commit() ? 0 : 1;
}
