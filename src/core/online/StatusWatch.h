#pragma once
// The online status page without widgets, fed with the reports the worker
// posts and counting the message boxes shown meanwhile: what a headless
// run waits on until the panel has reported its whole status.
#include "base/RecordingSink.h"
#include "online/OnlineModel.h"

#include <cstddef>

namespace qarvo::online {

class StatusWatch {
public:
    StatusWatch(OnlineModel::Sources sources, const RecordingSink& sink);

    // Takes in the notices posted since the last call.
    void update();
    // Forget which reports have come; the next ones count again.
    void restart() { seen_ = {}; }

    // The first status message has been decoded.
    bool firstStatus() const { return seen_.partitionA || seen_.partitionB; }
    // Both status messages, and in partitioned mode both partitions.
    bool complete() const;

    int messages() const { return messages_; }
    const OnlineModel& model() const { return model_; }

private:
    struct Seen {
        bool partitionA = false;
        bool partitionB = false;
        bool clock = false;
        bool pgms = false;
        bool zones = false;
    };

    void take(const ReportNotice& report);

    const RecordingSink& sink_;
    OnlineModel model_;
    std::size_t next_ = 0;
    Seen seen_;
    int messages_ = 0;
};

} // namespace qarvo::online
