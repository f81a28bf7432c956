#include "CommandLine.h"

#include "Translations.h"

#include <QCoreApplication>

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace {

// Qt's options as its application objects and platform plug-ins take them out of the arguments
// (with one dash or two; a value follows as the next argument, or after '=' for -style).
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowtitle", true},
    {"qwindowicon", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"reverse", false},
    {"widgetcount", false},
    // The X11 plug-in's own.
    {"display", true},
    {"geometry", true},
    {"title", true},
    {"icon", true},
    {"name", true},
    {"visual", true},
    {"nograb", false},
    {"dograb", false},
};

// The help, in the user's language where the program speaks it.
constexpr char Usage[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: quiz [option...]\n"
    "Quiz!, a ten-question political self-assessment quiz: answer five statements on personal\n"
    "and five on economic issues with Yes, Maybe or No, and see where the answers place you on\n"
    "a two-axis political map, with quotations, profiles and organisations to read. It keeps\n"
    "nothing: no files, no settings, no network.\n"
    "\n"
    "Options:\n"
    "  -h, --help        show this help and exit\n"
    "  -v, --version     show the version and exit\n"
    "\n"
    "Qt's options, passed on to the toolkit:\n"
    "  -platform NAME    the display plug-in: xcb (X11), wayland, offscreen...\n"
    "  -display NAME     the X11 display to use instead of $DISPLAY\n"
    "  -style NAME       the style of the controls, such as Fusion or Windows\n"
    "  -reverse          lay the windows out from right to left\n"
    "  and -platformtheme, -platformpluginpath, -plugin, -qwindowgeometry, -qwindowtitle,\n"
    "  -qwindowicon, -stylesheet, -session, -widgetcount; on X11 also -geometry, -title,\n"
    "  -icon, -name, -visual, -nograb, -dograb.\n"
    "\n"
    "The manual page quiz(1) describes the environment variables it reads.\n");

// The argument as the user typed it (without any "=value") for an option the parser names.
QString TypedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        const QString typed = bare;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name)
            return typed;
    }
    return name;
}

int UsageError(const QString& problem) {
    std::fprintf(stderr, "quiz: %s; see 'quiz --help'\n", problem.toLocal8Bit().constData());
    return 2;
}

} // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // Qt's options are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& option : QtOptions) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option.name), QString(),
                               option.takesValue ? QStringLiteral("value") : QString()));
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return UsageError(QStringLiteral("unknown option '%1'")
                                  .arg(TypedOption(arguments, unknown.constFirst())));
        }
        QString problem = parser.errorText(); // "Missing value after '-style'."
        if (problem.endsWith(QLatin1Char('.')))
            problem.chop(1);
        if (!problem.isEmpty())
            problem[0] = problem[0].toLower();
        return UsageError(problem);
    }
    if (parser.isSet(help)) {
        std::fputs(quiz::TranslateEarly("CommandLine", Usage).toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::puts("quiz " QUIZ_VERSION);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return UsageError(QStringLiteral("unexpected argument '%1'")
                              .arg(parser.positionalArguments().constFirst()));
    }
    return std::nullopt;
}
