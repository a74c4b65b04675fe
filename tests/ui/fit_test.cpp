// Every panel and dialog under the default font and two desktop fonts: each text fits its
// control, each control lies inside its panel and frame and overlaps no other, and each grid
// column fits its texts; message boxes are wide enough for their titles.
#include <QFontInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyleOptionFrame>

#include <map>

#include "editing/difference_words.h"
#include "files/config_diff.h"
#include "image/identity.h"
#include "link/clone_protocol.h"
#include "qt/backups.h"
#include "qt/translations.h"
#include "ui/dialogs/backups_window.h"
#include "ui/dialogs/compare_window.h"
#include "ui/dialogs/connection_check_dialog.h"
#include "ui/dialogs/fleet_window.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/frm_prn.h"
#include "ui/dialogs/frm_radio.h"
#include "ui/dialogs/program_changes_dialog.h"
#include "ui/dialogs/serial_devices_dialog.h"
#include "ui/navigation_tree.h"
#include "ui/widget_prompts.h"
#include "ui/widgets/digit_entry.h"
#include "ui_test_support.h"

namespace rse {
namespace {

using test::Find;
using test::TreeKey;

QString Name(const QWidget* w) {
    QString name = w->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(w->metaObject()->className());
    if (const auto* label = qobject_cast<const QLabel*>(w))
        name += QLatin1Char(' ') + label->text();
    return name;
}

bool IsControl(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

// The longest text a field is made for: its maximum length of the widest character.
QString FieldSample(const QLineEdit* field) {
    if (field->isReadOnly()) return QStringLiteral("255");  // the radio's entry count
    if (field->maxLength() > 100) return field->text();
    const bool digits = qobject_cast<const DigitEntry*>(field) != nullptr;
    return QString(field->maxLength(), QLatin1Char(digits ? '0' : 'W'));
}

// The area inside the frame that the lines `prefix` + L, T, R and B draw.
QRect InsideFrame(QWidget* root, const QString& prefix) {
    const auto side = [&](char s) { return Find<QWidget>(root, qPrintable(prefix + s)); };
    return QRect(QPoint(side('L')->geometry().right() + 1, side('T')->geometry().bottom() + 1),
                 QPoint(side('R')->x() - 1, side('B')->y() - 1));
}

void Fail(const QString& where, const QWidget* w, const QString& what) {
    ADD_FAILURE()
        << (where + QStringLiteral(": ") + Name(w) + QStringLiteral(": ") + what).toStdString();
}

// The text of one control fits it, with the margins its style keeps.
void CheckText(const QString& where, QWidget* w) {
    const QFontMetrics fm = w->fontMetrics();
    QStyle* style = w->style();
    const auto need = [&](int needed, int have, const QString& text) {
        if (needed > have)
            Fail(where, w,
                 QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(have));
    };
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->pixmap().isNull()) return;  // pictures are centred and clipped by design
        const QSize hint = label->sizeHint();   // all lines, margins and frame
        need(label->wordWrap() ? label->heightForWidth(label->width()) : hint.height(),
             label->height(), label->text());
        if (!label->wordWrap()) need(hint.width(), label->width(), label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // The style's size for the text, the box or bevel and the focus frame.
        need(button->sizeHint().width(), button->width(), button->text());
        need(fm.height(), button->height(), button->text());
    } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        const QString sample = FieldSample(field);
        // QLineEdit keeps 2 pixels free at each side of its text.
        const QSize text(fm.horizontalAdvance(sample) + 4, fm.height());
        need(style->sizeFromContents(QStyle::CT_LineEdit, &option, text, field).width(),
             field->width(), sample);
        need(fm.height(), field->height(), sample);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        // The widest entry beside the arrow, in the frame (the list is sized once shown).
        need(list->sizeHint().width(), list->width(), list->currentText());
        need(fm.height(), list->height(), QStringLiteral("a line"));
    } else if (auto* grid = qobject_cast<QTableWidget*>(w)) {
        const QFontMetrics header(grid->horizontalHeader()->font());
        const int headerMargin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, grid);
        const int cellMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QString heading = grid->horizontalHeaderItem(c)->text();
            const int width = grid->columnWidth(c);
            need(header.horizontalAdvance(heading) + 2 * headerMargin, width, heading);
            for (int r = 0; r < grid->rowCount(); ++r) {
                const QString cell = grid->item(r, c)->text();
                need(fm.horizontalAdvance(cell) + 2 * cellMargin + 1, width, cell);
            }
        }
    }
}

