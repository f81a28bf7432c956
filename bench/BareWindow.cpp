// The floor for start-up: a bare Qt Widgets window of the quiz window's size. With --text it
// also shows one line of text, which makes Qt load its font database as any program with text
// must.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("Bare"));
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(635, 442);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QStringLiteral("Are you a self-governor..."), &window);
    window.show();
    return app.exec();
}
