#include "cli/FleetReport.h"

#include "base/AtomicFile.h"
#include "cli/BookSubcommands.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <sstream>

namespace qarvo::cli {

namespace {

struct Finding {
    std::string site;
    std::string when; // a book time
    std::string what;
};

struct Report {
    std::string since; // a book time
    std::size_t siteCount = 0;
    std::vector<Finding> failed, changed, alarms, troubles;
};

std::string bookTimeOf(const std::string& date)
{
    if (date.empty())
        return QDateTime::currentDateTimeUtc().addDays(-1).toString(Qt::ISODateWithMs).toStdString();
    const QDateTime start(QDate::fromString(QString::fromStdString(date), Qt::ISODate), QTime(0, 0));
    return start.toUTC().toString(Qt::ISODateWithMs).toStdString();
}

bool mentionsAlarm(const std::string& line)
{
    return QString::fromStdString(line).contains(QStringLiteral("alarm"), Qt::CaseInsensitive);
}

Report gather(sites::SiteBook& book, const std::string& date)
{
    Report r{bookTimeOf(date), 0, {}, {}, {}, {}};
    for (const sites::Site& site : book.sites()) {
        ++r.siteCount;
        if (const auto runs = book.runs(site.id); !runs.empty() && runs.back().startedAt >= r.since) {
            const sites::JobRun& last = runs.back();
            if (last.outcome != sites::kRunOk)
                r.failed.push_back({site.name, last.startedAt, last.kind + ": " + last.outcome +
                                                                   (last.message.empty() ? "" : " — " + last.message)});
        }
        for (const sites::BackupEntry& b : book.backups(site.id))
            if (b.takenAt >= r.since && !b.changed.empty()) {
                std::string names = b.changed;
                std::ranges::replace(names, '\n', ',');
                r.changed.push_back({site.name, b.takenAt, names});
            }
        for (const sites::EventEntry& e : book.eventsReadSince(site.id, r.since))
            if (mentionsAlarm(e.line))
                r.alarms.push_back({site.name, {}, e.panelTime + "  " + e.line});
        if (const auto snapshot = book.lastSnapshot(site.id); snapshot && !snapshot->troubles.empty())
            r.troubles.push_back({site.name, snapshot->takenAt, snapshot->troubles});
    }
    return r;
}

struct Section {
    const char* title;
    const std::vector<Finding>* findings;
};

std::vector<Section> sectionsOf(const Report& r)
{
    return {{"Failed sites", &r.failed},
            {"Settings changed", &r.changed},
            {"New alarm events", &r.alarms},
            {"Troubles", &r.troubles}};
}

std::string html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped().toStdString(); }

std::string htmlReport(const Report& r)
{
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Fleet report</title>\n"
           "<style>body{font-family:sans-serif;margin:2em;color:#222}h1{font-size:1.4em}"
           "h2{font-size:1.1em;margin-top:1.5em}table{border-collapse:collapse;width:100%}"
           "th,td{text-align:left;padding:.3em .6em;border-bottom:1px solid #ddd;vertical-align:top}"
           "th{background:#f2f2f2}.none{color:#777}</style></head><body>\n"
        << "<h1>Fleet report</h1>\n<p>" << r.siteCount << " sites, since " << html(shownTime(r.since)) << "</p>\n";
    for (const Section& section : sectionsOf(r)) {
        out << "<h2>" << section.title << " (" << section.findings->size() << ")</h2>\n";
        if (section.findings->empty()) {
            out << "<p class=\"none\">None.</p>\n";
            continue;
        }
        out << "<table><tr><th>Site</th><th>When</th><th>What</th></tr>\n";
        for (const Finding& f : *section.findings)
            out << "<tr><td>" << html(f.site) << "</td><td>" << html(shownTime(f.when)) << "</td><td>" << html(f.what)
                << "</td></tr>\n";
        out << "</table>\n";
    }
    out << "</body></html>\n";
    return out.str();
}

} // namespace

bool validReportDate(const std::string& date)
{
    return date.size() == 10 && QDate::fromString(QString::fromStdString(date), Qt::ISODate).isValid();
}

void printFleetReport(Session& s, sites::SiteBook& book, const std::string& since)
{
    const Report r = gather(book, since);
    s.env.out << "Fleet report: " << r.siteCount << " sites, since " << shownTime(r.since) << "\n";
    for (const Section& section : sectionsOf(r)) {
        s.env.out << "\n" << section.title << " (" << section.findings->size() << ")\n";
        for (const Finding& f : *section.findings)
            s.env.out << "  " << f.site << "  " << (f.when.empty() ? "" : shownTime(f.when) + "  ") << f.what << "\n";
    }
    s.env.out.flush();
}

bool writeFleetReport(Session& s, sites::SiteBook& book, const std::string& since, const std::string& file)
{
    const std::string page = htmlReport(gather(book, since));
    if (const std::string why = writeFileAtomically(file, page); !why.empty()) {
        s.env.err << kProgramName << ": " << file << ": " << why << std::endl;
        return false;
    }
    return true;
}

} // namespace qarvo::cli
