// The program in the language the desktop asks for (run once per language). Every window: each
// text fits its box and stands over no other control, inside its parent and the screen, with
// unique accelerators and, translated, no English text of the catalogue. And the result cycle:
// the message, its copy, the map's captions and Restart's question in the catalogue's words.

#include <QClipboard>
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
#include <QXmlStreamReader>

#include "About.h"
#include "Address.h"
#include "Application.h"
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
#include "e2e/FlowSupport.h"

namespace {

QString Language; // the one the program chose from the environment: empty for English

QString Plain(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed();
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

// How much room the control's text needs, and has, as Qt lays it out: height for a wrapped
// label, width for anything else.
std::pair<int, int> NeedAndRoom(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->wordWrap() ? std::pair{label->heightForWidth(label->width()), label->height()}
                                 : std::pair{label->minimumSizeHint().width(), label->width()};
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                  : QStyle::SE_PushButtonContents;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width();
        return {button->fontMetrics().horizontalAdvance(Plain(button->text())) + icon,
                button->style()->subElementRect(contents, &option, button).width()};
    }
    auto* group = static_cast<QGroupBox*>(control); // its caption, a few pixels in from the corner
    return {group->fontMetrics().horizontalAdvance(group->title()) + 8, group->width()};
}

// Where a control's text stands in its parent: a label's lines as they wrap, else its box.
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

void LayoutFaults(QWidget* parent, QStringList& faults) {
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !child->isHidden() && !qobject_cast<QMenuBar*>(child))
            children << child;
    }
    for (QWidget* child : children) {
        LayoutFaults(child, faults);
        if (TextOf(child).isEmpty())
            continue;
        const QString name = child->objectName();
        if (const auto [need, room] = NeedAndRoom(child); need > room)
            faults << QStringLiteral("%1 \"%2\" needs %3, has %4")
                          .arg(name, TextOf(child))
                          .arg(need)
                          .arg(room);
        if (!parent->rect().contains(child->geometry()))
            faults << name + QStringLiteral(" reaches out of ") + parent->objectName();
        // A picture may lie under a text: the map's captions stand in the chart's corners.
        for (QWidget* other : children) {
            const bool picture =
                QString::fromLatin1(other->metaObject()->className()).contains(u"Image") ||
                other->inherits("TRedDot");
            if (other != child && !picture && TextArea(child).intersects(other->geometry()))
                faults << name + QStringLiteral(" overlaps ") + other->objectName();
        }
    }
}

// Texts of one menu, menu bar or window that share an accelerator.
void AcceleratorFaults(const QStringList& texts, QStringList& faults) {
    QHash<QKeySequence, QString> taken;
    for (const QString& text : texts) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty() && taken.contains(key))
            faults << QStringLiteral("\"%1\" and \"%2\" share %3")
                          .arg(taken[key], text, key.toString());
        taken.insert(key, text);
    }
}

void MenuFaults(const QList<QAction*>& actions, QStringList& faults) {
    QStringList texts;
    for (QAction* action : actions) {
        texts << action->text();
        if (action->menu())
            MenuFaults(action->menu()->actions(), faults);
    }
    AcceleratorFaults(texts, faults);
}

// The catalogue's English that its language words otherwise: whole texts (less those that are
// also a translation, like the German "Profile") and lines of 30 characters or more that the
// translation does not keep (an attribution may stay as it is).
struct English {
    QSet<QString> whole;
    QStringList lines;
};

English EnglishOfCatalogue() {
    QFile file(QStringLiteral(QUIZ_TRANSLATIONS "/quiz_") + Language + QStringLiteral(".ts"));
    English english;
    QSet<QString> translations;
    QString source;
    file.open(QIODevice::ReadOnly); // unread, it leaves `whole` empty: a failure below
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText();
            translations.insert(Plain(translation));
            if (Plain(translation) == Plain(source))
                continue; // the same in both languages: "OK", a name
            english.whole.insert(Plain(source));
            for (const QString& line : source.split(u'\n'))
                if (line.trimmed().size() >= 30 && !translation.split(u'\n').contains(line))
                    english.lines << line.trimmed();
        }
    }
    english.whole -= translations;
    return english;
}

// Every text the window shows or gives a screen reader.
QStringList ShownTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        texts << TextOf(widget) << widget->accessibleName() << widget->accessibleDescription();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
            texts << memo->toPlainText();
    }
    for (QAction* action : window->findChildren<QAction*>())
        texts << action->text();
    return texts;
}

QString Tr(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

} // namespace

class TestFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        quiz::SplashShown = true;
        quiz::PersonalScore = quiz::EconomicScore = 100; // the map's longest captions
        quiz::Philosophy = "Right Conservative";
        QCOMPARE(Language, qEnvironmentVariable("LANGUAGE")); // as the desktop asks
    }
    void init() { flow::StartTest(); }
    void cleanup() { flow::CheckTestEnd(); }

    // Each reading window once per selector, after the paint that fills it.
    void everyWindow_data() {
        QTest::addColumn<QWidget*>("window");
        QTest::addColumn<int*>("selector");
        QTest::addColumn<int>("value");
        const auto row = [](const char* name, QWidget* window, int* selector = nullptr,
                            int value = 0) {
            QTest::addRow("%s %d", name, value) << window << selector << value;
        };
        row("quiz", Form1);
        row("about", AboutBox);
        row("history", Form4);
        row("resources", Form6);
        row("map", Form3);
        for (int n = 1; n <= 10; ++n)
            row("quotes", Form5, &quiz::TopicIndex, n);
        for (int n = 1; n <= 5; ++n) {
            row("profile", Form2, &quiz::ProfileIndex, n);
            row("organisation", Form7, &quiz::OrganisationIndex, n);
        }
    }
    void everyWindow() {
        QFETCH(QWidget*, window);
        QFETCH(int*, selector);
        QFETCH(int, value);
        if (selector)
            *selector = value;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->grab(); // a paint: the reading windows fill their texts

        QStringList faults;
        LayoutFaults(window, faults);
        if (!window->screen()->availableGeometry().contains(QRect({}, window->frameSize())))
            faults << QStringLiteral("larger than the screen");
        MenuFaults(window->findChild<QMenuBar*>() ? window->findChild<QMenuBar*>()->actions()
                                                  : QList<QAction*>(),
                   faults);
        QStringList buttons;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            buttons << button->text();
        AcceleratorFaults(buttons, faults);
        if (!Language.isEmpty()) {
            static const English english = EnglishOfCatalogue();
            QVERIFY(!english.whole.isEmpty());
            for (const QString& text : ShownTexts(window)) {
                if (english.whole.contains(Plain(text)))
                    faults << QStringLiteral("English: ") + text;
                for (const QString& line : english.lines)
                    if (text.contains(line))
                        faults << QStringLiteral("English: ") + line;
            }
        }
        window->hide();
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The result cycle by clicks, personal 20 and economic 80.
    void resultCycle() {
        if (Language.isEmpty())
            QSKIP("the English cycle is the flow test's");
        using namespace flow;
        const char* const result = "According to your answers, your political philosophy is %1.  "
                                   "The red dot on the next screen shows where you fit on the "
                                   "political map.";
        const QString sentence = Tr("Results", result).arg(Tr("Questions", "Right Conservative"));
        QVERIFY(sentence != QString::fromLatin1(result).arg("Right Conservative"));
        Form1->show();
        for (int n = 1; n <= 10; ++n)
            Click(Radio(n, QStringLiteral("NNNMMYYYMM").at(n - 1)));
        QStringList message, captions, question;
        const auto record = [](QStringList& into, QWidget* dialog) {
            into << dialog->windowTitle() << MessageText(dialog);
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                into << button->text();
        };
        WithModal(
            Form3,
            [&] {
                WithMessage([] { Click(child<QPushButton>(Form1, "btnResults")); },
                            [&](QWidget* dialog) {
                                record(message, dialog);
                                QTest::keyClick(dialog, Qt::Key_C, Qt::ControlModifier);
                                message << QGuiApplication::clipboard()->text();
                                Click(dialog->findChild<QPushButton*>());
                            });
            },
            [&](QWidget*) {
                QTRY_VERIFY(Form3->PaintCount() > 0);
                captions << child<QLabel>(Form3, "lblPscore")->text()
                         << child<QLabel>(Form3, "lblEscore")->text();
                WithMessage([] { Click(child<QPushButton>(Form3, "cmdRestart")); },
                            [&](QWidget* dialog) {
                                record(question, dialog);
                                Click(dialog->findChildren<QPushButton*>().last()); // No
                            });
            });
        const QString information = Tr("TMessageForm", "Information");
        const QString ok = Tr("TMessageForm", "OK");
        QCOMPARE(message.mid(0, 3), QStringList({information, sentence, ok}));
        for (const QString& part : {information, sentence, Plain(ok)})
            QVERIFY2(message.value(3).contains(part), qPrintable(message.value(3)));
        QCOMPARE(captions,
                 QStringList({Tr("Results", "Your Personal Self-Government Score Is %1").arg(20),
                              Tr("Results", "Your Economic Self-Government Score Is %1").arg(80)}));
        QCOMPARE(question,
                 QStringList({Tr("TMessageForm", "Confirm"), Tr("TForm3", "Keep your old answers?"),
                              Tr("TMessageForm", "&Yes"), Tr("TMessageForm", "&No")}));
    }

    void cleanupTestCase() { DestroyWindows(); }
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
