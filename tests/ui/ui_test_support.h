// Helpers of the editor's window tests: scripted prompts, a main window on fresh settings and a
// driver that plays a table of user steps (select a node, click, type, press a key) and checks
// after each step the model and what the window shows.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "editing/node_keys.h"
#include "qt/settings_store.h"
#include "support.h"
#include "ui/editor_session.h"
#include "ui/file_commands.h"
#include "ui/frm_main.h"
#include "ui/panels/editor_panel.h"
#include "ui/prompts.h"

// QString in test failure messages as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace rse::test {

// A tree key from its text ("PU 3").
inline nodes::NodeKey TreeKey(const QString& text) {
    return nodes::NodeKey::Parse(text.toStdString());
}

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
    // Answers with the next scripted choice (the default button when none is left).
    int Choose(QWidget*, const QString& text, const QString& title, Icon icon,
               const QStringList& buttonTexts, int defaultButton) override {
        shown.push_back({text, title, icon});
        buttons = buttonTexts;
        if (choices.empty()) return defaultButton;
        const int c = choices.front();
        choices.erase(choices.begin());
        return c;
    }
    QString OpenFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        return ++openCalls, lastFilter = filter, path;
    }
    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        return ++saveCalls, lastFilter = filter, path;
    }
    QString AppendFileName(QWidget*, const QString&, const QString& filter,
                           const QString& proposed) override {
        return ++appendCalls, lastFilter = filter, lastProposed = proposed, path;
    }

    std::vector<Shown> shown;
    std::vector<Answer> answers;
    std::vector<int> choices;  // for Choose
    QStringList buttons;       // of the last Choose
    QString path;              // the answer of the file dialogs; empty: cancelled
    int openCalls = 0;
    int saveCalls = 0;
    int appendCalls = 0;
    QString lastFilter;
    QString lastProposed;  // of the last AppendFileName
};

// Empties the settings store of this test process.
inline void ClearSettings() {
    SettingsStore store;
    store.Settings().clear();
    store.Settings().sync();
}

template <typename T = QWidget>
T* Find(QObject* root, const char* name) {
    return root->findChild<T*>(QLatin1String(name));
}

// Answers modal windows in turn as a person would: each expected window waits until the active
// modal window is of its type, then is handed to its act. A
// modal dialog that nothing expects is rejected and counted, so a missing question never hangs
// a test. Idle until the first window is expected.
class Modals : public QObject {
  public:
    Modals() { connect(&timer_, &QTimer::timeout, this, &Modals::Tick); }
    template <typename T>
    Modals& On(std::function<void(T&)> act) {
        timer_.start(10);
        expected_.push_back({[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
                             [act](QWidget* w) { act(*qobject_cast<T*>(w)); }});
        return *this;
    }
    bool Done() const { return expected_.empty(); }
    int unexpected = 0;

  private:
    struct Expected {
        std::function<bool(QWidget*)> is;
        std::function<void(QWidget*)> act;
    };
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || acting_.contains(modal)) return;
        if (expected_.empty()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                ++unexpected;
                dialog->reject();
            }
            return;
        }
        if (!expected_.front().is(modal)) return;
        // Acted on outside this timer's slot: the act may open a nested modal window, and Qt
        // does not fire a timer again while its slot runs.
        acting_.append(modal);
        QTimer::singleShot(0, modal, [this, act = std::move(expected_.front().act), modal] {
            act(modal);
            acting_.removeOne(modal);
        });
        expected_.pop_front();
    }

    QTimer timer_;
    std::deque<Expected> expected_;
    QList<QWidget*> acting_;  // windows whose act runs
};

