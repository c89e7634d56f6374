#pragma once
// Everything the program needs to talk to a communicator, created in one
// place: the settings, the key-exchange values, the one socket and the
// connection exchanges. Front-ends create one Link for the run.
#include "base/CommandStates.h"
#include "base/NoticeSink.h"
#include "base/Timing.h"
#include "link/Connection.h"
#include "link/ConnectionSettings.h"
#include "link/KeyExchange.h"
#include "link/UDPSocket.h"

#include <string>

namespace qarvo::link {

class Link {
public:
    Link(NoticeSink& sink, ConnectionSettings settings, Timing timing = {});

    // Binds the socket on the configured own port. On failure the program
    // goes on without a working link; error holds the system's text.
    bool start(std::string* error = nullptr);

    NoticeSink& sink;
    ConnectionSettings settings;
    const Timing timing;
    CommandStates commands;
    const KeyExchange keys;
    UDPSocket socket;
    Connection connection;
};

} // namespace qarvo::link
