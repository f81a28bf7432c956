#include "Desktop.h"

#include <QString>

#include "Wayland.h"
#if QUIZ_X11
#include "X11.h"
#endif

namespace quiz {

// The one file that knows every desktop: each desktop's own file knows only Desktop.h.
std::unique_ptr<Desktop> MakeDesktop(const QString& platformName, StackView& stack) {
#if QUIZ_X11
    if (platformName == QLatin1String("xcb"))
        return MakeX11Desktop(stack);
#endif
    if (platformName.startsWith(QLatin1String("wayland")))
        return MakeWaylandDesktop(stack);
    return std::make_unique<Desktop>(stack);
}

} // namespace quiz
