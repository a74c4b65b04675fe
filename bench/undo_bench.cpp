// Undo and redo in the editor window on a configuration with every channel and directory entry
// set: the time of one undo and one redo (the configuration restored, the tree retitled, the
// step's node shown and its control focused) and the memory 500 steps hold.
// Usage: QT_QPA_PLATFORM=offscreen rse_undo_bench
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QTreeWidget>

#include "model/channel_plans.h"
#include "qt/settings_store.h"
#include "ui/edit_commands.h"
#include "ui/editor_session.h"
#include "ui/frm_main.h"
#include "ui/widget_prompts.h"

namespace {

using Clock = std::chrono::steady_clock;

void FillEverything(rse::Configuration& c) {
    for (auto* bank : {&c.CHUSA, &c.CHINT, &c.CHCAN, &c.CHWX}) {
        for (std::size_t k = 0; k < bank->size(); ++k) {
            (*bank)[k].Enable = true;
            (*bank)[k].ScanMemory = k % 2 == 0;
            (*bank)[k].ChTag = "TAG" + std::to_string(k) + "ABCDEF";
        }
    }
    for (int i = 1; i <= rse::kExpCount; ++i) {
        c.Exp(i).Enable = true;
        c.Exp(i).Position = static_cast<std::int16_t>(i * 13);
        c.Exp(i).ChTag = "EXPTAG" + std::to_string(i);
    }
    for (int i = 1; i <= rse::kDirectoryCount; ++i)
        c.Dir(i) = {true, "STATION" + std::to_string(i % 10), "3660000" + std::to_string(10 + i)};
    c.SETCOM.UserMmsid = "366123456";
    c.SETCOM.AtisNo = "9366123456";
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Report(const std::string& what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s median %.3f ms  p90 %.3f ms  max %.3f ms  (%zu runs)\n", what.c_str(),
                ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse-bench"));
    rse::EditorSession session;
    rse::SettingsStore settings;
    rse::WidgetPrompts prompts;
    rse::FrmMain window(session, settings, prompts);
    window.show();
    QApplication::processEvents();
    FillEverything(session.config);
    session.history.Restart();
    window.Tree()->RetitleNodes();

    // Steps made in the channel list (a channel's tag) and shown there again on undo.
    window.Tree()->setCurrentItem(window.Tree()->NodeByKey(rse::nodes::NodeKey::Parse("PU")));
    QApplication::processEvents();
    // Times 200 undo and redo pairs of a step that `change` makes; `where` names the panel shown.
    const auto timeSteps = [&](const char* where, const auto& change) {
        std::vector<double> undo;
        std::vector<double> redo;
        for (int run = 0; run < 200; ++run) {
            change(run);
            auto t = Clock::now();
            window.Edit().Undo();
            QApplication::processEvents();  // and drawn
            undo.push_back(Ms(Clock::now() - t));
            t = Clock::now();
            window.Edit().Redo();
            QApplication::processEvents();
            redo.push_back(Ms(Clock::now() - t));
        }
        Report(std::string("undo (") + where + " shown)", undo);
        Report(std::string("redo (") + where + " shown)", redo);
    };
    timeSteps("channel panel", [&](int run) {
        session.config.CHUSA[static_cast<std::size_t>(run % 50)].ChTag =
            "RUN" + std::to_string(run);
        window.Edit().RecordCommand(QStringLiteral("Tag Name"), rse::nodes::NodeKey::Parse("PU 7"));
    });
    timeSteps("directory list", [&](int run) {
        session.config.Dir(1 + run % 20).TagName = "N" + std::to_string(run);
        window.Edit().RecordCommand(QStringLiteral("Paste"), rse::nodes::NodeKey::Parse("SM"));
    });

    // Memory: 500 steps, each a changed tag; the history keeps one configuration per step.
    session.history.Restart();
    malloc_trim(0);
    const std::size_t before = mallinfo2().uordblks;
    std::vector<double> record;
    for (int step = 0; step < rse::EditHistory::kLimit; ++step) {
        session.config.CHINT[static_cast<std::size_t>(step % 50)].ChTag =
            "STEP" + std::to_string(step);
        const auto t = Clock::now();
        window.Edit().RecordCommand(QStringLiteral("Tag Name"), rse::nodes::NodeKey::Parse("PI"));
        record.push_back(Ms(Clock::now() - t));
    }
    const std::size_t after = mallinfo2().uordblks;
    Report("record one step", record);
    std::printf("memory for %d steps: %.2f MiB (%.1f KiB a step), %d steps kept\n",
                rse::EditHistory::kLimit, static_cast<double>(after - before) / (1024.0 * 1024.0),
                static_cast<double>(after - before) / 1024.0 / rse::EditHistory::kLimit,
                session.history.Stack().count());
    // Past the limit the oldest steps go.
    for (int step = 0; step < 100; ++step) {
        session.config.CHINT[0].ChTag = "MORE" + std::to_string(step);
        window.Edit().RecordCommand(QStringLiteral("Tag Name"), rse::nodes::NodeKey::Parse("PI"));
    }
    std::printf("after 600 steps: %d kept, %.2f MiB\n", session.history.Stack().count(),
                static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0));
    return 0;
}
