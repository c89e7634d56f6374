#pragma once
// A whole panel session as the front-ends assemble it (link, settings
// document, worker and its operations) on loopback, against the simulated
// communicator and the simulated panel behind it.
#include "PanelFixture.h"
#include "session/PanelSession.h"
#include "operations/OperationCodes.h"
#include "support/Documents.h"

#include <memory>
#include <vector>

namespace qarvo::testing {

struct SessionFixture {
    explicit SessionFixture(sim::SimPanelConfig panelConfig = {}, sim::CommunicatorConfig config = {},
                            Timing timing = answeredTiming())
        : communicator(std::move(config)), panel(panelConfig)
    {
        if (!communicator.start())
            throw std::runtime_error("simulator did not start");
        communicator.setPanel(&panel);
        session = std::make_unique<session::PanelSession>(sink, settingsFor(communicator, communicator.config().password),
                                                      timing);
        if (!session->start())
            throw std::runtime_error("socket did not open");
    }
    ~SessionFixture()
    {
        session.reset();
        panel.stopAnswerTimeout();
        communicator.stop();
    }

    // Opens the connection, identifies the panel and waits for the idle poll.
    bool connect()
    {
        auto& connection = session->link.connection;
        if (!connection.isOpen() && connection.open(link::ConnectionMode::Direct, false) != link::result::kOpen)
            return false;
        return session->worker.startPageOperation(operations::kNoOperation) && waitIdle();
    }

    bool waitIdle(Millis timeout = Millis(5000))
    {
        return eventually(
            [&] { return session->worker.panelLinkUp() && session->worker.currentCode() == operations::kIdlePoll; },
            timeout);
    }

    // Runs one page transfer from the idle poll to its end.
    bool transfer(int code, Millis timeout = Millis(30000))
    {
        const std::size_t before = imageChanges();
        if (!session->worker.startPageOperation(code))
            return false;
        return eventually(
            [&] { return imageChanges() > before && session->worker.currentCode() == operations::kIdlePoll; },
            timeout);
    }

    std::size_t imageChanges() const { return sink.all<ImageChangedNotice>().size(); }

    // Ends the panel link with its end-of-link request, then closes the connection.
    bool disconnect()
    {
        session->worker.abort(true);
        return !session->worker.running() && !session->link.connection.isOpen();
    }

    // The panel repeats itself when a message is lost on the way.
    void enableAnswerTimeout(Millis quiet = Millis(100))
    {
        panel.startAnswerTimeout(quiet, [this](const std::vector<sim::Message>& m) { communicator.sendPanelMessages(m); });
    }

    // Random panel memory that keeps the panel's identification codes.
    Bytes randomMemory(std::uint32_t seed) const { return randomImage(seed, panel.memory()); }

    Bytes image() const
    {
        const auto bytes = session->doc.image().bytes();
        return {bytes.begin(), bytes.end()};
    }

    void setImage(const Bytes& bytes)
    {
        std::copy(bytes.begin(), bytes.end(), session->doc.image().bytes().begin());
    }

    std::size_t messageCount(int textId) const
    {
        const auto ids = sink.messageIds();
        return static_cast<std::size_t>(std::count(ids.begin(), ids.end(), textId));
    }

    RecordingSink sink;
    sim::SimCommunicator communicator;
    sim::SimPanel panel;
    std::unique_ptr<session::PanelSession> session;
};

} // namespace qarvo::testing
