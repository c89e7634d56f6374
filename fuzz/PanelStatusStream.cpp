// The panel message stream of the idle exchange: payloads of any size go
// into the stream buffer, each message the parser finds goes through the
// status decoding, and every report the decoding makes must be one the
// online page's model takes and that reads back as it was written.
//
// Input: the panel model's row in the model table, then length-prefixed
// payloads.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "link/PanelMessage.h"
#include "online/OnlineModel.h"
#include "operations/StatusDecoder.h"
#include "panel/PanelModels.h"

#include <QDateTime>

using namespace qarvo;
using namespace qarvo::operations;

namespace {

bool sameReport(const ReportNotice& a, const ReportNotice& b)
{
    return a.kind == b.kind && a.bytes == b.bytes && a.value == b.value;
}

// Each report reads back through its own reader and writes the same notice.
void reportReadsBack(const ReportNotice& report)
{
    switch (report.kind) {
    case report_kind::kPartitionStatus:
        FUZZ_CHECK(sameReport(toReport(*partitionStatusFrom(report)), report));
        break;
    case report_kind::kZonesOpen:
    case report_kind::kZonesStay:
    case report_kind::kZonesBypassed:
    case report_kind::kZonesBurglary:
    case report_kind::kZonesTamperAlarm:
    case report_kind::kZonesTamperOpen: {
        const auto zones = zoneMapFrom(report);
        FUZZ_CHECK(zones && zones->kind == report.kind);
        break;
    }
    case report_kind::kPgmStatus:
        FUZZ_CHECK(sameReport(toReport(*pgmStatusFrom(report)), report));
        break;
    case report_kind::kZoneDescriptor:
        FUZZ_CHECK(sameReport(toReport(*zoneDescriptorFrom(report)), report));
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    // The counts come from identification, which takes them from the model table.
    const panel::PanelModel& model = panel::kPanelModels[in.byte() % panel::kPanelModels.size()];
    const StatusCounts counts{model.zoneCount, model.pgmCount};
    PanelClock clock;
    online::OnlineModel page{online::OnlineModel::Sources{[&] { return counts; }, [&] { return clock; },
                                                          [] { return QDateTime(QDate(2026, 3, 5), QTime(14, 7)); }}};
    NullSink sink;
    bool partitioned = false;

    link::PanelStream stream;
    while (!in.empty()) {
        stream.append(in.string());
        FUZZ_CHECK(stream.size() <= CCommBuff::kCapacity);
        CCommBuff message;
        while (stream.next(message, counts.zones, counts.pgms)) {
            FUZZ_CHECK(message.count > 0 && link::messageLength(message.code(), counts.zones, counts.pgms) > 0);
            CCommBuff status = message;
            CCommBuff poll;
            if (splitCommunicatorBytes(status, counts)) {
                if (const auto decoded = decodeStatus(status, counts, poll)) {
                    FUZZ_CHECK(poll.count == 2 && poll.data[0] == 0xE3);
                    if (decoded->panelClock)
                        clock = *decoded->panelClock;
                    for (const ReportNotice& report : decoded->reports) {
                        reportReadsBack(report);
                        FUZZ_CHECK(page.apply(report));
                    }
                }
            }
            partitioned = decodeAndPost(message, counts, poll, sink, clock, partitioned);
        }
    }
    return 0;
}
