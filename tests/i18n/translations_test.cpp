// The translations: every text of the programs has a finished translation in each language,
// and no translation loses or adds a placeholder or an accelerator of its source text. The
// .ts files are read from $RSE_TS_DIR (a copy just brought up to date with the code by
// lupdate), else from the source tree.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <string>
#include <vector>

#include "qt/translations.h"

namespace rse {
namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

std::vector<Message> ReadTs(const QString& path, QString* error) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString element = xml.name().toString();
        if (element == QLatin1String("name")) context = xml.readElementText();
        if (element == QLatin1String("message")) messages.push_back({context, {}, {}, {}});
        if (element == QLatin1String("source")) messages.back().source = xml.readElementText();
        if (element == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    if (xml.hasError()) *error = xml.errorString();
    return messages;
}

// The placeholders %1 ... %9 of a text with how often each occurs.
std::map<QString, int> Placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%[1-9]"));
    std::map<QString, int> found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        ++found[m.captured()];
    return found;
}

// The number of accelerator marks: an "&" before a letter or digit ("&&" is a plain "&").
int Accelerators(const QString& text) {
    int n = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
        } else if (text[i + 1].isLetterOrNumber()) {
            ++n;
        }
    }
    return n;
}

class Translations : public ::testing::TestWithParam<const char*> {};

TEST_P(Translations, EveryTextIsTranslatedWithItsPlaceholdersAndAccelerators) {
    const QString path = qEnvironmentVariable("RSE_TS_DIR", QStringLiteral(RSE_SOURCE_TS_DIR)) +
                         QStringLiteral("/rse_%1.ts").arg(QLatin1String(GetParam()));
    QString error;
    const std::vector<Message> messages = ReadTs(path, &error);
    ASSERT_TRUE(error.isEmpty()) << path.toStdString() << ": " << error.toStdString();
    // The programs have a few hundred texts; an empty or half-read file is a fault.
    ASSERT_GT(messages.size(), 300u) << path.toStdString();
    for (const Message& m : messages) {
        const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
        EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
        EXPECT_FALSE(m.translation.isEmpty()) << where;
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source))
            << where << " -> " << m.translation.toStdString();
        EXPECT_EQ(Accelerators(m.translation), Accelerators(m.source))
            << where << " -> " << m.translation.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Translations, ::testing::Values("fr", "es"));

TEST(TranslationsChecker, FindsWhatATranslationLosesOrAdds) {
    const struct {
        const char* source;
        const char* translation;
        bool same;
    } cases[] = {
        {"&Save", "&Enregistrer", true},
        {"&Save", "Enregistrer", false},
        {"Save", "&Enregistrer", false},
        {"Rock && roll", "Rock && roll", true},
        {"Rock && roll", "Rock & roll", true},  // a lone "&" before a blank marks nothing
        {"Delete the backup %1?", "Supprimer la sauvegarde %1 ?", true},
        {"Delete the backup %1?", "Supprimer la sauvegarde ?", false},
        {"%1 of %2", "%2 de %1", true},
        {"%1 of %2", "%1 de %1", false},
        {"%1%", "%1 %", true},
    };
    for (const auto& c : cases) {
        const QString s = QString::fromUtf8(c.source);
        const QString t = QString::fromUtf8(c.translation);
        const bool same = Placeholders(s) == Placeholders(t) && Accelerators(s) == Accelerators(t);
        EXPECT_EQ(same, c.same) << c.source << " -> " << c.translation;
    }
}

TEST(Language, ChoiceThenDesktopThenEnglish) {
    const struct {
        const char* choice;
        QStringList desktop;
        const char* shown;
    } cases[] = {
        {"", {QStringLiteral("fr-CA")}, "fr"},
        {"", {QStringLiteral("es_MX"), QStringLiteral("en-US")}, "es"},
        {"", {QStringLiteral("de-DE"), QStringLiteral("es-ES")}, "es"},
        {"", {QStringLiteral("de-DE")}, "en"},
        {"", {}, "en"},
        {"en", {QStringLiteral("fr-CA")}, "en"},
        {"fr", {QStringLiteral("es-ES")}, "fr"},
        {"es", {}, "es"},
        {"de", {QStringLiteral("fr-FR")}, "fr"},  // a stored choice the editor does not know
    };
    for (const auto& c : cases)
        EXPECT_EQ(EffectiveLanguage(QLatin1String(c.choice), c.desktop), QLatin1String(c.shown))
            << c.choice << " " << c.desktop.join(QLatin1Char(',')).toStdString();
}

TEST(Language, TheBuiltInTranslationsLoad) {
    int argc = 1;
    char name[] = "rse_i18n_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const struct {
        const char* choice;
        const char* context;  // null: a text of the core (CoreText)
        const char* source;
        const char* shown;
    } cases[] = {{"fr", "rse::FrmMain", "&Options", "&Options"},
                 {"es", "rse::FrmMain", "&Options", "&Opciones"},
                 {"es", nullptr, "Radio Setup Editor", "Editor de configuraci\u00f3n de radio"},
                 {"en", "rse::FrmMain", "&Options", "&Options"}};  // the Spanish texts gone
    for (const auto& c : cases) {
        EXPECT_EQ(InstallTranslations(app, QLatin1String(c.choice)), QLatin1String(c.choice));
        const QString shown =
            c.context ? QCoreApplication::translate(c.context, c.source) : CoreText(c.source);
        EXPECT_EQ(shown, QString::fromUtf8(c.shown)) << c.choice << " " << c.source;
    }
}

}  // namespace
}  // namespace rse
