// The worker of long tasks without a radio: results and progress reach the owner in order, a
// cancel stops the task at whichever step it comes, a question that cannot reach its owner is
// answered "no", and an owner that goes never waits for a task stuck in a wait.
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/background_task.h"

namespace rse::test {
namespace {

using namespace std::chrono_literals;

// What the worker did, kept apart from the owner so that it can be read after the owner went.
struct Trace {
    std::atomic<bool> asking{false};   // the task is about to ask
    std::atomic<bool> asked{false};    // the question ran on the owner's thread
    std::atomic<bool> wrote{false};    // the task went on as after "yes"
    std::atomic<bool> release{false};  // lets a task stuck in its "wait" go on
    std::atomic<bool> ended{false};    // the task returned
};

// Waits, without serving the owner's events, until `flag` is set.
void SpinUntil(const std::atomic<bool>& flag) {
    while (!flag.load())
        std::this_thread::yield();
}

TEST(BackgroundTaskTest, StepsProgressAndResultsArriveInOrderAndACancelStopsAtAnyStep) {
    constexpr int kSteps = 4;
    for (int cancelAt = 0; cancelAt <= kSteps; ++cancelAt) {  // kSteps: never
        SCOPED_TRACE(cancelAt);
        BackgroundTask task(5s);
        std::vector<int> progress;
        std::vector<int> results;
        int finished = 0;
        bool runningWhenFinished = true;
        task.onProgress = [&](int percent) { progress.push_back(percent); };
        QObject::connect(&task, &BackgroundTask::finished, [&] {
            ++finished;
            runningWhenFinished = task.Running();
        });
        ASSERT_TRUE(task.Start([&](BackgroundTask::Context& ctx) {
            for (int step = 0; step < kSteps; ++step) {
                ctx.Progress(25 * (step + 1));
                ctx.Post([&results, step] { results.push_back(25 * (step + 1)); });
                const bool goOn = ctx.Ask<bool>(
                    [&task, step, cancelAt] {
                        if (step == cancelAt) task.Cancel();
                        return true;
                    },
                    false);
                if (!goOn) return;
            }
        }));
        EXPECT_TRUE(task.Running());
        EXPECT_FALSE(task.Start([](BackgroundTask::Context&) {}));  // one task at a time
        ASSERT_TRUE(QTest::qWaitFor([&] { return finished > 0; }, 10000));
        std::vector<int> expected;  // the percent of each step that ran, in order
        for (int step = 0; step < std::min(cancelAt + 1, kSteps); ++step)
            expected.push_back(25 * (step + 1));
        EXPECT_EQ(progress, expected);
        EXPECT_EQ(results, expected);
        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(runningWhenFinished);
        EXPECT_EQ(task.Cancelled(), cancelAt < kSteps);
    }
}

TEST(BackgroundTaskTest, AQuestionThatCannotReachItsOwnerIsNo) {
    enum class When { BeforeDelivery, WhileShown };
    enum class Act { Nothing, Cancel, DestroyOwner };
    struct Case {
        const char* name;
        When when;
        Act act;
        bool answer;  // what the owner would answer
        bool asked;   // the question ran on the owner's thread
        bool wrote;
        // The task is in a wait that does not look at the cancel flag (like a link inside its
        // time-out) when `act` comes, and then reports progress and posts a result.
        bool stuck = false;
    };
    // clang-format off
    const Case cases[] = {
        {"yes", When::WhileShown, Act::Nothing, true, true, true},
        {"no", When::WhileShown, Act::Nothing, false, true, false},
        {"cancelled before the question arrives", When::BeforeDelivery, Act::Cancel, true, false, false},
        {"cancelled while the question shows", When::WhileShown, Act::Cancel, true, true, false},
        {"owner gone before the question arrives", When::BeforeDelivery, Act::DestroyOwner, true, false, false},
        {"owner gone while the question shows", When::WhileShown, Act::DestroyOwner, true, true, false},
        {"owner gone while the task waits: it does not wait for the task", When::BeforeDelivery, Act::DestroyOwner, true, false, false, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto trace = std::make_shared<Trace>();
        auto delivered = std::make_shared<std::atomic<int>>(0);  // progress, results, finished
        auto* owner = new QObject;
        QPointer<QObject> alive(owner);
        auto* task = new BackgroundTask(20ms, owner);
        task->onProgress = [delivered](int) { ++*delivered; };
        QObject::connect(task, &BackgroundTask::finished, [delivered] { ++*delivered; });
        const auto act = [&] {
            if (c.act == Act::Cancel) task->Cancel();
            if (c.act == Act::DestroyOwner) delete owner;
        };
        task->Start([trace, delivered, &c, &act](BackgroundTask::Context& ctx) {
            trace->asking = true;
            if (c.stuck) {
                SpinUntil(trace->release);
                ctx.Progress(50);
                ctx.Post([delivered] { ++*delivered; });
            }
            const bool yes = ctx.Ask<bool>(
                [trace, &c, &act] {
                    trace->asked = true;
                    if (c.when == When::WhileShown && c.act != Act::Nothing) {
                        QEventLoop shown;  // as a modal question does
                        QTimer::singleShot(0, &shown, [&] {
                            act();
                            shown.quit();
                        });
                        shown.exec();
                    }
                    return c.answer;
                },
                false);
            if (yes) trace->wrote = true;
            trace->ended = true;
        });
        if (c.when == When::BeforeDelivery) {
            SpinUntil(trace->asking);
            act();  // returns while a stuck task still waits
        }
        trace->release = true;
        ASSERT_TRUE(QTest::qWaitFor([&] { return trace->ended.load(); }, 10000));
        QTest::qWait(10);  // anything still queued is served (or dropped with its owner)
        EXPECT_EQ(trace->asked, c.asked);
        EXPECT_EQ(trace->wrote, c.wrote);
        EXPECT_EQ(alive.isNull(), c.act == Act::DestroyOwner);
        EXPECT_EQ(*delivered, c.act == Act::DestroyOwner ? 0 : 1);  // `finished` while it lives
        delete alive.data();
    }
}

}  // namespace
}  // namespace rse::test
