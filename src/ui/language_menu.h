// Options > Language: the language of the editor's texts (the desktop's, English, French or
// Spanish), stored in the settings and applied when the editor starts again.
#pragma once

#include <QCoreApplication>
#include <QString>

class QMainWindow;
class QMenu;

namespace rse {

class Prompts;
class SettingsStore;

class LanguageMenu {
    Q_DECLARE_TR_FUNCTIONS(rse::LanguageMenu)

  public:
    // Adds the submenu to the window's Options menu (mnuOptions).
    LanguageMenu(QMainWindow& window, SettingsStore& settings, Prompts& prompts);

    // Stores the choice ("" for the desktop's language) and says when it takes effect.
    void Choose(const QString& language);

  private:
    QMainWindow& window_;
    SettingsStore& settings_;
    Prompts& prompts_;
    QMenu* menu_ = nullptr;
};

}  // namespace rse
