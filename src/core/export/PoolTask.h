#pragma once

#include <QSemaphore>
#include <exception>
#include <functional>

// Work run on a thread of the global thread pool while the caller goes on; Wait (or the
// destructor) joins it, and Wait passes on what the work threw. Frames are painted this way
// because Qt's raster engine splits large fills across that pool unless it already runs on one
// of its threads, and handing every fill over costs far more than it gains. A caller that is
// itself a thread of the pool runs the work at once instead.
class TPoolTask {
public:
    explicit TPoolTask(std::function<void()> work);
    ~TPoolTask();
    TPoolTask(const TPoolTask&) = delete;
    TPoolTask& operator=(const TPoolTask&) = delete;

    void Wait();

private:
    void Run() noexcept;

    std::function<void()> FWork;
    std::exception_ptr FFailure;
    QSemaphore FDone;
    bool FJoined = false;
};
