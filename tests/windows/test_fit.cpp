// Every window in the language the desktop asks for (the test runs once per language): each text
// fits its box, no two texts overlap, every control stays inside its parent and every window on
// the screen, accelerators are unique, and a translated window shows no English text of the
// catalogue.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QXmlStreamReader>

#include <functional>

#include "About.h"
#include "Address.h"
#include "Application.h"
#include "GuiTestSupport.h"
#include "History.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Program.h"
#include "Question.h"
#include "Quotes.h"
#include "Scoring.h"
#include "Sources.h"
#include "Translations.h"

namespace {

QString Language; // the one the program chose from the environment: empty for English

QString WithoutMarks(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed();
}

QString Describe(const QWidget* control) {
    return QStringLiteral("%1 (%2)").arg(control->objectName(), control->metaObject()->className());
}

QString Rect(const QRect& r) {
    return QStringLiteral("(%1, %2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString TextOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() ? label->text() : QString();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

// Why the control's text does not fit its box, measured as Qt lays it out; empty if it fits.
QString Misfit(QWidget* control) {
    const QString text = TextOf(control);
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics = control->fontMetrics();
    const auto says = [&](int need, int have) {
        return QStringLiteral("%1: \"%2\" needs %3, has %4")
            .arg(Describe(control), text)
            .arg(need)
            .arg(have);
    };
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            return need > label->height() ? says(need, label->height()) : QString();
        }
        const int need = label->minimumSizeHint().width();
        return need > label->width() ? says(need, label->width()) : QString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const QStyle::SubElement contents =
            qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
            : qobject_cast<QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        int need = metrics.horizontalAdvance(WithoutMarks(text));
        if (!button->icon().isNull())
            need += button->iconSize().width();
        return need > room.width() ? says(need, room.width()) : QString();
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = text;
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect caption = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, group);
        const int need = caption.left() + metrics.horizontalAdvance(text);
        return !group->rect().contains(caption) || need > group->width()
                   ? says(need, group->width())
                   : QString();
    }
    return {};
}

// Where a control's text stands in its parent: a label's lines as they wrap in its box, any
// other control's whole box.
QRect TextArea(QWidget* control) {
    auto* label = qobject_cast<QLabel*>(control);
    if (!label)
        return control->geometry();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect box = label->contentsRect();
    return label->fontMetrics()
        .boundingRect(box, flags, label->text())
        .intersected(box)
        .translated(label->pos());
}

// A picture may lie under a text (the map's captions stand in the chart's empty corners).
bool IsPicture(const QWidget* control) {
    return QString::fromLatin1(control->metaObject()->className()).contains(u"Image") ||
           control->inherits("TRedDot");
}

QList<QWidget*> Children(QWidget* parent) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !child->isHidden() && !qobject_cast<QMenuBar*>(child))
            children << child;
    }
    return children;
}

// Every fault of one container and of the containers inside it.
void LayoutFaults(QWidget* parent, QStringList& faults) {
    const QList<QWidget*> children = Children(parent);
    for (QWidget* child : children) {
        if (const QString misfit = Misfit(child); !misfit.isEmpty())
            faults << misfit;
        // A text must show whole: its box inside its parent (the red dot may stand at the edge).
        if (!TextOf(child).isEmpty() && !parent->rect().contains(child->geometry()))
            faults << QStringLiteral("%1 reaches out of %2").arg(Describe(child), Describe(parent));
        for (QWidget* other : children) {
            if (other != child && !TextOf(child).isEmpty() && !IsPicture(other) &&
                TextArea(child).intersects(other->geometry()))
                faults << QStringLiteral("%1 at %2 overlaps %3 at %4")
                              .arg(Describe(child), Rect(TextArea(child)), Describe(other),
                                   Rect(other->geometry()));
        }
        LayoutFaults(child, faults);
    }
}

// Two texts of one menu, one menu bar or one window's controls that share an accelerator.
void AcceleratorFaults(const QString& where, const QStringList& texts, QStringList& faults) {
    QHash<QKeySequence, QString> taken;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            continue;
        if (taken.contains(key))
            faults << QStringLiteral("%1: \"%2\" and \"%3\" share %4")
                          .arg(where, taken[key], text, key.toString());
        taken.insert(key, text);
    }
}

void MenuFaults(QMenu* menu, QStringList& faults) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << action->text();
        if (action->menu())
            MenuFaults(action->menu(), faults);
    }
    AcceleratorFaults(menu->title(), items, faults);
}

// Every text the window shows or gives a screen reader.
QStringList ShownTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        texts << TextOf(widget) << widget->accessibleName() << widget->accessibleDescription();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
            texts << memo->toPlainText();
    }
    for (QAction* action : window->findChildren<QAction*>())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// The catalogue's English texts that its language words otherwise, and their longer lines; a
