#include "base/Timing.h"

#include <algorithm>

namespace qarvo {

Timing Timing::scaled(double factor) const
{
    Timing t = *this;
    auto scale = [factor](Millis& m) {
        m = Millis(std::max<long long>(1, static_cast<long long>(m.count() * factor)));
    };
    for (Millis* m : {&t.controlReply, &t.directCallWait, &t.callbackCallWait, &t.waitForCall,
                      &t.closeWaitWorker, &t.workerReply, &t.receiverData, &t.pollStarted,
                      &t.workerStartPause, &t.idlePollPause, &t.abortPause, &t.receiverStop,
                      &t.reconnectDelay, &t.linkPollIdle, &t.linkLostWorkerStop, &t.firmwareSearch,
                      &t.firmwareReport})
        scale(*m);
    return t;
}

} // namespace qarvo
