#pragma once
// Shares each block of work among the cores, every core with a worker of its
// own (a calculator's cells must not be shared), and returns when every share
// is done, so that the caller can hand the workers' results on in order.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <thread>
#include <vector>

namespace zenlith {

inline std::size_t coreCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

template <typename Worker>
class BlockRunner {
public:
    // make() builds one worker; it is called once per core, here.
    template <typename Make>
    explicit BlockRunner(Make make, std::size_t workerCount = coreCount()) {
        for (std::size_t n = 0; n < std::max<std::size_t>(1, workerCount); ++n) {
            workers_.push_back(make());
        }
    }

    // Runs work(worker, first, last) on consecutive shares of [0, count),
    // the first share on the calling thread.
    template <typename Work>
    void run(std::size_t count, Work work) {
        const std::size_t share = (count + workers_.size() - 1) / workers_.size();
        std::vector<std::jthread> threads;
        for (std::size_t w = 1; w < workers_.size(); ++w) {
            const std::size_t first = std::min(count, w * share);
            const std::size_t last = std::min(count, first + share);
            threads.emplace_back([&work, worker = workers_[w].get(), first, last] { work(*worker, first, last); });
        }
        work(*workers_[0], 0, std::min(count, share));
    }  // the threads are joined here

    // In share order: the order of the results.
    template <typename Visit>
    void forEachWorker(Visit visit) const {
        for (const auto& worker : workers_) {
            visit(*worker);
        }
    }

private:
    std::vector<std::unique_ptr<Worker>> workers_;
};

}  // namespace zenlith
