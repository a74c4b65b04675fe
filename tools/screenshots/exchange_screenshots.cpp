// Saves pictures of File > Import Directory for a look by eye: a table with a refused row (the
// message and the unchanged window) and an accepted one (the warnings and the directory shown),
// then the status bar's MMSI notes.
// Usage: rse_exchange_screenshots OUTPUT_FOLDER   (runs on any Qt platform, e.g. offscreen)
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

#include "qt/settings_store.h"
#include "screenshot_support.h"
#include "ui/editor_session.h"
#include "ui/frm_main.h"
#include "ui/widget_prompts.h"

using rse::tools::Save;

namespace {

// The real message boxes, each saved as a picture and closed; file dialogs answer `path`.
class PicturePrompts : public rse::WidgetPrompts {
  public:
    explicit PicturePrompts(const QDir& dir) : dir_(dir) {}

    Answer Message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons) override {
        QTimer::singleShot(200, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ok = Save(box, dir_, next) && ok;
                box->close();
            }
        });
        return WidgetPrompts::Message(parent, text, title, icon, buttons);
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return path;
    }

    QString path;
    QString next;  // the name of the next message's picture
    bool ok = true;

  private:
    QDir dir_;
};

QString WriteTable(const QDir& dir, const QString& name, const char* text) {
    QFile f(dir.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(text);
    return f.fileName();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse-screenshots"));
    const std::optional<QDir> out =
        rse::tools::OutputFolder(argc, argv, "rse_exchange_screenshots");
    if (!out) return 2;
    const QDir& dir = *out;

    rse::EditorSession session;
    rse::SettingsStore settings;
    PicturePrompts prompts(dir);
    rse::FrmMain w(session, settings, prompts);
    w.show();
    session.config.Dir(1) = {true, "OLD ENTRY", "366000001"};
    w.Tree()->RetitleNodes();
    w.Tree()->SelectNodeByKey(rse::nodes::NodeKey::Parse("SM"));

    bool ok = true;
    prompts.path = WriteTable(dir, QStringLiteral("refused.csv"),
                              "No.;Name;MMSI\r\n1;Buddy;366 123 456\r\n2;Harbour master;2320001\r\n"
                              "3;Pilot;366123456\r\n");
    prompts.next = QStringLiteral("import-refused-message");
    w.findChild<QAction*>(QStringLiteral("mnuFileImportDirectory"))->trigger();
    ok = Save(&w, dir, QStringLiteral("import-refused-window")) && ok;

    prompts.path = WriteTable(dir, QStringLiteral("accepted.csv"),
                              "\xEF\xBB\xBFName,MMSI,Notes\r\nBuddy,366 123 456,friend\r\n"
                              "Harbour,002320001,\r\n\"Pilot (1)\",366999001,\r\n"
                              "Sart test,970123456,\r\n");
    prompts.next = QStringLiteral("import-accepted-warnings");
    w.findChild<QAction*>(QStringLiteral("mnuFileImportDirectory"))->trigger();
    ok = Save(&w, dir, QStringLiteral("import-accepted-window")) && ok;

    for (const char* key : {"SM 2", "SM 4"}) {
        w.Tree()->SelectNodeByKey(rse::nodes::NodeKey::Parse(key));
        ok = Save(&w, dir, QStringLiteral("status-%1").arg(QLatin1String(key).mid(3))) && ok;
    }
    w.Tree()->SelectNodeByKey(rse::nodes::NodeKey::Parse("S"));
    w.findChild<QLineEdit*>(QStringLiteral("txtFUser"))->setText(QStringLiteral("002320001"));
    ok = Save(&w, dir, QStringLiteral("status-user")) && ok;
    return ok && prompts.ok ? 0 : 1;
}
