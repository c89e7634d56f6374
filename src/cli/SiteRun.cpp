#include "cli/SiteRun.h"

#include "cli/SiteCommands.h"
#include "sites/SitePasswords.h"

#include <algorithm>

namespace qarvo::cli {

namespace fs = std::filesystem;

namespace {

bool given(const CommandLine& line, std::string_view option)
{
    return std::ranges::find(line.connectionArguments, option) != line.connectionArguments.end();
}

std::optional<std::uint16_t> hexCode(const std::string& text)
{
    return text.empty() ? std::nullopt : parseHex16(text);
}

void problem(const CliEnvironment& env, const std::string& text) { env.err << kProgramName << ": " << text << std::endl; }

} // namespace

SiteRun::SiteRun(std::unique_ptr<sites::SiteBook> book, sites::Site site, const CliEnvironment& env)
    : record_(std::move(book), std::move(site)), env_(env)
{
}

bool SiteRun::noProblem(const std::string& why) const
{
    if (!why.empty())
        problem(env_, why);
    return why.empty();
}

std::unique_ptr<SiteRun> SiteRun::begin(const CommandLine& line, const CliEnvironment& env, int& status)
{
    status = kExitFailure;
    auto book = openBook(line.options, env);
    if (!book)
        return nullptr;
    auto site = book->findSite(*line.options.site);
    if (!site) {
        problem(env, "no site named '" + *line.options.site + "' in the site book " + book->file().string() +
                         " (sites list shows them); nothing was sent.");
        return nullptr;
    }
    return std::unique_ptr<SiteRun>(new SiteRun(std::move(book), std::move(*site), env));
}

std::string SiteRun::applyTo(CommandLine& line)
{
    GlobalOptions& o = line.options;
    const sites::Site& site = record_.site();
    if (!o.address)
        o.address = site.address;
    if (!o.port)
        o.port = site.port;
    if (!given(line, "--mode"))
        o.mode = modeNamed(site.mode).value_or(link::ConnectionMode::Direct);
    if (const auto hostPort = site.callback.empty() ? std::nullopt : parseHostPort(site.callback); hostPort && !o.callbackHost) {
        o.callbackHost = hostPort->host;
        o.callbackPort = hostPort->port;
    }
    if (!o.account)
        o.account = hexCode(site.account);
    if (!o.panelId && !o.pcId) {
        o.panelId = hexCode(site.panelId);
        o.pcId = hexCode(site.pcId);
    }
    if (o.password || o.passwordFromInput)
        return {};
    std::string why;
    o.password = sites::passwordOf(record_.book(), site, why);
    return why.empty() ? std::string() : "the password of site '" + site.name + "': " + why + "; nothing was sent.";
}

bool SiteRun::start(const std::string& kind)
{
    const std::string why = record_.start(kind);
    return noProblem(why.empty() ? why : why + "; nothing was sent.");
}

void SiteRun::finish(int status)
{
    if (const std::string why = record_.finish(status); !why.empty())
        problem(env_, why + " The run stays marked as running in the book.");
}

fs::path SiteRun::incomingDocument() const { return record_.incomingDocument(); }

std::optional<fs::path> SiteRun::keepBackup(const fs::path& file, const panel::CUploadDoc& doc, const std::string& model)
{
    std::string why;
    auto kept = record_.keepBackup(file, doc, model, why);
    noProblem(why);
    return kept;
}

bool SiteRun::keepEvents(const std::vector<EventRecord>& records) { return noProblem(record_.keepEvents(records)); }

bool SiteRun::keepStatus(const sites::StatusSnapshot& snapshot) { return noProblem(record_.keepStatus(snapshot)); }

} // namespace qarvo::cli
