// The editor keeps the user's data and stays usable: the mouse wheel over lists, file dialogs
// that ask before replacing a file, Save and the memory image file, stored texts longer than
// their typing limit, busy pointers, help beside a modal dialog, the window's layout, message
// box titles and the transfer progress for assistive technology. The real widgets are driven:
// wheel turns delivered like the window system's, the real file dialogs and message boxes
// answered where a person would answer.
#include <deque>

#include <QtTest/qtestspontaneevent.h>
#include <QAccessible>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QWindow>

#include "files/config_file.h"
#include "files/disk_io.h"
#include "files/image_file.h"
#include "link/clone_protocol.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/widget_prompts.h"
#include "ui_test_support.h"

namespace rse::test {
namespace {

// Answers modal windows as a person would: each step waits until the active modal window is
// of its kind, then acts on it. A modal window that no step expects is rejected and counted,
// so a missing question never hangs the test.
class Autopilot : public QObject {
  public:
    struct Step {
        std::function<bool(QWidget*)> ready;
        std::function<void(QWidget*)> act;
    };

    Autopilot() {
        connect(&timer_, &QTimer::timeout, this, &Autopilot::Tick);
        timer_.start(10);
    }
    Autopilot& Then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool Done() const { return steps_.empty(); }
    int unexpected = 0;

  private:
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (steps_.empty()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                ++unexpected;
                dialog->reject();
            }
            return;
        }
        if (!steps_.front().ready(modal)) return;
        // Acted on outside this timer's slot: the act may open a nested modal window, and Qt
        // does not fire a timer again while its slot runs.
        QTimer::singleShot(0, modal, [act = std::move(steps_.front().act), modal] { act(modal); });
        steps_.pop_front();
    }

    QTimer timer_;
    std::deque<Step> steps_;
};

template <typename T>
Autopilot::Step On(std::function<void(T*)> act) {
    return {[](QWidget* w) { return qobject_cast<T*>(w) != nullptr; },
            [act](QWidget* w) { act(qobject_cast<T*>(w)); }};
}

// In the file dialog: goes to `folder`, types `name` and presses Save (or Open).
Autopilot::Step TypeFileName(const QString& folder, const QString& name) {
    return On<QFileDialog>([folder, name](QFileDialog* d) {
        d->setDirectory(folder);
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        edit->clear();
        QTest::keyClicks(edit, name);
        auto* buttons = d->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        for (QAbstractButton* b : buttons->buttons())
            if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) b->click();
    });
}
Autopilot::Step CancelFileDialog(bool* shown) {
    return On<QFileDialog>([shown](QFileDialog* d) {
        *shown = true;
        d->reject();
    });
}
Autopilot::Step AnswerMessage(QMessageBox::StandardButton button, QString* text) {
    return On<QMessageBox>([button, text](QMessageBox* box) {
        *text = box->text();
        box->button(button)->click();
    });
}

// One notch of the wheel at the middle of `widget`, delivered to the widget under that point
// as the window system delivers it (spontaneous, so Qt passes an ignored turn to the parent).
void TurnWheel(QWidget* widget, int notches) {
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, widget->rect().center());
    QWidget* target = window->childAt(inWindow);
    ASSERT_TRUE(target);
    const QPointF local = target->mapFrom(window, inWindow);
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent turn(local, target->mapToGlobal(local), QPoint(),
                         QPoint(0, notches > 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&turn);
        qApp->notify(target, &turn);
    }
}

// A click on `widget` delivered to its window as the window system delivers it, so that a
// window blocked by a modal dialog does not get it.
void Click(QWidget* widget) {
    QWindow* window = widget->window()->windowHandle();
    ASSERT_TRUE(window);
    QTest::mouseClick(window, Qt::LeftButton, {},
                      widget->mapTo(widget->window(), widget->rect().center()));
}

// Counts the wheel turns a widget receives.
class WheelCounter : public QObject {
  public:
    int turns = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Wheel) ++turns;
        return false;
    }
};

