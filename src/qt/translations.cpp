#include "qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "model/configuration.h"

namespace rse {

QStringList TranslatedLanguages() {
    return {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString EffectiveLanguage(const QString& choice, const QStringList& desktopLanguages) {
    const QStringList known = TranslatedLanguages();
    if (known.contains(choice)) return choice;
    for (const QString& language : desktopLanguages) {
        // "fr-CA", "fr_CA", "fr": the part before the territory.
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (known.contains(code)) return code;
    }
    return known.constFirst();
}

namespace {

// The folder of the installed translation files: share/rse/translations beside the bin
// folder of the program.
QString InstalledFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/rse/translations"));
}

const QString kTranslatorName = QStringLiteral("rseTranslator");

bool Install(QCoreApplication& app, const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    for (const QString& folder : folders) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace

QString InstallTranslations(QCoreApplication& app, const QString& choice) {
    for (QTranslator* old : app.findChildren<QTranslator*>(kTranslatorName)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    QLocale::setDefault(QLocale::system());
    const QString language = EffectiveLanguage(choice, QLocale::system().uiLanguages());
    if (language == TranslatedLanguages().constFirst()) return language;
    // Dates and numbers that the programs show follow the language too; files never do.
    QLocale::setDefault(QLocale(language));
    Install(app, QStringLiteral("rse_") + language, {InstalledFolder(), QStringLiteral(":/i18n")});
    // Qt's own texts, among them the serial port's reasons, where Qt ships them in the language.
    for (const char* module : {"qtbase_", "qtserialport_"}) {
        Install(app, QLatin1String(module) + language,
                {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    }
    return language;
}

}  // namespace rse

namespace rse {

QString CoreText(const char* text) {
    return QCoreApplication::translate("Core", text);
}

QString ProductTitle() {
    return CoreText(kProductTitle);
}

}  // namespace rse

namespace rse {

QString Translated(const Phrase& phrase, const std::string& english) {
    if (phrase.Empty()) return QString::fromLocal8Bit(english.c_str());
    std::string text;
    for (const Phrase::Part& part : phrase.parts)
        text += FillText(CoreText(part.source).toStdString(), part.arguments);
    return QString::fromStdString(text);
}

QString LinkMessageText(const LinkMessage& message) {
    QString text = CoreText(message.text.c_str());
    if (!message.detail.empty())
        text += QStringLiteral("\n\n") + Translated(message.detailPhrase, message.detail);
    return text;
}

QString LinkMessageTitle(const LinkMessage& message) {
    return CoreText(message.title.c_str());
}

QString RowMessageText(const RowMessage& message) {
    return QCoreApplication::translate("Core", "line %1: %2")
        .arg(message.line)
        .arg(Translated(message.reasonPhrase, message.reason));
}

QString RowMessagesText(const std::vector<RowMessage>& messages, std::size_t max) {
    QStringList lines;
    for (std::size_t i = 0; i < messages.size() && i < max; ++i)
        lines << RowMessageText(messages[i]);
    if (messages.size() > max) {
        lines << QCoreApplication::translate("Core", "(and %1 more)").arg(messages.size() - max);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace rse
