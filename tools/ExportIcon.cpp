// Writes the program icon as PNG files for the desktop's icon theme:
//   export_icon <folder>
// gives <folder>/32x32/apps/org.example.quiz.png and the same picture enlarged without smoothing
// (the icon is pixel art) at 64 x 64 and 128 x 128.

#include <QDir>
#include <QImage>

#include <cstdio>

#include "Pictures.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_icon <folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QImage icon = content::ProgramIconImage().convertToFormat(QImage::Format_ARGB32);
    for (int size : {32, 64, 128}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder))
            return 1;
        const QImage scaled =
            icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!scaled.save(root.filePath(folder + QStringLiteral("/org.example.quiz.png"))))
            return 1;
    }
    return 0;
}