// A main window built the way the program builds it, on empty or prepared settings.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override {
        window.reset();
        ClearSettings();
        EXPECT_TRUE(modals.Done()) << "an expected modal window was not shown";
        EXPECT_EQ(modals.unexpected, 0);
    }

    // Creates the window, shown and active unless show is false, so that focus changes
    // happen as for a user; with the scripted prompts unless others are given.
    FrmMain& Open(bool show = true, Prompts* chosen = nullptr) {
        window = std::make_unique<FrmMain>(session, settings, chosen ? *chosen : prompts);
        window->Files().defaultFolder = QString::fromStdString(dir.Path().string());
        if (show) {
            window->show();
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        return *window;
    }

    void ClickNode(const QString& key) {
        QTreeWidgetItem* node = window->Tree()->NodeByKey(TreeKey(key));
        ASSERT_NE(node, nullptr) << key.toStdString();
        window->Tree()->scrollToItem(node);
        const QRect r = window->Tree()->visualItemRect(node);
        QTest::mouseClick(window->Tree()->viewport(), Qt::LeftButton, {}, r.center());
    }

    // A control by its name; "name#3" is the one of several with that name whose index is 3.
    QWidget* W(const QString& name) const {
        const QStringList parts = name.split(QLatin1Char('#'));
        for (QWidget* w : window->findChildren<QWidget*>(parts[0]))
            if (parts.size() == 1 || w->property("index").toString() == parts[1]) return w;
        ADD_FAILURE() << "no control " << name.toStdString();
        return window.get();
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }

    // A click where a user clicks: the box of a check box, the middle of anything else.
    static void UserClick(QWidget* w) {
        const bool box = qobject_cast<QCheckBox*>(w) != nullptr;
        QTest::mouseClick(w, Qt::LeftButton, {},
                          box ? QPoint(6, w->height() / 2) : w->rect().center());
        QCoreApplication::processEvents();  // a field selects its text after the click
    }

    // One user action and what must hold after it. `change` makes the same edit to the
    // expected model (the model must equal it after every step); `expect` lists what the
    // window shows, clauses separated by ';':
    //   on A B | off A B | checked A | unchecked A | visible A | hidden A    (controls)
    //   text A=VALUE | focus A | hint TEXT | note TEXT (the status bar's whole note)
    //   node KEY=TEXT | selected KEY | panel NAME
    //   message TEXT|TITLE (the last message box) | messages N (how many so far)
    //   inactive TIMER | row GRID N=CELL|CELL|... (the texts of a grid's row N)
    // Actions: node KEY | click A | focus A | key A KEYS | type A TEXT | paste A TEXT |
    //   run ACTION (a menu or toolbar action) | refresh (reload the panel) |
    //   dclick GRID N (row N of a grid, -1: its header) | enter GRID N (Enter on row N) |
    //   select GRID A-B (a click on row A, a Shift+click on row B).
    struct Step {
        std::string action;
        std::function<void(Configuration&)> change = {};
        std::string expect = {};
    };
    void Play(const std::vector<Step>& steps) {
        Configuration expected = session.config;
        for (const Step& s : steps) {
            SCOPED_TRACE(s.action);
            Do(QString::fromStdString(s.action));
            if (s.change) s.change(expected);
            EXPECT_TRUE(session.config == expected) << "the model differs";
            Expect(s.expect);
        }
    }
    // What the window shows, in the clauses of Step::expect.
    void Expect(const std::string& clauses) {
        for (const QString& clause : QString::fromStdString(clauses).split(';')) {
            const QString c = clause.trimmed();
            if (c.isEmpty()) continue;
            EXPECT_EQ(Shown(c), c.section(' ', 1)) << c.toStdString();
        }
    }

    static QString Text(QWidget* w) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        return {};
    }

    EditorSession session;
    SettingsStore settings;
    ScriptedPrompts prompts;
    TempDir dir;  // the default file and anything else the test writes
    ScopedEnv dataHome{"XDG_DATA_HOME", dir.File("data")};  // backups and kept edits
    Modals modals;
    std::unique_ptr<FrmMain> window;

  private:
    void Do(const QString& action) {
        const QString verb = action.section(QLatin1Char(' '), 0, 0);
        const QString rest = action.section(QLatin1Char(' '), 1);
        const QString name = rest.section(QLatin1Char(' '), 0, 0);
        const QString arg = rest.section(QLatin1Char(' '), 1);
        const auto is = [&](const char* word) { return verb == QLatin1String(word); };
        if (is("node")) return ClickNode(rest);
        if (is("click")) return UserClick(W(name));
        if (is("focus")) return W(name)->setFocus(Qt::TabFocusReason);
        if (is("run")) return window->findChild<QAction*>(rest)->trigger();
        if (is("refresh")) return window->Tree()->RefreshSelection();
        if (is("key")) {
            if (Focus() != W(name)) W(name)->setFocus(Qt::TabFocusReason);
            const QKeyCombination k = QKeySequence(arg)[0];
            return QTest::keyClick(W(name), k.key(), k.keyboardModifiers());
        }
        if (is("type") || is("paste")) {
            if (Focus() != W(name)) UserClick(W(name));
            if (is("type")) return QTest::keyClicks(W(name), arg);
            if (auto* e = qobject_cast<QLineEdit*>(W(name))) e->selectAll();
            QApplication::clipboard()->setText(arg);
            return QTest::keyClick(W(name), Qt::Key_V, Qt::ControlModifier);
        }
        if (!is("enter") && !is("dclick") && !is("select")) {
            ADD_FAILURE() << "unknown step " << action.toStdString();
            return;
        }
        auto* grid = qobject_cast<QTableWidget*>(W(name));
        const auto at = [grid](const QString& row) {
            grid->scrollToItem(grid->item(row.toInt(), 1));
            return grid->visualItemRect(grid->item(row.toInt(), 1)).center();
        };
        if (is("enter")) {
            grid->setFocus(Qt::TabFocusReason);
            grid->setCurrentCell(arg.toInt(), 0);
            return QTest::keyClick(grid, Qt::Key_Return);
        }
        if (is("select")) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at(arg.section('-', 0, 0)));
            return QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                                     at(arg.section('-', 1)));
        }
        const bool header = arg.toInt() < 0;  // dclick
        QWidget* area = header ? grid->horizontalHeader()->viewport() : grid->viewport();
        const QPoint point =
            header ? QPoint(grid->horizontalHeader()->sectionPosition(1) + 5, 5) : at(arg);
        QTest::mouseClick(area, Qt::LeftButton, {}, point);
        QTest::mouseDClick(area, Qt::LeftButton, {}, point);
    }

    // What the window shows for one clause of Step::expect, written as the clause writes it.
    QString Shown(const QString& clause) {
        const QString what = clause.section(QLatin1Char(' '), 0, 0);
        const QString rest = clause.section(QLatin1Char(' '), 1);
        const QString key = rest.section(QLatin1Char('='), 0, 0);
        const auto is = [&](const char* word) { return what == QLatin1String(word); };
        static const QStringList states = {"on",     "off",     "visible",
                                           "hidden", "checked", "unchecked"};
        if (const auto s = states.indexOf(what); s >= 0) {
            QStringList held;  // the controls named that are in the state
            for (const QString& n : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                QWidget* w = W(n);
                const bool on = s < 2   ? w->isEnabled()
                                : s < 4 ? w->isVisible()
                                        : qobject_cast<QAbstractButton*>(w)->isChecked();
                if (on == (s % 2 == 0)) held << n;
            }
            return held.join(QLatin1Char(' '));
        }
        if (is("text")) return key + QLatin1Char('=') + Text(W(key));
        if (is("focus")) return Focus() == W(rest) ? rest : QStringLiteral("another control");
        if (is("hint")) return window->StatusText(StatusPanel::KeyHint).left(rest.size());
        if (is("note")) return Find<QLabel>(window.get(), "sbStatusBarPanel2")->toolTip();
        if (is("node"))
            return key + QLatin1Char('=') + window->Tree()->NodeByKey(TreeKey(key))->text(0);
        if (is("selected")) return QString::fromStdString(window->Tree()->SelectedKey().Text());
        if (is("panel")) return window->FrontPanel()->objectName();
        if (is("inactive")) return window->findChild<QTimer*>(rest)->isActive() ? what : rest;
        if (is("messages")) return QString::number(prompts.shown.size());
        if (is("message") && !prompts.shown.empty())
            return prompts.shown.back().text + QLatin1Char('|') + prompts.shown.back().title;
        if (is("row")) {
            auto* grid = qobject_cast<QTableWidget*>(W(key.section(QLatin1Char(' '), 0, 0)));
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c)
                cells << grid->item(key.section(QLatin1Char(' '), 1).toInt(), c)->text();
            return key + QLatin1Char('=') + cells.join(QLatin1Char('|'));
        }
        return QStringLiteral("no such clause or message");
    }
};

}  // namespace rse::test
