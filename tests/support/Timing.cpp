#include "support/Timing.h"

namespace qarvo::testing {

Timing fastTiming()
{
    Timing t = Timing{}.scaled(0.05);
    t.controlReply = Millis(800);
    t.directCallWait = Millis(600);
    t.callbackCallWait = Millis(600);
    t.waitForCall = Millis(1200);
    t.workerReply = Millis(1500);
    t.receiverData = Millis(4000);
    t.workerStartPause = Millis(10);
    t.idlePollPause = Millis(10);
    t.abortPause = Millis(5);
    t.reconnectDelay = Millis(100);
    // Only a loaded machine keeps the link poll's thread from starting at
    // once, and no test waits this out on purpose.
    t.pollStarted = Millis(2000);
    return t;
}

Timing answeredTiming()
{
    constexpr Millis kAnswerWait{5000};
    Timing t = fastTiming();
    t.controlReply = kAnswerWait;
    t.directCallWait = kAnswerWait;
    t.callbackCallWait = kAnswerWait;
    t.workerReply = kAnswerWait;
    return t;
}

} // namespace qarvo::testing
