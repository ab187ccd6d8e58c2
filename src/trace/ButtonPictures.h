#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace trace {

// Pictures of the two toolbar toggles. A BMP of the named file in the program
// folder is used when it exists and can be read; otherwise the built-in picture.
class ButtonPictures {
public:
    // btAproks: "APROCSIM.BMP" when approximation is on (tag 0), "NOT_APROCSIM.BMP" when off.
    static QPixmap aproks(int tag);
    // btScreen: "down_two.BMP" when the upper chart is shown (tag 0), "down_one.BMP" when hidden.
    static QPixmap screen(int tag);

    static QIcon aproksIcon(int tag) { return QIcon(aproks(tag)); }
    static QIcon screenIcon(int tag) { return QIcon(screen(tag)); }

    // The file in the program folder, else the resource.
    static QPixmap load(const QString& fileName, const QString& builtIn);
};

} // namespace trace
