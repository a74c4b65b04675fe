#include "ui/background_task.h"

#include <QDeadlineTimer>
#include <QThread>

namespace rse {

// One run's state, shared by the owner and the worker; it outlives whichever ends first.
struct BackgroundTask::Shared {
    std::mutex mutex;
    std::condition_variable changed;  // an answer came, the task was cancelled or orphaned
    std::atomic<bool> cancel{false};
    BackgroundTask* receiver = nullptr;  // the task object while it lives; guarded by `mutex`
};

const std::atomic<bool>& BackgroundTask::Context::CancelFlag() const {
    return shared_->cancel;
}

void BackgroundTask::Context::OnTask(std::function<void(BackgroundTask&)> f) {
    const std::lock_guard lock(shared_->mutex);
    if (!shared_->receiver) return;
    // Queued events of an object that is deleted are dropped with it.
    BackgroundTask* task = shared_->receiver;
    QMetaObject::invokeMethod(
        task, [task, f = std::move(f)] { f(*task); }, Qt::QueuedConnection);
}

void BackgroundTask::Context::Post(std::function<void()> onOwner) {
    OnTask([onOwner = std::move(onOwner)](BackgroundTask&) { onOwner(); });
}

void BackgroundTask::Context::Progress(int percent) {
    OnTask([percent](BackgroundTask& task) {
        if (task.onProgress) task.onProgress(percent);
    });
}

bool BackgroundTask::Context::Call(std::function<void()> onOwner) {
    auto answered = std::make_shared<bool>(false);  // guarded by shared_->mutex
    std::unique_lock lock(shared_->mutex);
    const auto givenUp = [this] { return !shared_->receiver || shared_->cancel.load(); };
    if (givenUp()) return false;
    QMetaObject::invokeMethod(
        shared_->receiver,
        [shared = shared_, answered, onOwner = std::move(onOwner)] {
            {
                const std::lock_guard lock(shared->mutex);
                if (shared->cancel.load()) return;  // nobody waits for this any more
            }
            // Touches nothing of the task object: the owner may go while a question shows.
            onOwner();
            const std::lock_guard lock(shared->mutex);
            *answered = true;
            shared->changed.notify_all();
        },
        Qt::QueuedConnection);
    shared_->changed.wait(lock, [&] { return *answered || givenUp(); });
    return *answered && !givenUp();
}

BackgroundTask::BackgroundTask(std::chrono::milliseconds closeWait, QObject* owner)
    : QObject(owner), closeWait_(closeWait) {}

BackgroundTask::~BackgroundTask() {
    if (!shared_) return;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->cancel = true;
        shared_->receiver = nullptr;
        shared_->changed.notify_all();
    }
    // A task still in a wait of the link after that ends on its own; its thread object is
    // deleted when it has finished.
    if (thread_) thread_->wait(QDeadlineTimer(closeWait_.count()));
}

bool BackgroundTask::Start(std::function<void(Context&)> work) {
    if (running_) return false;
    shared_ = std::make_shared<Shared>();
    shared_->receiver = this;
    running_ = true;
    QThread* thread = QThread::create([shared = shared_, work = std::move(work)] {
        Context context(shared);
        work(context);
        context.OnTask([](BackgroundTask& task) { task.Done(); });  // after all it posted
    });
    thread_ = thread;
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return true;
}

void BackgroundTask::Done() {
    running_ = false;
    emit finished();
}

void BackgroundTask::Cancel() {
    if (!shared_) return;
    const std::lock_guard lock(shared_->mutex);
    shared_->cancel = true;
    shared_->changed.notify_all();
}

bool BackgroundTask::Cancelled() const {
    return shared_ && shared_->cancel.load();
}

}  // namespace rse
