// Writes the fuzz targets' seed corpus from the simulator's real traffic
// and files: a session with the demo panel on 127.0.0.1 (connect, the idle
// status exchange, an installer read and an event log read) is recorded as
// it goes on the wire, and the files are the ones the program writes.
//
// Usage: qarvo-fuzz-seeds DIR   (writes DIR/<target>/seed-<n>)
#include "session/PanelSession.h"
#include "app/Strings.h"
#include "cli/Demo.h"
#include "communicator/TaviDefaultsFile.h"
#include "link/ConnectionSettings.h"
#include "link/Datagram.h"
#include "link/KeyExchange.h"
#include "link/UDPSocket.h"
#include "sim/SimCommunicator.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace qarvo;
using Bytes = std::vector<std::uint8_t>;

namespace {

class Corpus {
public:
    explicit Corpus(std::filesystem::path root) : root_(std::move(root)) {}

    void add(const std::string& target, const Bytes& seed)
    {
        const auto dir = root_ / target;
        std::filesystem::create_directories(dir);
        std::ofstream out(dir / ("seed-" + std::to_string(count_[target]++)), std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
    }
    void add(const std::string& target, const std::string& text) { add(target, Bytes(text.begin(), text.end())); }
    std::size_t count(const std::string& target) { return count_[target]; }

private:
    std::filesystem::path root_;
    std::map<std::string, std::size_t> count_;
};

bool eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

Bytes payloadOf(const Bytes& datagram)
{
    const std::size_t length = link::readU16(datagram, link::offset::kPayloadLength);
    return Bytes(datagram.begin() + link::kHeaderSize, datagram.begin() + link::kHeaderSize + length);
}

bool isPanelData(const Bytes& datagram)
{
    const std::uint8_t command = datagram[link::offset::kCommand];
    return command == link::kCommandPanelFirst || command == link::kCommandPanel;
}

// The datagrams of one session with the demo panel, sent in the clear.
std::vector<Bytes> recordSession(panel::CUploadDoc& readDocument)
{
    std::mutex mutex;
    std::vector<Bytes> traffic;
    cli::Demo demo;
    demo.communicator().configure([](sim::CommunicatorConfig& c) { c.encipher = false; });
    demo.communicator().setTap([&](const Bytes& wire) {
        std::lock_guard lock(mutex);
        traffic.push_back(wire);
    });
    if (!demo.start())
        return {};
    link::ConnectionSettings settings;
    demo.pointSettingsAt(settings);
    NullSink sink;
    session::PanelSession session(sink, settings, Timing{}.scaled(0.05));
    if (!session.start() || session.link.connection.open(link::ConnectionMode::Direct, false) != link::result::kOpen)
        return {};
    auto idle = [&] {
        return session.worker.panelLinkUp() && session.worker.currentCode() == operations::kIdlePoll;
    };
    const bool ran = session.worker.startPageOperation(operations::kNoOperation) && eventually(idle) &&
                     eventually([&] { return demo.panel().counters().statusMessages >= 4; }) &&
                     session.worker.startPageOperation(operations::kReadInstaller) && eventually(idle);
    session.eventLogReader().setOptions({.markAsRead = false, .allEvents = true});
    const bool read = ran && session.worker.startPageOperation(operations::kReadEventLog) && eventually(idle);
    session.worker.abort(true);
    session.link.connection.close();
    if (!read)
        return {};
    readDocument.deserialize(session.doc.serialize());
    std::lock_guard lock(mutex);
    return traffic;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    Corpus corpus(argv[1]);
    panel::CUploadDoc readDocument(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
    const std::vector<Bytes> traffic = recordSession(readDocument);
    if (traffic.empty()) {
        std::fprintf(stderr, "%s: the session with the simulator did not complete\n", argv[0]);
        return 1;
    }

    // Datagrams as received, behind the first byte that chooses no key.
    Bytes stream;
    Bytes eventReplies;
    for (const Bytes& datagram : traffic) {
        Bytes seed{0};
        seed.insert(seed.end(), datagram.begin(), datagram.end());
        corpus.add("received_datagram", seed);
        if (!isPanelData(datagram))
            continue;
        const Bytes payload = payloadOf(datagram);
        // Panel message stream: length-prefixed payloads.
        if (payload.size() <= 0xFF) {
            stream.push_back(static_cast<std::uint8_t>(payload.size()));
            stream.insert(stream.end(), payload.begin(), payload.end());
        }
        // Event log: {step, options, length, reply}.
        if (payload.size() >= 2 && (payload[0] == 0xD6 || payload[0] == 0xD7)) {
            eventReplies.insert(eventReplies.end(), {payload[1], 2, static_cast<std::uint8_t>(payload.size())});
            eventReplies.insert(eventReplies.end(), payload.begin(), payload.end());
        }
    }
    Bytes streamSeed{3}; // the demo panel's model, 0x24, is the table's fourth row
    streamSeed.insert(streamSeed.end(), stream.begin(), stream.end());
    corpus.add("panel_status_stream", streamSeed);
    Bytes eventSeed{3};
    eventSeed.insert(eventSeed.end(), eventReplies.begin(), eventReplies.end());
    corpus.add("event_log_records", eventSeed);

    corpus.add("rps_document", readDocument.serialize());
    panel::CUploadDoc fresh(strings::utf8(panel::CUploadDoc::kCurrentLogTextId));
    corpus.add("rps_document", fresh.serialize());

    link::ConnectionSettings settings;
    corpus.add("connection_settings_file", link::formatSettings(settings));
    settings.callbackServer = "127.0.0.1";
    settings.useDefaultIds = false;
    settings.panelId = 0x1234;
    corpus.add("connection_settings_file", link::formatSettings(settings));

    const TaviOptions defaults = TaviOptions::builtInDefaults();
    corpus.add("tavi_defaults", TaviDefaultsFile::format(defaults));
    const Bytes simOptions = sim::defaultOptionsRecord();
    const TaviOptions simRecord = TaviOptions::fromWire(std::span<const std::uint8_t, tavi::kOptionsSize>(
        simOptions.data(), tavi::kOptionsSize));
    corpus.add("tavi_defaults", TaviDefaultsFile::format(simRecord));

    Bytes optionsSeed = simOptions;
    const Bytes info = sim::defaultModelInfo();
    optionsSeed.insert(optionsSeed.end(), info.begin(), info.end());
    corpus.add("tavi_options_record", optionsSeed);
    const auto defaultsWire = defaults.toWire();
    corpus.add("tavi_options_record", Bytes(defaultsWire.begin(), defaultsWire.end()));

    // The simulator's public value with its private exponent.
    const std::array<std::uint8_t, 16> exponent{0x5A, 0x17, 0x33, 0x01, 0xC4, 0x9E, 0x02, 0x71,
                                                0x6B, 0x0D, 0xE8, 0x44, 0x91, 0x2F, 0xA0, 0x3C};
    const link::KeyExchange communicator(exponent);
    Bytes keySeed(communicator.publicValue().begin(), communicator.publicValue().end());
    keySeed.insert(keySeed.end(), exponent.rbegin(), exponent.rend());
    corpus.add("key_exchange_value", keySeed);

    std::printf("seeds: %zu datagrams from the session, %zu files\n", traffic.size(),
                corpus.count("rps_document") + corpus.count("connection_settings_file") +
                    corpus.count("tavi_defaults") + corpus.count("tavi_options_record"));
    return 0;
}