// Texts, places and overlaps of the controls of one panel or dialog.
void CheckContainer(const QString& where, QWidget* container) {
    std::vector<QWidget*> controls;
    for (QWidget* w : container->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(container) || !IsControl(w)) continue;
        bool inner = false;  // part of another control (a list's field, a grid's header)
        for (QWidget* p = w->parentWidget(); p != container; p = p->parentWidget())
            inner = inner || IsControl(p);
        if (!inner) controls.push_back(w);
    }
    if (controls.empty()) Fail(where, container, QStringLiteral("no controls"));
    // The lines of each frame, which must enclose an inner panel.
    std::vector<QWidget*> lines;
    for (QWidget* w : container->findChildren<QWidget*>()) {
        static const QRegularExpression top(QStringLiteral("^lin.T$"));
        const QString n = w->objectName();
        if (!top.match(n).hasMatch()) continue;
        const QRect inside = InsideFrame(container, n.left(4));
        bool enclosed = false;
        for (QWidget* c : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            enclosed = enclosed || (c->isVisibleTo(container) && inside.contains(c->geometry()) &&
                                    c->objectName().startsWith(QLatin1String("pict")));
        if (!enclosed) Fail(where, w, QStringLiteral("encloses no panel"));
        for (char s : {'T', 'B', 'L', 'R'})
            lines.push_back(Find<QWidget>(container, qPrintable(n.left(4) + s)));
    }
    const auto rectIn = [container](QWidget* w) {
        return QRect(w->mapTo(container, QPoint(0, 0)), w->size());
    };
    for (QWidget* w : controls) {
        CheckText(where, w);
        // Inside every widget it lies in, so that nothing of it is cut.
        for (QWidget* p = w->parentWidget();; p = p->parentWidget()) {
            if (!p->rect().contains(QRect(w->mapTo(p, QPoint(0, 0)), w->size())))
                Fail(where, w, QStringLiteral("outside ") + Name(p));
            if (p == container) break;
        }
        for (QWidget* line : lines)
            if (rectIn(w).intersects(rectIn(line)))
                Fail(where, w, QStringLiteral("crosses ") + Name(line));
    }
    // Alt and a letter reaches one control only.
    std::map<QKeySequence, QWidget*> letters;
    for (QWidget* w : controls) {
        QString text;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            text = label->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) continue;
        if (const auto [at, added] = letters.emplace(key, w); !added)
            Fail(where, w, QStringLiteral("shares its letter with ") + Name(at->second));
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (!a->isAncestorOf(b) && !b->isAncestorOf(a) && rectIn(a).intersects(rectIn(b)))
                Fail(where, a, QStringLiteral("overlaps ") + Name(b));
        }
    }
}

class FitsTheFont : public test::MainWindowTest {};