// text that is also a translation (the German "Profile") or a line that the translation keeps
// (an attribution) is not English in the window.
struct English {
    QSet<QString> whole;
    QStringList lines;
};

English EnglishOfCatalogue(const QString& language) {
    QFile file(QStringLiteral(QUIZ_TRANSLATIONS) + QStringLiteral("/quiz_") + language +
               QStringLiteral(".ts"));
    English english;
    if (!file.open(QIODevice::ReadOnly))
        return english;
    QXmlStreamReader xml(&file);
    QString source;
    QSet<QString> translations;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            translations.insert(WithoutMarks(translation));
            if (WithoutMarks(translation) == WithoutMarks(source))
                continue; // the same word in both languages ("OK", a name)
            english.whole.insert(WithoutMarks(source));
            const QStringList kept = translation.split(u'\n');
            for (const QString& line : source.split(u'\n')) {
                if (line.trimmed().size() >= 30 && !kept.contains(line))
                    english.lines << line.trimmed();
            }
        }
    }
    english.whole -= translations;
    return english;
}

struct Showing {
    QWidget* window;
    std::function<void()> select; // sets the selector or the results the window reads
};

} // namespace

class TestFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        quiz::SplashShown = true;
        // The language the environment asks for is the one the program speaks.
        QCOMPARE(Language, qEnvironmentVariable("LANGUAGE"));
    }

    void everyWindow_data() {
        QTest::addColumn<int>("row");
        const QStringList names = Names();
        for (int row = 0; row < names.size(); ++row)
            QTest::newRow(qPrintable(names[row])) << row;
    }
    void everyWindow() {
        QFETCH(int, row);
        const Showing showing = Windows()[row];
        QWidget* window = showing.window;
        showing.select();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->grab(); // a paint: the reading windows fill their texts
        QCoreApplication::processEvents();

        QStringList faults;
        LayoutFaults(window, faults);
        const QRect screen = window->screen()->availableGeometry();
        if (window->frameGeometry().width() > screen.width() ||
            window->frameGeometry().height() > screen.height())
            faults << QStringLiteral("the window (%1x%2) is larger than the screen")
                          .arg(window->frameGeometry().width())
                          .arg(window->frameGeometry().height());
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            QStringList titles;
            for (QAction* action : bar->actions()) {
                titles << action->text();
                if (action->menu())
                    MenuFaults(action->menu(), faults);
            }
            AcceleratorFaults(QStringLiteral("menu bar"), titles, faults);
        }
        QStringList buttons;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            buttons << button->text();
        AcceleratorFaults(QStringLiteral("buttons"), buttons, faults);

        if (!Language.isEmpty()) {
            static const English english = EnglishOfCatalogue(Language);
            QVERIFY(!english.whole.isEmpty());
            for (const QString& text : ShownTexts(window)) {
                if (english.whole.contains(WithoutMarks(text)))
                    faults << QStringLiteral("English: \"%1\"").arg(text);
                for (const QString& line : english.lines) {
                    if (text.contains(line))
                        faults << QStringLiteral("English: \"%1\"").arg(line);
                }
            }
        }
        window->hide();
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void cleanupTestCase() { DestroyWindows(); }

private:
    static QList<Showing> Windows() {
        const auto none = [] {};
        QList<Showing> windows{{Form1, none},
                               {AboutBox, none},
                               {Form4, none},
                               {Form6, none},
                               {Form3, [] {
                                    quiz::PersonalScore = 100;
                                    quiz::EconomicScore = 100;
                                    quiz::Philosophy = "Right Conservative";
                                }}};
        for (int topic = 1; topic <= quiz::QuestionCount; ++topic)
            windows << Showing{Form5, [topic] { quiz::TopicIndex = topic; }};
        for (int profile = 1; profile <= 5; ++profile)
            windows << Showing{Form2, [profile] { quiz::ProfileIndex = profile; }};
        for (int organisation = 1; organisation <= 5; ++organisation)
            windows << Showing{Form7, [organisation] { quiz::OrganisationIndex = organisation; }};
        return windows;
    }
    static QStringList Names() {
        QStringList names{"quiz", "about", "history", "resources", "map"};
        for (int topic = 1; topic <= quiz::QuestionCount; ++topic)
            names << QStringLiteral("quotes %1").arg(topic);
        for (int profile = 1; profile <= 5; ++profile)
            names << QStringLiteral("profile %1").arg(profile);
        for (int organisation = 1; organisation <= 5; ++organisation)
            names << QStringLiteral("organisation %1").arg(organisation);
        return names;
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    Language = quiz::InstallTranslations();
    InitialiseProgram();
    CreateWindows();
    TestFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fit.moc"
