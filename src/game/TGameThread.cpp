#include "TGameThread.h"
#include "TGameSynchronizer.h"

TGameThread::TGameThread(TGameSynchronizer& synchronizer)
    : Synchronizer(synchronizer), Worker([this] { Run(); })
{
}

TGameThread::~TGameThread()
{
    Stop();
}

void TGameThread::Resume()
{
    Resumed = true;
    Resumed.notify_one();
}

void TGameThread::Terminate()
{
    TerminatedFlag = true;
}

void TGameThread::WaitFor()
{
    Synchronizer.ServeUntil([this] { return Ended.load(); });
    if (Worker.joinable())
        Worker.join();
}

void TGameThread::Synchronize(const std::function<void()>& call)
{
    Synchronizer.Synchronize(call);
}

void TGameThread::Stop()
{
    Terminate();
    Resume();
    WaitFor();
}

void TGameThread::Run()
{
    Resumed.wait(false);
    if (!Terminated())
        Execute();
    Ended = true;
    Synchronizer.Wake();
}
