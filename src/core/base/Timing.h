#pragma once
// Every time-out and sleep of the link and the panel protocol, in one place.
// The defaults are the real values; tests build a scaled copy.
#include <chrono>

namespace qarvo {

using Millis = std::chrono::milliseconds;

struct Timing {
    // Connection opening and closing.
    Millis controlReply{5000};        // any control reply (hello, key exchange, login, close, options)
    Millis directCallWait{5000};      // mode 1: the communicator's connection request
    Millis callbackCallWait{10000};   // mode 2
    Millis waitForCall{1200000};      // mode 3: 20 minutes
    Millis closeWaitWorker{20000};    // closing waits this long for the worker to stop

    // Operation worker.
    Millis workerReply{42000};        // no panel message: "Interrupted communication"
    Millis receiverData{40000};       // no panel data at all: the link is treated as closed
    Millis pollStarted{1000};         // the communicator link poll must start after opening
    Millis workerStartPause{1000};    // before the identification request
    Millis idlePollPause{400};        // between idle status polls
    Millis abortPause{100};           // before the end-of-link request of an abort
    Millis receiverStop{2000};        // worker end waits this long for the receiver
    Millis reconnectDelay{8000};      // "&Connect to panel" comes back after this

    // Communicator management.
    Millis linkPollIdle{15000};       // the link poll polls after this long without control traffic
    Millis linkLostWorkerStop{2000};  // a lost link waits this long for the worker to stop
    Millis firmwareSearch{20000};     // firmware update: looking for the server, then the download start
    Millis firmwareReport{30000};     // firmware update: between two download reports

    // A copy with every value multiplied by factor (at least 1 ms each).
    Timing scaled(double factor) const;
};

} // namespace qarvo
