#include "online/StatusWatch.h"

#include "operations/StatusDecoder.h"

namespace qarvo::online {

StatusWatch::StatusWatch(OnlineModel::Sources sources, const RecordingSink& sink)
    : sink_(sink), model_(std::move(sources))
{
}

void StatusWatch::update()
{
    const std::vector<Notice> notices = sink_.notices();
    for (; next_ < notices.size(); ++next_) {
        if (std::holds_alternative<MessageNotice>(notices[next_]))
            ++messages_;
        if (const auto* report = std::get_if<ReportNotice>(&notices[next_]))
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
