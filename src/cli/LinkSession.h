#pragma once
// The communicator link of one command: binds the socket, opens the
// connection in the chosen mode and closes it again, telling the user each
// step in the system's own words. A session still open when it goes out of
// scope is closed, so every command ends with the communicator's close.
#include "cli/CliSink.h"
#include "cli/Session.h"
#include "link/Link.h"

#include <memory>

namespace qarvo::cli {

class LinkSession {
public:
    explicit LinkSession(Session& session);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // Binds the socket and opens the connection (blocking, on this thread).
    // Prints "Connected" on the output, or the failure's text on the error
    // stream and returns false.
    bool open();
    // Closes an open connection. Prints "Disconnected", or the failure's
    // text on the error stream and returns false.
    bool close();

    link::Link& link() { return link_; }
    CliSink& sink() { return sink_; }

private:
    bool startSocket();
    void announceWait();

    Session& session_;
    CliSink sink_;
    link::Link link_;
};

} // namespace qarvo::cli
