#include <QDataStream>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

#include "Contrast.h"
#include "ContrastRatio.h"
#include "MapChart.h"
#include "Pictures.h"
#include "Style.h"
#include "XSettings.h"

using quiz::Look;
using quiz::test::ContrastRatio;

namespace {

constexpr Look HighContrastLooks[] = {Look::HighContrast, Look::HighContrastInverse};

// Every colour a control or a text may stand on in a look.
QList<QColor> Backgrounds(Look look) {
    const QPalette palette = quiz::PaletteOf(look);
    QList<QColor> backgrounds;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        backgrounds << palette.color(role);
    quiz::SetLook(look);
    for (const QRgb surface : {quiz::DesignWhite, quiz::DesignAqua, quiz::DesignNavy})
        backgrounds << quiz::SurfaceColour(QColor::fromRgba(surface));
    quiz::SetLook(Look::Design);
    return backgrounds;
}

// An X settings manager's property: an integer, a colour, then the theme's name.
QByteArray XSettingsNaming(const QByteArray& theme, QDataStream::ByteOrder order) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(order);
    const auto padded = [&](const QByteArray& text) {
        out.writeRawData(text.constData(), int(text.size()));
        out.writeRawData("\0\0\0", int(-text.size() & 3));
    };
    const auto head = [&](quint8 type, const QByteArray& name) {
        out << type << quint8(0) << quint16(name.size());
        padded(name);
        out << quint32(0); // its serial
    };
    out << quint8(order == QDataStream::BigEndian) << quint8(0) << quint16(0) << quint32(7)
        << quint32(3);
    head(0, "Net/DoubleClickTime");
    out << quint32(400);
    head(2, "Gtk/Colour");
    out << quint32(0x7f7f7f7f) << quint32(0x7f7f7f7f);
    head(1, "Net/ThemeName");
    out << quint32(theme.size());
    padded(theme);
    return data;
}

// Ends a step that outlasts its deadline instead of letting it hang the run: first it opens the
// write end of the named pipe the step may be stuck on, which releases a reader blocked on its
// far end, and records that it had to; a step still stuck after that ends the test program.
class Deadline {
public:
    Deadline(std::chrono::milliseconds limit, QByteArray pipe)
        : watcher_([this, limit, pipe = std::move(pipe)] {
            std::unique_lock lock(mutex_);
            if (finished_.wait_for(lock, limit, [this] { return done_; }))
                return;
            expired_ = true;
            const int writer = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            if (!finished_.wait_for(lock, std::chrono::seconds(5), [this] { return done_; })) {
                std::fputs("FAIL: a step is still stuck after its deadline\n", stderr);
                std::_Exit(3);
            }
        }) {}
    ~Deadline() { Finish(); }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

    // Whether the step had to be released.
    bool Finish() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        finished_.notify_all();
        if (watcher_.joinable())
            watcher_.join();
        return expired_;
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    bool expired_ = false;
    std::thread watcher_; // last: it starts once the rest is there
};

} // namespace

class TestContrast : public QObject {
    Q_OBJECT
private slots:
    void ratiosAreWcags() {
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(qRound(ContrastRatio(QColor(0xb2, 0xb2, 0xb2), Qt::white) * 100), 212);
    }

