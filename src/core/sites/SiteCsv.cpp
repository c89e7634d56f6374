#include "sites/SiteCsv.h"

#include "base/CsvField.h"

#include <QStringDecoder>

#include <array>
#include <set>
#include <string_view>

namespace qarvo::sites {

namespace {

constexpr std::array<std::string_view, 10> kColumns{"name",    "address", "port",  "mode", "callback",
                                                    "account", "panel_id", "pc_id", "tags", "notes"};
constexpr char kTagSeparator = ';';

struct Row {
    int line = 0;
    std::vector<std::string> fields;
    bool unterminatedQuote = false;
};

// Splits the text into rows of fields; a quoted field may hold commas,
// doubled quotes and line breaks.
std::vector<Row> rowsOf(const std::string& text)
{
    std::vector<Row> rows;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        Row row{line, {}};
        std::string field;
        bool quoted = false;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                    field += text[++i];
                else if (c == '"')
                    quoted = false;
                else
                    field += c, line += c == '\n';
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row.fields.push_back(std::exchange(field, {}));
            } else if (c == '\n') {
                ++i;
                break;
            } else if (c != '\r') {
                field += c;
            }
        }
        row.unterminatedQuote = quoted;
        row.fields.push_back(field);
        ++line;
        if (!(row.fields.size() == 1 && row.fields.front().empty())) // a blank line
            rows.push_back(std::move(row));
    }
    return rows;
}

// The lines holding bytes that are not UTF-8.
std::set<int> badUtf8Lines(const std::string& bytes)
{
    std::set<int> bad;
    int line = 1;
    for (std::size_t start = 0; start <= bytes.size(); ++line) {
        const auto end = bytes.find('\n', start);
        const std::string_view text = std::string_view(bytes).substr(start, end == std::string::npos ? end : end - start);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        (void)QString(decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))));
        if (decoder.hasError())
            bad.insert(line);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return bad;
}

std::vector<std::string> tagsOf(const std::string& text)
{
    std::vector<std::string> tags;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = text.find(kTagSeparator, start);
        std::string tag = text.substr(start, end == std::string::npos ? end : end - start);
        if (!tag.empty())
            tags.push_back(tag);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return tags;
}

constexpr std::string_view kPasswordColumn = "password"; // import only

// The site a row describes, or why it is not one.
std::string siteOfRow(const Row& row, const Resolver& resolve, std::size_t columns, CsvSite& csv)
{
    if (row.unterminatedQuote)
        return "a quoted field is not closed";
    if (row.fields.size() != columns)
        return std::to_string(row.fields.size()) + " columns where the header has " + std::to_string(columns) +
               (row.fields.size() < columns ? " (a column is missing)" : " (an extra column)");
    Site& site = csv.site;
    const auto& f = row.fields;
    site.name = f[0];
    site.address = f[1];
    if (const std::string problem = portProblem(f[2], site.port); !problem.empty())
        return "port: " + problem;
    site.mode = f[3].empty() ? "direct" : f[3];
    site.callback = f[4];
    site.account = f[5];
    site.panelId = f[6];
    site.pcId = f[7];
    site.tags = tagsOf(f[8]);
    site.notes = f[9];
    if (columns > kColumns.size()) {
        csv.password = f[kColumns.size()];
        if (std::string problem = csv.password.empty() ? "" : passwordProblem(csv.password); !problem.empty())
            return "password: " + problem;
    }
    return siteProblem(site, resolve);
}


} // namespace

std::string sitesCsvHeader()
{
    std::string header;
    for (std::string_view column : kColumns)
        header += (header.empty() ? "" : ",") + std::string(column);
    return header;
}

CsvSites readSitesCsv(const std::string& bytes, const Resolver& resolve)
{
    CsvSites result;
    const std::set<int> badLines = badUtf8Lines(bytes);
    if (badLines.contains(1)) {
        result.refused.push_back({1, "bytes that are not UTF-8"});
        return result;
    }
    std::string text = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    const std::vector<Row> rows = rowsOf(text);
    std::vector<std::string> header(kColumns.begin(), kColumns.end());
    std::vector<std::string> withPasswords = header;
    withPasswords.emplace_back(kPasswordColumn);
    if (rows.empty() || rows.front().line != 1 ||
        (rows.front().fields != header && rows.front().fields != withPasswords)) {
        result.refused.push_back({1, "expected the header " + sitesCsvHeader()});
        return result;
    }
    const std::size_t columns = rows.front().fields.size();
    std::set<std::string> names;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        CsvSite csv{rows[r].line, {}, {}};
        std::string why =
            badLines.contains(rows[r].line) ? "bytes that are not UTF-8" : siteOfRow(rows[r], resolve, columns, csv);
        if (why.empty() && !names.insert(csv.site.name).second)
            why = "the name '" + csv.site.name + "' is given on an earlier line";
        if (why.empty())
            result.sites.push_back(std::move(csv));
        else
            result.refused.push_back({rows[r].line, why});
    }
    return result;
}

std::string sitesCsv(const std::vector<Site>& sites, const std::vector<std::string>& passwords)
{
    const bool withPasswords = !passwords.empty();
    std::string text = sitesCsvHeader() + (withPasswords ? "," + std::string(kPasswordColumn) : "") + "\r\n";
    for (std::size_t i = 0; i < sites.size(); ++i) {
        const Site& site = sites[i];
        std::string tags;
        for (const std::string& tag : site.tags)
            tags += (tags.empty() ? "" : std::string(1, kTagSeparator)) + tag;
        const std::array fields{site.name,    site.address, std::to_string(site.port), site.mode, site.callback,
                                site.account, site.panelId, site.pcId,                 tags,      site.notes};
        std::string row;
        for (const std::string& field : fields)
            row += (row.empty() ? "" : ",") + csvField(field);
        if (withPasswords)
            row += "," + csvField(passwords.at(i));
        text += row + "\r\n";
    }
    return text;
}

} // namespace qarvo::sites
