#include "link/Link.h"

namespace qarvo::link {

Link::Link(NoticeSink& sink, ConnectionSettings settings, Timing timing)
    : sink(sink),
      settings(std::move(settings)),
      timing(timing),
      socket(sink),
      connection(socket, this->settings, keys, this->timing, sink, commands)
{
}

bool Link::start(std::string* error)
{
    return socket.open(static_cast<std::uint16_t>(settings.ownPort), error);
}

} // namespace qarvo::link
