#pragma once
// The connection every detection launcher makes from a Worker signal to a window slot.

#include "collect/worker.h"
#include "mainwindow/verdimonnuvo.h"

#include <utility>

// Queued to the GUI thread like a plain signal-slot connection, but tagged with the batch that
// made it: a record that a cancelled Worker emitted before it saw its flag still arrives after
// resetAllPages, and is then dropped instead of landing in the new batch's pages.
template<typename Signal, typename Slot>
void VerdimonNuvo::relay(Worker *worker, Signal signal, Slot slot)
{
    const quint64 batch = detectionBatch;
    connect(worker, signal, this, [this, batch, slot](auto &&...args) {
        acquireHandovers(args...);
        if (batch == detectionBatch)
            (this->*slot)(std::forward<decltype(args)>(args)...);
    });
}