TEST_F(FitsTheFont, EveryPanelAndDialogUnderThreeFontsAndEachLanguage) {
    struct FontCase {
        const char* language;
        const char* family;  // null: the application's default font
        int points;
    };
    const FontCase fonts[] = {{"en", nullptr, 0},      {"en", "Noto Sans", 10},
                              {"en", "Cantarell", 14}, {"fr", nullptr, 0},
                              {"fr", "Cantarell", 14}, {"es", nullptr, 0},
                              {"es", "Cantarell", 14}};
    const QFont original = QApplication::font();
    for (const FontCase& f : fonts) {
        ASSERT_EQ(InstallTranslations(*qApp, QLatin1String(f.language)), QLatin1String(f.language));
        QApplication::setFont(f.family ? QFont(QLatin1String(f.family), f.points) : original);
        if (f.family) {  // the font is installed (scripts/packages.txt), not a substitute
            ASSERT_EQ(QFontInfo(QApplication::font()).family(), QLatin1String(f.family));
        }
        const QString font =
            QStringLiteral("%1 %2 %3")
                .arg(QLatin1String(f.language), QLatin1String(f.family ? f.family : "default"))
                .arg(f.points);
        FrmMain& w = Open();
        if (f.family == nullptr) {  // a backup of each kind for the Backups window to list
            ASSERT_TRUE(KeepReadImage(test::PatternImage(), QStringLiteral("/dev/ttyUSB0")).io.ok);
            ASSERT_TRUE(KeepEdits("[Setting]\n", QStringLiteral("edits before Open")).io.ok);
        }
        // The start size, which is also the smallest.
        ASSERT_EQ(w.size(), w.minimumSize());
        // The widest texts the model can hold.
        for (ChannelRecord& r : session.config.CHUSA)
            r.ChTag = "WWWWWWWWWWWW";
        for (int i = 1; i <= kDirectoryCount; ++i)
            session.config.Dir(i) = {true, "WWWWWWWWWW", "888888888"};
        session.config.Exp(3).Enable = true;
        w.Tree()->RetitleNodes();

        for (const char* key : {"P", "PU", "PU 1", "PI 40", "PW", "E", "E 3", "S", "SM", "SM 2"}) {
            w.Tree()->SelectNodeByKey(TreeKey(QLatin1String(key)));
            QApplication::processEvents();
            CheckContainer(font + QStringLiteral(" node ") + QLatin1String(key), w.FrontPanel());
        }
        // The panel area inside its frame; the status bar with the longest key hint.
        QWidget* data = Find<QWidget>(&w, "pictData");
        if (!InsideFrame(&w, QStringLiteral("lin")).contains(data->geometry()))
            Fail(font, data, QStringLiteral("outside its frame"));
        QString longest = NavigationTree::tr(NavigationTree::kTreeHint);
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const QString hint = c->property("statusHint").toString();
            if (hint.size() > longest.size()) longest = hint;
        }
        emit w.FrontPanel()->statusHint(longest);  // shown as a focused control's hint
        CheckContainer(font + QStringLiteral(" status bar"), w.statusBar());

        // The dialogs, each gone before its parent.
        const auto fits = [&](const char* what, QDialog&& dialog) {
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            CheckContainer(
                QStringLiteral("%1 %2 %3").arg(font, QLatin1String(what), dialog.windowTitle()),
                &dialog);
        };
        for (TransferMode mode : {TransferMode::Read, TransferMode::Program})
            fits("transfer", FrmRadio(session, prompts, mode, QStringLiteral("/dev/null"), &w));
        fits("about", FrmAbout(&w));
        fits("report", FrmPrn(session, prompts, &w));
        fits("device paths", SerialDevicesDialog(settings, &w));
        fits("backups", BackupsWindow(DefaultBackupStore(), prompts, &w));
        // Every kind of difference the widest texts make against the pattern image.
        MemoryImage mine = session.image;
        EncodeImage(session.config, mine);
        const std::vector<DifferenceRow> rows =
            DescribeDifferences(CompareImages(test::PatternImage(), mine), session.config);
        fits("compare with",
             CompareWindow(rows, QStringLiteral("backup 2026-12-07 10.00.00 read.hex"), &w));
        fits("program changes", ProgramChangesDialog(rows, &w));
        // With the question about the radio's own numbers, both sentences of the widest numbers.
        const MemoryImage radio = test::ImageWithNumbers("888888888", "9888888888");
        const std::optional<IdentityChange> change =
            IdentityQuestion(IdentityOf(radio), test::ImageWithNumbers("366999001", ""));
        ASSERT_TRUE(change.has_value());
        ProgramChangesDialog::Preview preview{rows, rows, {}};
        for (const Phrase& sentence : IdentityPhrases(*change))
            preview.identity.push_back(Translated(sentence));
        fits("program changes with identity", ProgramChangesDialog(preview, &w));
        fits("program several radios", FleetWindow(session.config, QStringLiteral("club.dat"),
                                                   QString::fromStdString(dir.Path().string()),
                                                   QStringLiteral("/dev/null"), {}, prompts, &w));
        fits("check connection",
             ConnectionCheckDialog(QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R"),
                                   QStringLiteral("COM1"), false, &w));
        window.reset();
    }
    QApplication::setFont(original);
    InstallTranslations(*qApp, QStringLiteral("en"));
}

TEST_F(FitsTheFont, MessageBoxesAreWideEnoughForTheirTitles) {
    WidgetPrompts real;
    for (const auto& [title, text] :
         {std::pair{kProgramTitle, kCompleteText},  // the longer of the transfers' titles
          std::pair{"QM24 VH3400M Radio Setup Editor", "FileSave Error!!"}}) {
        SCOPED_TRACE(title);
        int width = 0;
        modals.On<QMessageBox>([&width](QMessageBox& box) {
            width = box.width();
            box.button(QMessageBox::Ok)->click();
        });
        real.Message(nullptr, QLatin1String(text), QLatin1String(title),
                     Prompts::Icon::Information);
        // The title in bold beside a window manager's icon and three buttons, each about a
        // line high.
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int line = QFontMetrics(QApplication::font()).height();
        EXPECT_GE(width, QFontMetrics(bold).horizontalAdvance(QLatin1String(title)) + 4 * line);
    }
}

}  // namespace
}  // namespace rse
