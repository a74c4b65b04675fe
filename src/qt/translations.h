// The language of the programs' texts. English is the language of the source texts: with it,
// or with a language that has no translation, no translator is installed and every text is
// the one in the code. French and Spanish come as compiled translation files, installed with
// the programs and also built into them.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

#include "files/directory_exchange.h"
#include "link/transfer_outcome.h"
#include "model/texts.h"

class QCoreApplication;

namespace rse {

// The settings value of Options > Language: empty for the desktop's language, else a
// language code ("en", "fr", "es").
inline constexpr char kLanguageKey[] = "Options/Language";

// The language codes the programs are translated to, the source language first.
QStringList TranslatedLanguages();

// The language code the texts are shown in for a stored choice: the choice when it is one
// of TranslatedLanguages(), else the first desktop language that is one of them, else "en".
// `desktopLanguages` lists the desktop's languages, most preferred first ("fr-CA", "es").
QString EffectiveLanguage(const QString& choice, const QStringList& desktopLanguages);

// Installs the translators of the language of `choice` (the programs' texts and Qt's own, such
// as the buttons of message boxes) in `app`, in place of those installed before; none for
// English. Returns the language code of the texts.
QString InstallTranslations(QCoreApplication& app, const QString& choice);

}  // namespace rse

namespace rse {

// A text of the core marked with RSE_TEXT("Core", ...), in the language of the programs.
QString CoreText(const char* text);

// The product title ("Radio Setup Editor") as the windows show it.
QString ProductTitle();

// A phrase of the core in the language of the programs; `english` (the phrase's English text,
// as the core also keeps it) when the phrase has no parts.
QString Translated(const Phrase& phrase, const std::string& english = {});

// The message of a radio operation: its text, then its detail after an empty line.
QString LinkMessageText(const LinkMessage& message);
QString LinkMessageTitle(const LinkMessage& message);

// "line N: reason" of a table's row, and at most `max` of them as lines followed by
// "(and N more)" when there are more.
QString RowMessageText(const RowMessage& message);
QString RowMessagesText(const std::vector<RowMessage>& messages, std::size_t max);

}  // namespace rse
