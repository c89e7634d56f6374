#include "cli/FleetProgress.h"

#include "base/CsvField.h"

#include "cli/JsonOutput.h"

#include <algorithm>

namespace qarvo::cli {

namespace {

constexpr int kBarWidth = 30;

bool succeeded(const fleet::SiteResult& r) { return r.outcome == fleet::Outcome::Done; }


} // namespace

FleetProgress::FleetProgress(std::ostream& err, bool terminal, std::string what)
    : err_(err), terminal_(terminal), what_(std::move(what))
{
}

fleet::FleetRun::Listener FleetProgress::listener()
{
    fleet::FleetRun::Listener listener;
    listener.started = [this](const std::string&, const fleet::FleetCounts& counts) { bar(counts); };
    listener.finished = [this](const fleet::SiteResult& result, const fleet::FleetCounts& counts) {
        clearBar();
        line(result);
        bar(counts);
    };
    return listener;
}

void FleetProgress::line(const fleet::SiteResult& result) { err_ << siteLine(result) << '\n' << std::flush; }

void FleetProgress::bar(const fleet::FleetCounts& counts)
{
    if (!terminal_ || counts.total == 0)
        return;
    const int ended = counts.done + counts.failed;
    const int filled = ended * kBarWidth / counts.total;
    err_ << '\r' << what_ << " [" << std::string(std::size_t(filled), '#')
         << std::string(std::size_t(kBarWidth - filled), '.') << "] "
         << ended << '/' << counts.total << "  done " << counts.done << "  failed " << counts.failed
         << "  running " << counts.running << "\x1b[K" << std::flush;
    barShown_ = true;
}

void FleetProgress::clearBar()
{
    if (barShown_)
        err_ << "\r\x1b[K";
    barShown_ = false;
}

void FleetProgress::summary(std::span<const fleet::SiteResult> results)
{
    clearBar();
    const auto done = std::ranges::count_if(results, succeeded);
    err_ << "Fleet " << what_ << ": " << done << " of " << results.size() << " sites done, "
         << results.size() - std::size_t(done) << " not.\n";
    for (const fleet::SiteResult& r : results)
        if (!succeeded(r))
            err_ << "  " << siteLine(r) << '\n';
    err_ << std::flush;
}

std::string siteLine(const fleet::SiteResult& r)
{
    std::string text = r.site + "  " + std::string(fleet::outcomeName(r.outcome));
    if (!r.message.empty())
        text += "  " + r.message;
    if (r.attempts > 1)
        text += "  (" + std::to_string(r.attempts) + " attempts)";
    return text;
}

int fleetExitStatus(std::span<const fleet::SiteResult> results, bool stopped)
{
    if (stopped)
        return 130;
    return std::ranges::all_of(results, succeeded) ? 0 : 1;
}

void printFleetJson(std::ostream& out, std::string_view what, std::span<const fleet::SiteResult> results)
{
    QJsonArray sites;
    for (const fleet::SiteResult& r : results)
        sites.append(QJsonObject{{"site", QString::fromStdString(r.site)},
                                 {"outcome", QString::fromUtf8(fleet::outcomeName(r.outcome).data())},
                                 {"message", QString::fromStdString(r.message)},
                                 {"attempts", r.attempts},
                                 {"milliseconds", qint64(r.duration.count())}});
    printJson(out, QJsonObject{{"run", QString::fromUtf8(what.data(), qsizetype(what.size()))}, {"sites", sites}});
}

void printFleetCsv(std::ostream& out, std::span<const fleet::SiteResult> results)
{
    out << "site,outcome,message,attempts,milliseconds\n";
    for (const fleet::SiteResult& r : results)
        out << csvField(r.site) << ',' << fleet::outcomeName(r.outcome) << ',' << csvField(r.message) << ','
            << r.attempts << ',' << r.duration.count() << '\n';
}

} // namespace qarvo::cli
