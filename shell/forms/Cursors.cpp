#include "Cursors.h"

#include <map>

namespace quiz {

namespace {
std::map<int, QCursor>& Table() {
    static std::map<int, QCursor> table;
    return table;
}
} // namespace

void RegisterCursor(int number, const QCursor& cursor) {
    Table()[number] = cursor;
}

QCursor CursorNumber(int number) {
    const auto found = Table().find(number);
    return found != Table().end() ? found->second : QCursor(Qt::ArrowCursor);
}

} // namespace quiz