class EditorSafety : public MainWindowTest {
  protected:
    FrmMain& OpenWith(Prompts& chosen) {
        window = std::make_unique<FrmMain>(session, settings, chosen);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    static std::string ReadAll(const QString& path) { return ReadText(path.toStdString()); }
    static void Write(const QString& path, const std::string& text) {
        ASSERT_TRUE(WriteFileAtomic(path.toStdString(), text).ok);
    }

    WidgetPrompts real;
    QTemporaryDir dir;
};

TEST_F(EditorSafety, WheelLeavesListsWithoutTheFocusAloneAndStepsAFocusedOneLikeTheKeys) {
    // The settings panel's Contrast Level; the position list of an unused EXP memory.
    for (const auto& [node, name] : {std::pair{"S", "cmbFCont"}, std::pair{"E 5", "cmbCN"}}) {
        SCOPED_TRACE(name);
        window.reset();
        FrmMain& w = Open();
        w.Tree()->SelectNodeByKey(QLatin1String(node));
        auto* list = Find<QComboBox>(&w, name);
        ASSERT_TRUE(list && list->isVisible());
        w.Tree()->setFocus();
        const std::string before = ComposeConfigFile(session.config);
        const Configuration kept = session.config;
        WheelCounter container;
        list->parentWidget()->installEventFilter(&container);

        TurnWheel(list, 3);
        EXPECT_EQ(ComposeConfigFile(session.config), before);  // nothing stored or enabled
        EXPECT_FALSE(list->hasFocus());
        EXPECT_EQ(container.turns, 3);  // the turns went on to what holds the list
        list->parentWidget()->removeEventFilter(&container);

        // With the focus, one notch down stores what the Down key stores.
        list->setFocus(Qt::TabFocusReason);
        TurnWheel(list, 1);
        const std::string byWheel = ComposeConfigFile(session.config);
        EXPECT_NE(byWheel, before);
        session.config = kept;
        w.Tree()->RefreshSelection();
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(ComposeConfigFile(session.config), byWheel);
    }
}

TEST_F(EditorSafety, SaveDialogsAskBeforeReplacingTheFileWithTheAddedExtension) {
    struct Case {
        const char* command;
        const char* file;
        std::function<void(FrmMain&)> run;
    };
    const Case cases[] = {
        {"Save", "boat.dat", [](FrmMain& w) { w.FileSave(); }},
        {"Save As", "boat.dat", [](FrmMain& w) { w.FileSaveAs(); }},
        {"Ctrl+F3", "boat.hex",
         [](FrmMain& w) { QTest::keyClick(w.Tree(), Qt::Key_F3, Qt::ControlModifier); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        window.reset();
        session.DebugMode = true;
        FrmMain& w = OpenWith(real);
        const QString kept = Path(QLatin1String(c.file));
        Write(kept, "the user's own file");
        QString question;
        bool dialogStayed = false;
        Autopilot pilot;
        pilot.Then(TypeFileName(dir.path(), QStringLiteral("boat")))
            .Then(AnswerMessage(QMessageBox::No, &question))
            .Then(CancelFileDialog(&dialogStayed));
        c.run(w);
        EXPECT_TRUE(pilot.Done());
        EXPECT_TRUE(question.contains(QLatin1String(c.file))) << question.toStdString();
        EXPECT_TRUE(dialogStayed);
        EXPECT_EQ(ReadAll(kept), "the user's own file");
        EXPECT_EQ(pilot.unexpected, 0);
    }
}

TEST_F(EditorSafety, SaveWritesOnlyIntoAConfigurationFileNeverIntoTheImageFile) {
    session.DebugMode = true;
    FrmMain& w = OpenWith(real);
    const QString image = Path(QStringLiteral("radio.hex"));
    ASSERT_TRUE(SaveImageFile(QFile::encodeName(image).toStdString(), session.image).ok);
    const std::string imageBytes = ReadAll(image);
    {
        Autopilot pilot;
        pilot.Then(TypeFileName(dir.path(), QStringLiteral("radio.hex")));
        QTest::keyClick(w.Tree(), Qt::Key_F2, Qt::ControlModifier);
        ASSERT_EQ(session.CurrentFileName, image);
    }
    // Save after loading the image asks for a configuration file name, as Save As does.
    bool asked = false;
    {
        Autopilot pilot;
        pilot.Then(CancelFileDialog(&asked));
        w.FileSave();  // Ctrl+S and the toolbar's Save
        EXPECT_TRUE(pilot.Done());
    }
    EXPECT_TRUE(asked);
    EXPECT_EQ(ReadAll(image), imageBytes);

    // A configuration file in any letter case is written at once.
    const QString boat = Path(QStringLiteral("Boat.DAT"));
    Write(boat, "old");
    session.CurrentFileName = boat;
    Autopilot pilot;
    w.FileSave();
    EXPECT_EQ(pilot.unexpected, 0);
    EXPECT_EQ(ReadAll(boat), ComposeConfigFile(session.config));
}

TEST_F(EditorSafety, StoredTextsLongerThanTheTypingLimitAreShownWholeAndKept) {
    struct Case {
        const char* node;
        const char* field;
        std::function<std::string&(Configuration&)> stored;
        std::string text;  // longer than the field's typing limit
    };
    const Case cases[] = {
        {"S", "txtFUser", [](Configuration& c) -> std::string& { return c.SETCOM.UserMmsid; },
         "3661234567"},
        {"PU 0", "txtCTag", [](Configuration& c) -> std::string& { return c.CHUSA[0].ChTag; },
         "ABCDEFGHIJKLMNO"},
        {"SM 1", "txtGPosi", [](Configuration& c) -> std::string& { return c.Dir(1).TagName; },
         "STATIONNAME1"},
        {"SM 1", "txtGMMSI", [](Configuration& c) -> std::string& { return c.Dir(1).Mmsid; },
         "3661234567"},
    };
    FrmMain& w = Open();
    session.config.CHUSA[0].Enable = true;
    session.config.Dir(1).Enable = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        c.stored(session.config) = c.text;
        w.Tree()->SelectNodeByKey(QLatin1String(c.node));
        w.Tree()->RefreshSelection();
        auto* field = Find<QLineEdit>(&w, c.field);
        ASSERT_TRUE(field && field->isVisible() && field->isEnabled());
        EXPECT_EQ(field->text().toStdString(), c.text);

        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, QStringLiteral("7Z"));  // adds nothing to a full field
        EXPECT_EQ(field->text().toStdString(), c.text);
        w.Tree()->setFocus(Qt::TabFocusReason);  // leaving the field
        EXPECT_EQ(c.stored(session.config), c.text);
    }
    EXPECT_TRUE(prompts.shown.empty());
    // Below the limit, typing stops at the limit.
    w.Tree()->SelectNodeByKey(QStringLiteral("S"));
    auto* user = Find<QLineEdit>(&w, "txtFUser");
    user->setFocus(Qt::TabFocusReason);
    QTest::keyClick(user, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(user, QStringLiteral("12345678901"));
    EXPECT_EQ(user->text(), QStringLiteral("123456789"));
}

TEST_F(EditorSafety, ReportWindowClosedWhileSettlingTakesTheBusyPointerAlong) {
    Restore<int> slow(FrmPrn::settleMs, 600000);
    FrmMain& w = Open();
    Autopilot pilot;
    pilot.Then(Autopilot::Step{[](QWidget* m) {
                                   auto* report = qobject_cast<FrmPrn*>(m);
                                   return report &&
                                          report->Text()->toPlainText() != FrmPrn::kPlaceholder;
                               },
                               [](QWidget* m) {
                                   EXPECT_FALSE(m->isEnabled());  // still settling
                                   EXPECT_TRUE(QApplication::overrideCursor());
                                   m->close();
                               }});
    w.FilePrintToFile();
    EXPECT_TRUE(pilot.Done());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(EditorSafety, HelpFromTheTransferDialogCanBeUsedWhileTheDialogIsUp) {
    FrmMain& w = Open();
    bool helpShown = false;
    bool helpClosed = false;
    Autopilot pilot;
    pilot.Then(On<FrmRadio>([&](FrmRadio* dialog) {
        Click(Find<QPushButton>(dialog, "cmdHelp"));
        QWidget* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmHelp")) help = top;
        helpShown = help && help->isVisible();
        if (helpShown) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
            // Owned by the dialog: the window system keeps it in front of the dialog, and the
            // dialog's modality leaves it usable.
            EXPECT_EQ(help->windowHandle()->transientParent(), dialog->windowHandle());
            Click(Find<QPushButton>(help, "cmdClose"));
            helpClosed = !help->isVisible();
        }
        dialog->reject();
    }));
    w.TransferRead();
    EXPECT_TRUE(pilot.Done());
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(helpClosed);  // its Close button answered while the dialog was up
}

TEST_F(EditorSafety, NothingIsPlacedOutsideTheWindowAtTheStartSizeAndMaximised) {
    FrmMain& w = Open();
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "start size");
        if (maximised) {
            w.showMaximized();
            QTRY_VERIFY(w.isMaximized());
        }
        const QRect inside = w.rect();
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (child->isWindow() || !child->isVisible()) continue;
            const QRect placed(child->mapTo(&w, QPoint(0, 0)), child->size());
            EXPECT_TRUE(inside.contains(placed))
                << child->objectName().toStdString() << " " << child->metaObject()->className();
        }
        EXPECT_EQ(w.statusBar()->geometry().bottom(), inside.bottom());
    }
}

