#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <functional>
#include <memory>

#include "About.h"
#include "Address.h"
#include "Answers.h"
#include "Application.h"
#include "GuiTestSupport.h"
#include "History.h"
#include "MessageDialog.h"
#include "Navigation.h"
#include "Polimap.h"
#include "Profiles.h"
#include "Program.h"
#include "Question.h"
#include "QuestionControls.h"
#include "Quotes.h"
#include "ReadingWidgets.h"
#include "Scoring.h"
#include "Sources.h"
#include "Texts.h"

using testing::child;
using testing::ModalAction;

namespace {

QAccessibleInterface* Face(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString Name(QWidget* widget) {
    QAccessibleInterface* face = Face(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString Description(QWidget* widget) {
    QAccessibleInterface* face = Face(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

QStringList Actions(QWidget* widget) {
    QAccessibleInterface* face = Face(widget);
    return face && face->actionInterface() ? face->actionInterface()->actionNames() : QStringList();
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text);
}

// The controls of a window as a screen reader meets them: every visible widget inside it except
// - bare containers, whose class is exactly QWidget or QFrame (the client area, the About
//   window's panel): they show no content and take no input of their own; their children count;
// - the menu bar and all it holds: its menus and items are named by their captions;
// - the insides of a text box (viewport, scroll bars): the text box itself is the control.
// Group boxes count: a screen reader announces them as the group of the controls inside.
QList<QWidget*> Controls(QWidget* window) {
    QList<QWidget*> found;
    const std::function<void(QWidget*)> visit = [&](QWidget* parent) {
        for (QObject* object : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget || widget->isWindow() || !widget->isVisible() ||
                qobject_cast<QMenuBar*>(widget))
                continue;
            if (qobject_cast<QAbstractScrollArea*>(widget)) {
                found << widget;
                continue;
            }
            const QByteArray kind = widget->metaObject()->className();
            if (kind != "QWidget" && kind != "QFrame")
                found << widget;
            visit(widget);
        }
    };
    visit(window);
    return found;
}

bool IsPicture(QWidget* control) {
    QAccessibleInterface* face = Face(control);
    return face->role() == QAccessible::Graphic ||
           (face->role() == QAccessible::Button && !qobject_cast<QAbstractButton*>(control));
}

// A name shaped like a control's identifier ("memAddress", "Label1") is a design placeholder left
// as caption, not a name.
const QRegularExpression& Identifier() {
    static const QRegularExpression identifier(QStringLiteral(
        R"(^((lbl|btn|Btn|cmd|img|shp|mem|grp|mnu)[A-Z0-9]|(Memo|Label|Button|Panel|Image)\d)\w*$)"));
    return identifier;
}

// What a screen reader user would miss in `window`, one line per fault; empty when all is well.
// Every control has a name that is neither empty nor shaped like an identifier; every picture,
// drawn or clickable, says what it shows in its description; a label in a dialog has words enough
// to be read; a button can be pressed through its action; controls that take a press or a check
// have names that tell them apart.
QStringList Faults(QWidget* window, bool picturesDescribed = true) {
    QStringList faults;
    QStringList pressable;
    for (QWidget* control : Controls(window)) {
        const QString id = QStringLiteral("%1 (%2)").arg(control->objectName(),
                                                         control->metaObject()->className());
        QAccessibleInterface* face = Face(control);
        if (!face) {
            faults << id + QStringLiteral(": no accessible interface");
            continue;
        }
        const QString name = face->text(QAccessible::Name);
        if (name.trimmed().isEmpty())
            faults << id + QStringLiteral(": no name");
        else if (Identifier().match(name).hasMatch())
            faults << id + QStringLiteral(": named like an identifier: ") + name;
        if (picturesDescribed && IsPicture(control) &&
            face->text(QAccessible::Description).trimmed().isEmpty())
            faults << id + QStringLiteral(": picture without description");
        const QAccessible::Role role = face->role();
        // Screen readers read a dialog's labels when it opens, but skip those of fewer than
        // three words (Orca does), such as a bare web address.
        if (Face(window)->role() == QAccessible::Dialog && role == QAccessible::StaticText &&
            name.split(u' ', Qt::SkipEmptyParts).size() < 3)
            faults << id + QStringLiteral(": too few words to be read in a dialog: ") + name;
        if (role == QAccessible::Button &&
            !Actions(control).contains(QAccessibleActionInterface::pressAction()))
            faults << id + QStringLiteral(": button without press action");
        if (role == QAccessible::Button || role == QAccessible::RadioButton ||
            role == QAccessible::CheckBox) {
            if (pressable.contains(name))
                faults << id + QStringLiteral(": same name as another control: ") + name;
            pressable << name;
        }
    }
    return faults;
}

// Shows a window without a modal loop and lets it paint, so that the windows that fill
// themselves at paint time show their real captions and texts.
void ShowAndPaint(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->grab();
    QCoreApplication::processEvents();
}

void SetResults(int personal, int economic) {
    quiz::PersonalScore = personal;
    quiz::EconomicScore = economic;
    quiz::Philosophy = std::string(quiz::PhilosophyLabel(quiz::Classify(personal, economic)));
}

QRadioButton* Radio(int question, int answer) {
    const char letter = "YMN"[answer];
    const QString name = (question == 3 && letter == 'N')
                             ? QStringLiteral("BtnQ3N")
                             : QStringLiteral("btnQ%1%2").arg(question).arg(QLatin1Char(letter));
    return child<QRadioButton>(Form1, name.toLatin1().constData());
}

constexpr const char* ZoneNames[] = {"imgHotBedLib", "imgHotBedLeft", "imgHotBedCent",
                                     "imgHotBedRight", "imgHotBedAuth"};
constexpr const char* SmallMapNames[] = {"imgMapLib", "imgMapLeft", "imgMapCent", "imgMapRight",
                                         "imgMapAuth"};
constexpr const char* LogoNames[] = {"imgHeralds", "imgLantern", "imgTarrant", "imgBooks",
                                     "imgGrove"};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quiz::SplashShown = true; }

    void init() {
        quiz::TopicIndex = 9;
        quiz::ProfileIndex = 4;
        quiz::OrganisationIndex = 3;
        SetResults(60, 40);
    }

    void cleanup() {
        // Closing hides a window and resets the profiles window's map; closing the main window
        // would end the program, so it is only hidden.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window == Form1)
                window->hide();
            else if (qobject_cast<TForm*>(window) && window->isVisible())
                window->close();
        }
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void everyControlIsNamed_data() {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("fewestControls");
        QTest::newRow("quiz") << 0 << 56; // 5 headings, Show Results, 10 × (box, label, 3 radios)
        QTest::newRow("map") << 1 << 11;
        QTest::newRow("profiles") << 2 << 4;
        QTest::newRow("quotes") << 3 << 3;
        QTest::newRow("resources") << 4 << 7;
        QTest::newRow("organisation") << 5 << 2;
        QTest::newRow("history") << 6 << 2;
        QTest::newRow("about") << 7 << 8;
    }

    // Every window is named by its caption, also after a paint has changed that caption, and
    // every control in it is named for screen readers.
    void everyControlIsNamed() {
        QFETCH(int, window);
        QFETCH(int, fewestControls);
        TForm* const windows[] = {Form1, Form3, Form2, Form5, Form6, Form7, Form4, AboutBox};
        TForm* form = windows[window];
        ShowAndPaint(form);
        QVERIFY(!form->windowTitle().isEmpty());
        QCOMPARE(Name(form), form->windowTitle());
        QVERIFY2(Controls(form).size() >= fewestControls,
                 qPrintable(QString::number(Controls(form).size())));
        const QStringList faults = Faults(form);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    }

    void windowsRetitledAtPaintKeepTheirName() {
        for (int organisation : {2, 5}) {
            quiz::OrganisationIndex = organisation;
            ShowAndPaint(Form7);
            QCOMPARE(Name(Form7), content::OrganisationName(organisation));
            Form7->hide();
        }
        quiz::ProfileIndex = 1;
        ShowAndPaint(Form2);
        QCOMPARE(Name(Form2), content::ProfileCaption(1));
    }

    // The message dialog of both kinds: its caption, the icon of its kind, the text and the
    // buttons without their accelerator marks.
    void messageDialogIsNamed() {
        struct Case {
            quiz::MessageKind kind;
            quiz::MessageButtons buttons;
            QString title;
            QString icon;
            QStringList buttonNames;
        };
        const QString text = QStringLiteral("Keep your old answers?");
        for (const Case& c : {Case{quiz::MessageKind::Information,
                                   quiz::MessageButton::OK,
                                   QStringLiteral("Information"),
                                   QStringLiteral("Information"),
                                   {"OK"}},
                              Case{quiz::MessageKind::Confirmation,
                                   quiz::MessageButton::Yes | quiz::MessageButton::No,
                                   QStringLiteral("Confirm"),
                                   QStringLiteral("Question"),
                                   {"Yes", "No"}}}) {
            auto dialog = std::make_unique<TMessageForm>(text, c.kind, c.buttons);
            ShowAndPaint(dialog.get());
            QCOMPARE(Name(dialog.get()), c.title);
            // The icon is the system's standard symbol of the kind: its name says all.
            const QStringList faults = Faults(dialog.get(), false);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
            QCOMPARE(Name(child<QLabel>(dialog.get(), "Image")), c.icon);
            QCOMPARE(Face(child<QLabel>(dialog.get(), "Image"))->role(), QAccessible::Graphic);
            QCOMPARE(Name(child<QLabel>(dialog.get(), "Message")), text);
            QStringList names;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                names << Name(button);
            QCOMPARE(names, c.buttonNames);
        }
    }

    // The radio buttons and group boxes have no caption: their names come from the question and
    // the answer, the group's description from the statement; each statement label says that a
    // click shows quotations on its topic.
    void quizControlsNameTheirQuestion() {
        const QString answers[] = {QStringLiteral("Yes"), QStringLiteral("Maybe"),
                                   QStringLiteral("No")};
        for (int n = 1; n <= quiz::QuestionCount; ++n) {
            const quiz::Question& question = quiz::QuestionAt(n);
            const QString statement = FromView(question.statement);
            const QString topic = FromView(question.topic);
            const QString tag = QStringLiteral("question %1").arg(n);

            auto* group =
                child<QGroupBox>(Form1, QStringLiteral("grpQ%1").arg(n).toLatin1().constData());
            QCOMPARE(Face(group)->role(), QAccessible::Grouping);
            QVERIFY2(Name(group).startsWith(QStringLiteral("Question %1").arg(n)), qPrintable(tag));
            QVERIFY2(Name(group).contains(topic), qPrintable(tag));
            QCOMPARE(Description(group), statement);

            auto* label = child<QLabel>(
                Form1, FromView(testing::ControlsOf(n).labelName).toLatin1().constData());
            QCOMPARE(Name(label), statement);
            QVERIFY2(Description(label).contains(QStringLiteral("quotations")), qPrintable(tag));
            QVERIFY2(Description(label).contains(topic), qPrintable(tag));

            for (int a = 0; a < 3; ++a) {
                QRadioButton* radio = Radio(n, a);
                QCOMPARE(radio->parentWidget(), group);
                QCOMPARE(Face(radio)->role(), QAccessible::RadioButton);
                QCOMPARE(Name(radio), QStringLiteral("Question %1: %2").arg(n).arg(answers[a]));
                // The group says the statement as the focus enters it, the button not again.
                QVERIFY2(!Description(radio).contains(statement), qPrintable(tag));
            }
        }
        for (const char* heading : {"lblYMNPersonal", "lblYMNEconomic"}) {
            const QString name = Name(child<QLabel>(Form1, heading));
            QVERIFY2(name.contains(QLatin1String("Yes")) && name.contains(QLatin1String("Maybe")) &&
                         name.contains(QLatin1String("No")),
                     qPrintable(name));
        }
        QVERIFY(Name(child<QLabel>(Form1, "lblYMNPersonal")).contains(QLatin1String("personal")));
        QVERIFY(Name(child<QLabel>(Form1, "lblYMNEconomic")).contains(QLatin1String("economic")));
    }

    // The chart states the two scores and the philosophy in words, and follows them.
    void chartDescriptionFollowsScores() {
        auto* chart = child<QWidget>(Form3, "imgMap");
        QCOMPARE(Face(chart)->role(), QAccessible::Graphic);
        QVERIFY(Actions(chart).isEmpty());
        QCOMPARE(Face(child<QWidget>(Form3, "shpRedDot"))->role(), QAccessible::Graphic);
        ShowAndPaint(Form3);
        for (const auto& [personal, economic] : {std::pair{60, 40}, std::pair{10, 90}}) {
            SetResults(personal, economic);
            Form3->grab();
            const QString description = Description(chart);
            QVERIFY2(description.contains(
                         QStringLiteral("personal self-government score of %1").arg(personal)),
                     qPrintable(description));
            QVERIFY2(description.contains(
                         QStringLiteral("economic self-government score of %1").arg(economic)),
                     qPrintable(description));
            QVERIFY2(description.contains(QString::fromStdString(quiz::Philosophy)),
                     qPrintable(description));
            // The window itself says the same, whichever control has the focus.
            QCOMPARE(Description(Form3), description);
            QVERIFY2(Name(child<QLabel>(Form3, "lblPscore")).endsWith(QString::number(personal)),
                     qPrintable(Name(child<QLabel>(Form3, "lblPscore"))));
        }
    }

    // A map zone is a button whose press action opens the profile it is named after.
    void mapZonesArePressable() {
        ShowAndPaint(Form3);
        for (int philosophy = 1; philosophy <= quiz::PhilosophyCount; ++philosophy) {
            QWidget* zone = child<QWidget>(Form3, ZoneNames[philosophy - 1]);
            const QString label = FromView(quiz::PhilosophyLabel(philosophy));
            QCOMPARE(Face(zone)->role(), QAccessible::Button);
            QVERIFY2(Name(zone).contains(label), qPrintable(Name(zone)));
            QVERIFY2(Description(zone).contains(label) &&
                         Description(zone).contains(QLatin1String("profile")),
                     qPrintable(Description(zone)));

            quiz::ProfileIndex = 0;
            QStringList shownMaps;
            ModalAction close([&](QWidget* modal) {
                modal->grab(); // the profile shows its map when it paints
                for (const char* name : SmallMapNames)
                    if (child<QWidget>(Form2, name)->isVisible())
                        shownMaps << Name(child<QWidget>(Form2, name));
                static_cast<TForm*>(modal)->Close();
            });
            Face(zone)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(close.Done());
            QCOMPARE(quiz::ProfileIndex, philosophy);
            QCOMPARE(shownMaps.size(), 1);
            QVERIFY2(shownMaps.first().contains(label), qPrintable(shownMaps.first()));
        }
    }

    // Each small map names its philosophy and says which zone is highlighted; each logo is named
    // after its own organisation; the program icon says what it shows.
    void picturesSayWhatTheyShow() {
        for (int philosophy = 1; philosophy <= quiz::PhilosophyCount; ++philosophy) {
            QWidget* map = child<QWidget>(Form2, SmallMapNames[philosophy - 1]);
            const QString label = FromView(quiz::PhilosophyLabel(philosophy));
            QCOMPARE(Face(map)->role(), QAccessible::Graphic);
            QVERIFY(Actions(map).isEmpty());
            QVERIFY2(Name(map).contains(label), qPrintable(Name(map)));
            QVERIFY2(Description(map).contains(label) &&
                         Description(map).contains(QLatin1String("highlighted")),
                     qPrintable(Description(map)));
        }
        for (int organisation = 1; organisation <= 5; ++organisation) {
            QWidget* logo = child<QWidget>(Form6, LogoNames[organisation - 1]);
            QCOMPARE(Face(logo)->role(), QAccessible::Button);
            QVERIFY(Actions(logo).contains(QAccessibleActionInterface::pressAction()));
            QString name = Name(logo);
            QVERIFY2(name.endsWith(QLatin1String(" logo")), qPrintable(name));
            name.chop(5);
            QVERIFY2(content::OrganisationName(organisation).contains(name, Qt::CaseInsensitive),
                     qPrintable(name));
            QVERIFY(!Description(logo).isEmpty());
        }
        QWidget* icon = child<QWidget>(AboutBox, "ProgramIcon");
        QCOMPARE(Face(icon)->role(), QAccessible::Graphic);
        QVERIFY(!Name(icon).isEmpty());
        QVERIFY(Description(icon).contains(QLatin1String("map")));
    }

    // The check above finds what a new control lacks: a label without text or with a
    // placeholder, a radio button without a name deep inside a group box, and a clickable picture
    // that says nothing.
    void unnamedControlIsCaught() {
        QWidget* client = Form6->centralWidget();
        auto* group = new QGroupBox(client);
        group->setObjectName(QStringLiteral("probeGroup"));
        group->setAccessibleName(QStringLiteral("Probe group"));
        group->setGeometry(400, 8, 60, 40);
        auto* radio = new QRadioButton(group);
        radio->setObjectName(QStringLiteral("probeRadio"));
        auto* label = new QLabel(client);
        label->setObjectName(QStringLiteral("probeLabel"));
        auto* placeholder = new QLabel(QStringLiteral("Label7"), client);
        placeholder->setObjectName(QStringLiteral("probePlaceholder"));
        placeholder->setGeometry(400, 50, 60, 16);
        auto* picture = new TPictureImage(client);
        picture->setObjectName(QStringLiteral("probePicture"));
        picture->setAccessibleName(QStringLiteral("Probe picture"));
        connect(picture, &TPictureImage::Click, this, [] {});
        const std::unique_ptr<QWidget> cleanup[] = {
            std::unique_ptr<QWidget>(group), std::unique_ptr<QWidget>(label),
            std::unique_ptr<QWidget>(placeholder), std::unique_ptr<QWidget>(picture)};

        ShowAndPaint(Form6);
        const QString faults = Faults(Form6).join(QLatin1Char('\n'));
        QVERIFY2(faults.contains(QLatin1String("probeRadio (QRadioButton): no name")),
                 qPrintable(faults));
        QVERIFY2(faults.contains(QLatin1String("probeLabel (QLabel): no name")),
                 qPrintable(faults));
        QVERIFY2(
            faults.contains(QLatin1String("probePlaceholder (QLabel): named like an identifier")),
            qPrintable(faults));
        QVERIFY2(faults.contains(
                     QLatin1String("probePicture (TPictureImage): picture without description")),
                 qPrintable(faults));
        QVERIFY2(!faults.contains(QLatin1String("probeGroup")), qPrintable(faults));
    }

    void cleanupTestCase() { DestroyWindows(); }
};

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    TApplication app(argc, argv);
    InitialiseProgram();
    CreateWindows();
    TestAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_accessibility.moc"
