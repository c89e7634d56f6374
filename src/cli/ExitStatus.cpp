#include "cli/ExitStatus.h"

#include "session/JobTexts.h"

#include <string>

namespace qarvo::cli {


const char* exitStatusHelp()
{
    return "  0    success\n"
           "  1    failed, or refused before anything was sent\n"
           "  2    invalid command line, or no communicator address\n"
           "  3    no connection, or the communicator or panel stopped answering\n"
           "  4    password or identification codes refused by the far end\n"
           "  130  interrupted (Ctrl-C)\n";
}

void sayWhatTimedOut(const session::JobResult& result, const Timing& timing, std::ostream& err)
{
    if (const std::string what = session::silenceText(result, timing); !what.empty())
        err << what << std::endl;
}

} // namespace qarvo::cli
