// A pool of threads that share out the tasks of one call.
#include "runtime/worker_pool.h"

#include <algorithm>

namespace quadrix {
namespace {

thread_local bool runningPoolTask = false;

// Marks the thread as running a pool task for as long as it lives.
class PoolTaskMark {
  public:
    PoolTaskMark() : outer_(runningPoolTask) { runningPoolTask = true; }
    ~PoolTaskMark() { runningPoolTask = outer_; }
    PoolTaskMark(const PoolTaskMark&) = delete;
    PoolTaskMark& operator=(const PoolTaskMark&) = delete;

  private:
    bool outer_;
};

void RunInline(std::size_t tasks, const std::function<void(std::size_t)>& task) {
    const PoolTaskMark mark;
    std::exception_ptr failure;
    for (std::size_t i = 0; i < tasks; ++i) {
        try {
            task(i);
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

}  // namespace

WorkerPool::WorkerPool(unsigned threads) {
    if (threads == 0) {
        threads = std::max(1u, std::thread::hardware_concurrency());
    }
    workers_.reserve(threads - 1);
    for (unsigned i = 1; i < threads; ++i) {
        workers_.emplace_back([this] { WorkerLoop(); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

WorkerPool& WorkerPool::Shared() {
    static WorkerPool pool;
    return pool;
}

void WorkerPool::ForEach(std::size_t tasks, const std::function<void(std::size_t)>& task) {
    if (workers_.empty() || tasks <= 1 || runningPoolTask) {
        RunInline(tasks, task);
        return;
    }
    const std::lock_guard call(callMutex_);
    {
        const std::lock_guard lock(mutex_);
        task_ = &task;
        taskCount_ = tasks;
        nextTask_.store(0);
        failure_ = nullptr;
        busyWorkers_ = static_cast<unsigned>(workers_.size());
        ++generation_;
    }
    wake_.notify_all();
    RunTasks();
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return busyWorkers_ == 0; });
    task_ = nullptr;
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

void WorkerPool::WorkerLoop() {
    std::uint64_t seen = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) {
                return;
            }
            seen = generation_;
        }
        RunTasks();
        {
            const std::lock_guard lock(mutex_);
            --busyWorkers_;
        }
        done_.notify_one();
    }
}

void WorkerPool::RunTasks() {
    const PoolTaskMark mark;
    for (std::size_t i = nextTask_.fetch_add(1); i < taskCount_; i = nextTask_.fetch_add(1)) {
        try {
            (*task_)(i);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!failure_) {
                failure_ = std::current_exception();
            }
        }
    }
}

}  // namespace quadrix
