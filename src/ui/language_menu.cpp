#include "ui/language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>

#include "qt/settings_store.h"
#include "qt/translations.h"
#include "ui/prompts.h"

namespace rse {

LanguageMenu::LanguageMenu(QMainWindow& window, SettingsStore& settings, Prompts& prompts)
    : window_(window), settings_(settings), prompts_(prompts) {
    QMenu* options = window_.findChild<QMenu*>(QStringLiteral("mnuOptions"));
    if (!options) return;
    options->addSeparator()->setObjectName(QStringLiteral("mnuOptionsBar2"));
    menu_ = options->addMenu(tr("&Language"));
    menu_->setObjectName(QStringLiteral("mnuOptionsLanguage"));
    // Each language is named in its own words, so that it can be found in any of them.
    const std::pair<QString, QString> choices[] = {
        {QString(), tr("&System")},
        {QStringLiteral("en"), QStringLiteral("&English")},
        {QStringLiteral("fr"), QStringLiteral("&Fran\u00e7ais")},
        {QStringLiteral("es"), QStringLiteral("Es&pa\u00f1ol")}};
    auto* group = new QActionGroup(menu_);
    const QString stored = settings_.Settings().value(QLatin1String(kLanguageKey)).toString();
    for (const auto& [code, caption] : choices) {
        QAction* a = menu_->addAction(caption);
        a->setObjectName(QStringLiteral("mnuOptionsLanguage") +
                         (code.isEmpty() ? QStringLiteral("System") : code));
        a->setCheckable(true);
        a->setChecked(code == stored ||
                      (code.isEmpty() && !TranslatedLanguages().contains(stored)));
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, &window_, [this, code = code] { Choose(code); });
    }
}

void LanguageMenu::Choose(const QString& language) {
    settings_.Settings().setValue(QLatin1String(kLanguageKey), language);
    settings_.Settings().sync();
    prompts_.Message(&window_, tr("The editor shows the chosen language when it starts again."),
                     tr("Language"), Prompts::Icon::Information);
}

}  // namespace rse
