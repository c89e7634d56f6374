// Event log replies through the event log reader, entering at any step with
// any options and any panel model: whatever the panel sends, the reader
// keeps its count and index in order, reports a per cent of 0 to 100 and
// always answers with a request or the end of the transfer.
//
// Input: the panel model's row in the model table, then records of
// {step, options, length, reply bytes}.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "app/Strings.h"
#include "eventlog/EventLogReader.h"
#include "panel/CUploadDoc.h"
#include "panel/PanelModels.h"

using namespace qarvo;
using namespace qarvo::eventlog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    panel::CUploadDoc doc(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
    const panel::PanelModel& model = panel::kPanelModels[in.byte() % panel::kPanelModels.size()];
    doc.identity().setFromModel(model.typeCode);

    int code = operations::kReadEventLog;
    NullSink sink;
    EventLogReader reader{EventLogReader::Worker{[&] { return code; }, [&] { code = operations::kIdlePoll; }}, doc,
                          sink};
    reader.setLocalClock([] { return QDateTime(QDate(2026, 3, 5), QTime(14, 7)); });

    while (!in.empty()) {
        std::uint8_t step = in.byte();
        const auto options = in.byte();
        reader.setOptions({.markAsRead = (options & 1) != 0, .allEvents = (options & 2) != 0});
        CCommBuff reply;
        link::buildMessage(reply, in.string());
        CCommBuff out;
        std::uint8_t percent = 0;
        operations::StepIo io{reply, out, step, percent};
        code = operations::kReadEventLog;
        reader.run(io);

        FUZZ_CHECK(percent <= 100);
        FUZZ_CHECK(reader.eventCount() >= 0 && reader.eventCount() <= kMaxEventsRead);
        FUZZ_CHECK(reader.eventIndex() >= 0 && reader.eventIndex() <= reader.eventCount());
        FUZZ_CHECK(out.count > 0);
        const bool request = out.code() == link::panel_code::kEventLog;
        FUZZ_CHECK(request ? out.at(1) == step : code == operations::kIdlePoll);
    }
    return 0;
}
