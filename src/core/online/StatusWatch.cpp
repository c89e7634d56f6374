#include "online/StatusWatch.h"

#include "operations/StatusDecoder.h"

namespace qarvo::online {

StatusWatch::StatusWatch(OnlineModel::Sources sources, const RecordingSink& sink)
    : sink_(sink), model_(std::move(sources))
{
}

void StatusWatch::update()
{
    const std::vector<Notice> notices = sink_.noticesFrom(next_);
    next_ += notices.size();
    for (const Notice& notice : notices) {
        if (std::holds_alternative<MessageNotice>(notice))
            ++messages_;
        if (const auto* report = std::get_if<ReportNotice>(&notice))
            take(*report);
    }
}

bool StatusWatch::complete() const
{
    const bool partitions = model_.partitionedMode() ? seen_.partitionA && seen_.partitionB : seen_.partitionA;
    return partitions && seen_.clock && seen_.pgms && seen_.zones;
}

void StatusWatch::take(const ReportNotice& report)
{
    model_.apply(report);
    switch (report.kind) {
    case report_kind::kPartitionStatus:
        if (const auto status = operations::partitionStatusFrom(report))
            (status->partition == operations::kPartitionB ? seen_.partitionB : seen_.partitionA) = true;
        break;
    case report_kind::kPanelClock: seen_.clock = true; break;
    case report_kind::kPgmStatus: seen_.pgms = true; break;
    case report_kind::kZoneDescriptor: seen_.zones = true; break;
    default: break;
    }
}

} // namespace qarvo::online
