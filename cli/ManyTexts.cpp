#include "cli/ManyTexts.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>

namespace quendry::cli {

void parallelFor(std::size_t count, int threads, const std::function<void(std::size_t)>& body)
{
    std::size_t workers = threads > 0 ? static_cast<std::size_t>(threads) : std::max(1u, std::thread::hardware_concurrency());
    workers = std::min(workers, count);
    if (workers <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            body(i);
        return;
    }
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr failure;
    std::mutex failureMutex;
    auto work = [&] {
        for (std::size_t i = next++; i < count && !failed; i = next++) {
            try {
                body(i);
            } catch (...) {
                const std::lock_guard lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                failed = true;
            }
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(workers - 1);
    for (std::size_t w = 1; w < workers; ++w)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

std::string formatPercent(double percent)
{
    char buffer[32];
    if (percent == std::floor(percent))
        std::snprintf(buffer, sizeof buffer, "%.0f", percent);
    else
        std::snprintf(buffer, sizeof buffer, "%.1f", percent);
    return buffer;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace quendry::cli