    // Every text role on its background in every colour group, disabled text too.
    void everyTextStandsOut7To1InHighContrast() {
        using enum QPalette::ColorRole;
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {WindowText, Window},         {Text, Base},
            {ButtonText, Button},         {Link, Base},
            {HighlightedText, Highlight}, {PlaceholderText, Base},
            {ToolTipText, ToolTipBase}};
        for (const Look look : HighContrastLooks)
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                for (const auto& [text, on] : pairs) {
                    const QPalette palette = quiz::PaletteOf(look);
                    QVERIFY2(
                        ContrastRatio(palette.color(group, text), palette.color(group, on)) >= 7,
                        qPrintable(QStringLiteral("%1 %2 %3").arg(int(look)).arg(group).arg(text)));
                }
    }

    // The focus mark and the radio buttons' rings against every background of each look.
    void controlMarksStandOut3To1() {
        for (const Look look : {Look::Design, Look::HighContrast, Look::HighContrastInverse})
            for (const QColor& background : Backgrounds(look)) {
                QVERIFY(ContrastRatio(quiz::ColourOf(quiz::Role::FocusMark, look), background) >=
                        3);
                QVERIFY(ContrastRatio(quiz::ColourOf(quiz::Role::ControlOutline, look),
                                      background) >= 3);
            }
    }

    // The map's zones are kept apart by borders and an outline that stand out against them, the
    // dot stands out against the zones and the borders it may lie on, names and numbers read at
    // 7:1; on the small maps the highlighted zone stands out against the others.
    void mapsStayReadableInHighContrast() {
        for (const Look look : HighContrastLooks) {
            const QPalette palette = quiz::PaletteOf(look);
            const QColor window = palette.color(QPalette::Window);
            const content::ChartColours chart = content::ChartColoursOf(look);
            for (const QColor& line : {chart.borders, chart.outline, chart.dot, chart.grid})
                QVERIFY(ContrastRatio(line, chart.zones) >= 3);
            QVERIFY(ContrastRatio(chart.outline, window) >= 3);
            QVERIFY(ContrastRatio(chart.dot, chart.borders) >= 3);
            for (const QColor& under : {chart.zones, chart.halo, window}) {
                QVERIFY(ContrastRatio(chart.regionNames, under) >= 7);
                QVERIFY(ContrastRatio(chart.lettering, under) >= 7);
            }
            const content::SmallMapColours small = content::SmallMapColoursOf(look);
            for (const QColor& zone : {small.highlight, small.centre, small.ink})
                QVERIFY(ContrastRatio(zone, small.zones) >= 3);
            QVERIFY(ContrastRatio(small.ink, small.paper) >= 3);
        }
    }

    // GTK_THEME, the system's and the user's settings.ini, as the program reads them.
    void lookFollowsTheDesktop() {
        const char* const contrast = "[Settings]\ngtk-theme-name = HighContrast\n";
        const char* const adwaita = "[Settings]\ngtk-theme-name=Adwaita";
        const struct {
            const char* gtkTheme; // null: unset
            const char* system;   // null: no file
            const char* user;
            Look look;
        } rows[] = {{nullptr, nullptr, nullptr, Look::Design},
                    {"HighContrast", nullptr, nullptr, Look::HighContrast},
                    {"HighContrastInverse:dark", nullptr, nullptr, Look::HighContrastInverse},
                    {nullptr, nullptr, "# mine\n[Settings]\ngtk-theme-name=HighContrastInverse",
                     Look::HighContrastInverse},
                    {nullptr, contrast, nullptr, Look::HighContrast},
                    {"Adwaita", nullptr, contrast, Look::Design},
                    {nullptr, contrast, adwaita, Look::Design},
                    {nullptr, nullptr, "[Other]\ngtk-theme-name=HighContrast", Look::Design}};
        for (const auto& row : rows) {
            QTemporaryDir folder;
            qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder.filePath("system")));
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("user")));
            row.gtkTheme ? qputenv("GTK_THEME", row.gtkTheme) : qunsetenv("GTK_THEME");
            for (const auto& [owner, text] :
                 {std::pair("system", row.system), {"user", row.user}}) {
                QDir(folder.path()).mkpath(owner + QStringLiteral("/gtk-3.0"));
                QFile file(folder.filePath(owner + QStringLiteral("/gtk-3.0/settings.ini")));
                if (text && file.open(QIODevice::WriteOnly))
                    file.write(text);
            }
            QCOMPARE(quiz::LookFor(quiz::ReadDesktopTheme(QString())), row.look);
        }
        qunsetenv("GTK_THEME");
    }

    // A settings.ini that is no settings file is passed over at once, and the files beside it
    // still count: a named pipe (which would block a plain read until something writes to it),
    // a link to an endless device, and a file far larger than any settings file. A small file
    // and a link to one are read as before.
    void settingsFilesThatAreNoneAreIgnored() {
        const QByteArray contrast = "[Settings]\ngtk-theme-name=HighContrast\n";
        const QByteArray inverse = "[Settings]\ngtk-theme-name=HighContrastInverse\n";
        enum class Kind { Pipe, EndlessDevice, Large, Small, LinkToSmall };
        const struct {
            const char* name;
            Kind user;
            Look look;
        } rows[] = {
            {"named pipe", Kind::Pipe, Look::HighContrast},
            {"link to /dev/zero", Kind::EndlessDevice, Look::HighContrast},
            {"one MiB", Kind::Large, Look::HighContrast},
            {"two KiB", Kind::Small, Look::HighContrastInverse},
            {"link to two KiB", Kind::LinkToSmall, Look::HighContrastInverse},
        };
        qunsetenv("GTK_THEME");
        for (const auto& row : rows) {
            QTemporaryDir folder;
            QVERIFY(QDir(folder.path()).mkpath("system/gtk-3.0"));
            QVERIFY(QDir(folder.path()).mkpath("user/gtk-3.0"));
            qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder.filePath("system")));
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("user")));
            QFile system(folder.filePath("system/gtk-3.0/settings.ini"));
            QVERIFY(system.open(QIODevice::WriteOnly) && system.write(contrast) > 0);
            system.close();
            // The user's file names the inverse theme after a comment that pads it to its size.
            const QByteArray user = QFile::encodeName(folder.filePath("user/gtk-3.0/settings.ini"));
            const auto write = [&](const QString& path, qsizetype size) {
                QFile file(path);
                return file.open(QIODevice::WriteOnly) &&
                       file.write("#" + QByteArray(size - inverse.size() - 2, 'x') + "\n" +
                                  inverse) == size;
            };
            switch (row.user) {
            case Kind::Pipe:
                QVERIFY(::mkfifo(user.constData(), 0600) == 0);
                break;
            case Kind::EndlessDevice:
                QVERIFY(QFile::link("/dev/zero", QFile::decodeName(user)));
                break;
            case Kind::Large:
                QVERIFY(write(QFile::decodeName(user), 1024 * 1024));
                break;
            case Kind::Small:
                QVERIFY(write(QFile::decodeName(user), 2048));
                break;
            case Kind::LinkToSmall:
                QVERIFY(write(folder.filePath("elsewhere.ini"), 2048));
                QVERIFY(QFile::link(folder.filePath("elsewhere.ini"), QFile::decodeName(user)));
                break;
            }
            Deadline deadline(std::chrono::seconds(5), user);
            const Look look = quiz::LookFor(quiz::ReadDesktopTheme(QString()));
            QVERIFY2(!deadline.Finish(), row.name);
            QVERIFY2(look == row.look, row.name);
        }
    }

    // The X settings manager's theme counts after GTK_THEME and before the settings files, the
    // icon theme last.
    void xSettingsAndIconThemeCount() {
        for (const auto order : {QDataStream::LittleEndian, QDataStream::BigEndian}) {
            const QByteArray data = XSettingsNaming("HighContrastInverse", order);
            const QString theme = quiz::XSettingsString(data, "Net/ThemeName");
            QCOMPARE(theme, QStringLiteral("HighContrastInverse"));
            QCOMPARE(quiz::XSettingsString(data.chopped(8), "Net/ThemeName"), QString());
            const QStringList adwaita{QStringLiteral("[Settings]\ngtk-theme-name=Adwaita")};
            QCOMPARE(quiz::LookFor({.xSettingsTheme = theme, .settingsFiles = adwaita}),
                     Look::HighContrastInverse);
            QCOMPARE(quiz::LookFor({.gtkThemeVariable = "Adwaita", .xSettingsTheme = theme}),
                     Look::Design);
        }
        QCOMPARE(quiz::LookFor({.iconTheme = "HighContrast"}), Look::HighContrast);
    }
};

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    TestContrast test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_contrast.moc"
