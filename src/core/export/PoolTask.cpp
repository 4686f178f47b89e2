#include "core/export/PoolTask.h"

#include <QThread>
#include <QThreadPool>

TPoolTask::TPoolTask(std::function<void()> work) : FWork(std::move(work)) {
    QThreadPool* pool = QThreadPool::globalInstance();
    if (pool->contains(QThread::currentThread()))
        Run();
    else
        pool->start([this] { Run(); });
}

TPoolTask::~TPoolTask() {
    if (!FJoined)
        FDone.acquire();
}

void TPoolTask::Wait() {
    if (!FJoined) {
        FDone.acquire();
        FJoined = true;
    }
    if (FFailure)
        std::rethrow_exception(std::exchange(FFailure, nullptr));
}

void TPoolTask::Run() noexcept {
    try {
        FWork();
    } catch (...) {
        FFailure = std::current_exception();
    }
    FDone.release();
}
