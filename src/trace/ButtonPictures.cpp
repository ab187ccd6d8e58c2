#include "trace/ButtonPictures.h"

#include "store/ProgramFolder.h"

#include <QFileInfo>

// Resources of a static library must be registered explicitly, from the global namespace.
static void registerTraceResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(trace);
        return true;
    }();
    (void)done;
}

namespace trace {

QPixmap ButtonPictures::load(const QString& fileName, const QString& builtIn) {
    const QString path = store::programFolder() + fileName;
    if (QFileInfo(path).isFile()) {
        QPixmap fromFile(path);
        if (!fromFile.isNull()) return fromFile;
    }
    registerTraceResources();
    return QPixmap(builtIn);
}

QPixmap ButtonPictures::aproks(int tag) {
    return tag == 0 ? load(QStringLiteral("APROCSIM.BMP"), QStringLiteral(":/trace/pictures/aprocsim.png"))
                    : load(QStringLiteral("NOT_APROCSIM.BMP"),
                           QStringLiteral(":/trace/pictures/not_aprocsim.png"));
}

QPixmap ButtonPictures::screen(int tag) {
    return tag == 0 ? load(QStringLiteral("down_two.BMP"), QStringLiteral(":/trace/pictures/down_two.png"))
                    : load(QStringLiteral("down_one.BMP"), QStringLiteral(":/trace/pictures/down_one.png"));
}

} // namespace trace
