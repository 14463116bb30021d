#pragma once

// Worker threads for an extraction pass. Tasks start in the order they are
// given; the thread that gives them waits for news (a task finished or made
// headway) with a time limit, so that it can keep serving its caller.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace unz {

class WorkerPool {
public:
    // A task learns which worker runs it, to use that worker's own resources.
    using Task = std::function<void(unsigned worker)>;

    explicit WorkerPool(unsigned workers);
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;
    // Drops the tasks not started and waits for the running ones.
    ~WorkerPool();

    void submit(Task task);
    // Called from tasks: wakes the thread waiting in waitForNews.
    void tell();
    // Returns once tell() was called since the last return, or after timeout.
    void waitForNews(std::chrono::milliseconds timeout);
    // Drops the tasks not started and waits for the running ones to end.
    void stop();

private:
    void work(unsigned worker);

    std::mutex mutex_;
    std::condition_variable tasksReady_;
    std::condition_variable news_;
    std::deque<Task> tasks_;
    std::uint64_t newsCount_ = 0;
    std::uint64_t newsSeen_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace unz
