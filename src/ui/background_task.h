// A long task (a transfer, a connection check, a fleet run) on its own worker thread, driven
// from a window: cancel, progress, results queued to the window, and questions the task asks
// the window and waits for. The task object belongs to its window; when the window goes, the
// task is cancelled, every question it asks from then on is answered "no", and nothing it
// sends reaches the window any more. The window never waits longer than the bound it gave.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include <QObject>
#include <QPointer>

class QThread;

namespace rse {

class BackgroundTask : public QObject {
    Q_OBJECT

    struct Shared;

  public:
    // What the task sees on its worker thread.
    class Context {
      public:
        explicit Context(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

        // Set by Cancel() and when the owner goes; the task stops at its next look.
        const std::atomic<bool>& CancelFlag() const;
        bool Cancelled() const { return CancelFlag().load(); }
        // Hands `percent` to the owner's onProgress, queued.
        void Progress(int percent);
        // Runs `onOwner` on the owner's thread, queued and in order, while the owner lives.
        void Post(std::function<void()> onOwner);
        // Runs `question` on the owner's thread and waits for its answer. Answers
        // `unanswered` when the task is cancelled or its owner goes before the answer came:
        // a question that cannot reach its window counts as "no".
        template <typename T>
        T Ask(std::function<T()> question, T unanswered) {
            auto answer = std::make_shared<std::optional<T>>();
            const bool answered =
                Call([question = std::move(question), answer] { *answer = question(); });
            return answered && answer->has_value() ? **answer : unanswered;
        }

      private:
        friend class BackgroundTask;
        // True when `onOwner` ran to its end while the task still waited for it.
        bool Call(std::function<void()> onOwner);
        // Runs `f` with the task object on the owner's thread, queued, while the owner lives.
        void OnTask(std::function<void(BackgroundTask&)> f);

        std::shared_ptr<Shared> shared_;
    };

    // `closeWait` bounds how long the destructor waits for a cancelled task to end: the
    // longest single wait of the task (a link time-out), after which it is left to end alone.
    explicit BackgroundTask(std::chrono::milliseconds closeWait, QObject* owner = nullptr);
    // Cancels the task, answers its questions "no" and waits at most `closeWait`.
    ~BackgroundTask() override;
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Runs `work` on a new worker thread; false (and nothing runs) while a task runs.
    bool Start(std::function<void(Context&)> work);
    // From start until `finished` has been emitted.
    bool Running() const { return running_; }
    // Asks the running task to stop and answers its pending question "no".
    void Cancel();
    bool Cancelled() const;

    // Receives Context::Progress on the owner's thread.
    std::function<void(int percent)> onProgress;

  signals:
    // The task has returned; everything it posted has been delivered before.
    void finished();

  private:
    void Done();

    std::chrono::milliseconds closeWait_;
    std::shared_ptr<Shared> shared_;
    QPointer<QThread> thread_;
    bool running_ = false;
};

}  // namespace rse
