#include "unzpool.h"

namespace unz {

WorkerPool::WorkerPool(unsigned workers) {
    threads_.reserve(workers);
    for (unsigned i = 0; i < workers; ++i) {
        threads_.emplace_back([this, i] { work(i); });
    }
}

WorkerPool::~WorkerPool() {
    stop();
}

void WorkerPool::submit(Task task) {
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    tasksReady_.notify_one();
}

void WorkerPool::tell() {
    {
        const std::lock_guard lock(mutex_);
        ++newsCount_;
    }
    news_.notify_one();
}

void WorkerPool::waitForNews(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    news_.wait_for(lock, timeout, [this] { return newsCount_ != newsSeen_; });
    newsSeen_ = newsCount_;
}

void WorkerPool::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        tasks_.clear();
    }
    tasksReady_.notify_all();
    for (std::thread& t : threads_) {
        if (t.joinable()) {
            t.join();
        }
    }
}

void WorkerPool::work(unsigned worker) {
    for (;;) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            tasksReady_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
            if (stopping_) {
                return;
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task(worker);
    }
}

} // namespace unz
