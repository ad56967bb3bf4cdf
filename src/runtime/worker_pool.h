// A pool of threads that share out the tasks of one call.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quadrix {

// A fixed set of threads that share out the tasks of one call at a time. The
// calling thread takes part, so a pool of one thread runs everything inline.
// Each call returns only when all of its tasks are done; an exception thrown by
// a task is rethrown in the caller once the others have finished.
//
// While a thread runs a task of any pool, the caller's thread and the workers
// alike, it is marked, and a call it makes then runs all its tasks inline
// without touching a lock: nesting never waits on itself. Calls from two
// threads outside any task wait their turn: one call has the workers at a time.
class WorkerPool {
  public:
    // threads counts the caller too; 0 means one per hardware thread.
    explicit WorkerPool(unsigned threads = 0);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The pool the program's engines share, one thread per hardware thread.
    static WorkerPool& Shared();

    unsigned ThreadCount() const { return static_cast<unsigned>(workers_.size()) + 1; }

    // Runs task(i) for every i in [0, tasks), in no particular order or thread.
    void ForEach(std::size_t tasks, const std::function<void(std::size_t)>& task);

  private:
    void WorkerLoop();
    void RunTasks();

    std::vector<std::thread> workers_;
    std::mutex callMutex_;  // one shared call at a time

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::uint64_t generation_ = 0;
    bool stopping_ = false;
    unsigned busyWorkers_ = 0;

    const std::function<void(std::size_t)>* task_ = nullptr;
    std::size_t taskCount_ = 0;
    std::atomic<std::size_t> nextTask_{0};
    std::exception_ptr failure_;
};

}  // namespace quadrix
