#pragma once
#include <QPixmap>

namespace tools {

// The program's logo, drawn rather than shipped: 286 x 92 pixels, the size of
// the report's page header picture.
class AboutLogo {
public:
    static constexpr int kWidth = 286;
    static constexpr int kHeight = 92;
    static QPixmap picture();
};

} // namespace tools
