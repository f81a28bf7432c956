#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quiz {

namespace {

const QString Folder = QStringLiteral(":/i18n/");

// Each catalogue lives as long as the program; it is loaded at most once.
QTranslator* Catalogue(const QString& name, const QString& language) {
    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(name + u'_' + language, Folder))
        return catalogue;
    delete catalogue;
    return nullptr;
}

QString DesktopLanguage() {
    return ChooseLanguage(QLocale::system().uiLanguages(), TranslatedLanguages());
}

} // namespace

QStringList TranslatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("es")};
}

QString ChooseLanguage(const QStringList& preferred, const QStringList& translated) {
    for (const QString& language : preferred) {
        if (language == u'C' || language == QLatin1String("POSIX"))
            return {};
        const QString bare = language.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (bare == QLatin1String("en"))
            return {};
        if (translated.contains(bare))
            return bare;
    }
    return {};
}

QString InstallTranslations() {
    const QString language = DesktopLanguage();
    if (language.isEmpty())
        return {};
    // The program's catalogue, then Qt's own, which holds the buttons of its message boxes.
    QTranslator* program = Catalogue(QStringLiteral("quiz"), language);
    if (!program)
        return {};
    QCoreApplication::installTranslator(program);
    if (QTranslator* qt = Catalogue(QStringLiteral("qtbase"), language))
        QCoreApplication::installTranslator(qt);
    return language;
}

QString TranslateEarly(const char* context, const char* text) {
    const QString language = DesktopLanguage();
    QTranslator catalogue;
    if (!language.isEmpty() && catalogue.load(QStringLiteral("quiz_") + language, Folder)) {
        const QString translated = catalogue.translate(context, text);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(text);
}

} // namespace quiz
