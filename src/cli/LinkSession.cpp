#include "cli/LinkSession.h"

#include "app/Strings.h"
#include "base/TextIds.h"

namespace qarvo::cli {

namespace {

// Failure results of the opening are string-table ids; a cancelled wait
// (result 2) shows nothing.
bool hasText(int openResult)
{
    return openResult >= link::result::kNoCall && openResult <= link::result::kWrongPassword;
}

} // namespace

LinkSession::LinkSession(Session& session)
    : session_(session), sink_(session.env.err, sinkStyle(session)), link_(sink_, session.settings, session.env.timing)
{
}

LinkSession::~LinkSession()
{
    if (link_.connection.isOpen())
        close();
}

bool LinkSession::startSocket()
{
    std::string error;
    if (link_.start(&error))
        return true;
    std::string text = strings::utf8(text_id::kSocketCannotBeInitialized);
    if (!error.empty())
        text += ": " + error;
    sink_.printLine(text);
    return false;
}

void LinkSession::announceWait()
{
    sink_.printNote("Waiting for the communicator's call on UDP port " + std::to_string(link_.socket.localPort()) +
                    "...");
    if (session_.demo)
        session_.demo->callProgramLater(link_.socket.localPort());
}

bool LinkSession::open()
{
    if (!startSocket())
        return false;
    const link::ConnectionMode mode = session_.commandLine.options.mode;
    if (mode == link::ConnectionMode::WaitForCall)
        announceWait();
    else
        sink_.printNote(strings::utf8(text_id::kConnecting));
    const int result = link_.connection.open(mode, false);
    if (result != link::result::kOpen) {
        if (hasText(result))
            sink_.printLine(strings::utf8(result));
        return false;
    }
    session_.env.out << strings::utf8(text_id::kConnected) << std::endl;
    return true;
}

bool LinkSession::close()
{
    sink_.printNote(strings::utf8(text_id::kDisconnecting));
    if (link_.connection.close() != link::result::kClosed) {
        sink_.printLine(strings::utf8(text_id::kErrorWhileDisconnecting));
        return false;
    }
    session_.env.out << strings::utf8(text_id::kDisconnected) << std::endl;
    return true;
}

} // namespace qarvo::cli
