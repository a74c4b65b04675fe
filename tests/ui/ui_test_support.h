// Helpers of the editor's window tests: scripted prompts and a main window on fresh settings.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "qt/settings_store.h"
#include "ui/editor_session.h"
#include "ui/frm_main.h"
#include "ui/prompts.h"

namespace rse::test {

// Records every message and answers with the scripted replies (Ok when none is left).
class ScriptedPrompts : public Prompts {
  public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
    };

    Answer Message(QWidget*, const QString& text, const QString& title, Icon icon,
                   Buttons) override {
        shown.push_back({text, title, icon});
        if (answers.empty()) return Answer::Ok;
        const Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    QString OpenFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        ++openCalls;
        lastFilter = filter;
        return path;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        ++saveCalls;
        lastFilter = filter;
        return path;
    }

    std::vector<Shown> shown;
    std::vector<Answer> answers;
    QString path;  // the answer of the file dialogs; empty: cancelled
    int openCalls = 0;
    int saveCalls = 0;
    QString lastFilter;
};

// Empties the settings store of this test process.
inline void ClearSettings() {
    SettingsStore store;
    store.Settings().clear();
    store.Settings().sync();
}

// A main window built the way the program builds it, on empty or prepared settings.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearSettings();
        // Backups and kept edits of this test go to its own folder.
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    }
    void TearDown() override {
        window.reset();
        ClearSettings();
    }

    // Creates and shows the window; `prepare` may fill the settings store first.
    FrmMain& Open(bool show = true) {
        window = std::make_unique<FrmMain>(session, settings, prompts);
        if (show) {
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }
        return *window;
    }

    QTemporaryDir dataHome;
    EditorSession session;
    SettingsStore settings;
    ScriptedPrompts prompts;
    std::unique_ptr<FrmMain> window;
};

// Calls `act` with the modal dialog of type T as soon as one is shown (checked every 10 ms,
// also inside the dialog's own event loop), once.
template <typename T>
void WhenModal(std::function<void(T&)> act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start(10);
}

template <typename T>
T* Find(QObject* root, const char* name) {
    return root->findChild<T*>(QLatin1String(name));
}

}  // namespace rse::test