TEST_F(EditorSafety, MessageBoxesAreWideEnoughForTheirTitles) {
    for (const auto& [title, text] :
         {std::pair{kReadTitle, kCompleteText}, std::pair{kProgramTitle, kCompleteText},
          std::pair{"QM24 VH3400M Radio Setup Editor", "FileSave Error!!"}}) {
        SCOPED_TRACE(title);
        int width = 0;
        Autopilot pilot;
        pilot.Then(On<QMessageBox>([&width](QMessageBox* box) {
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        }));
        real.Message(nullptr, QLatin1String(text), QLatin1String(title),
                     Prompts::Icon::Information);
        ASSERT_TRUE(pilot.Done());
        // The title in bold beside a window manager's icon and three buttons, each about a
        // line high.
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int line = QFontMetrics(QApplication::font()).height();
        EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(QLatin1String(title)) + 4 * line);
    }
}

TEST_F(EditorSafety, TransferProgressIsAProgressIndicatorWithItsValue) {
    FrmRadio dialog(session, prompts, TransferMode::Read, QStringLiteral("/dev/null"));
    QWidget* progress = Find<QWidget>(&dialog, "pictProgress");
    ASSERT_TRUE(progress);
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(progress);
    ASSERT_TRUE(a11y);
    EXPECT_EQ(a11y->role(), QAccessible::ProgressBar);
    ASSERT_TRUE(a11y->valueInterface());
    for (const int percent : {0, 42, 100}) {
        dialog.ShowProgress(percent);
        EXPECT_EQ(a11y->valueInterface()->currentValue().toInt(), percent);
        EXPECT_EQ(a11y->text(QAccessible::Value), QStringLiteral("%1%").arg(percent));
    }
    EXPECT_EQ(a11y->valueInterface()->maximumValue().toInt(), 100);
}

}  // namespace
}  // namespace rse::test
