#include "format/interruption.h"

#include <QThread>

#include <atomic>
#include <csignal>

namespace {

// Lock-free, so that the handler may touch them.
std::atomic<int> signalRecu{0};
std::atomic<int> interruptions{0};
static_assert(std::atomic<int>::is_always_lock_free, "signal handlers need lock-free atomics");

extern "C" void recevoir(int numero)
{
    signalRecu.store(numero);
    interruptions.fetch_add(1);
}

} // namespace

void Interruption::installerSignaux()
{
    struct sigaction action = {};
    action.sa_handler = recevoir;
    sigemptyset(&action.sa_mask);
    // The second signal takes its default course: a user pressing Ctrl+C twice means it.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    for (const int numero : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(numero, &action, nullptr);
}

int Interruption::signal()
{
    return signalRecu.load();
}

bool Interruption::demandee()
{
    return signalRecu.load() != 0 || QThread::currentThread()->isInterruptionRequested();
}

void Interruption::interrompreConversion()
{
    interruptions.fetch_add(1);
}

int Interruption::conversionsInterrompues()
{
    return interruptions.load();
}
