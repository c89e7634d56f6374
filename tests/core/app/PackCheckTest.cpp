#include "app/PackCheck.h"
#include "app/StringTable.h"
#include "app/Strings.h"
#include "support/TempDir.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <vector>

using namespace qarvo;
using app::PackProblem;
using app::PackProblemKind;

namespace {

// One translation of a pack written for a test: text and whether finished.
struct Translation {
    QString text;
    bool finished = true;
};
using Pack = std::map<int, Translation>;

// A pack that "translates" every text by itself: complete by construction.
Pack englishPack()
{
    Pack pack;
    for (const auto& row : strings::stringTable())
        pack[row.id] = {QString::fromUtf8(row.text)};
    return pack;
}

QString escaped(QString text)
{
    return text.replace(u'&', QLatin1String("&amp;")).replace(u'<', QLatin1String("&lt;"));
}

QString writePack(const qarvo::testing::TempDir& dir, const Pack& pack)
{
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                "<TS version=\"2.1\" language=\"de_DE\">\n<context>\n<name>Strings</name>\n");
    for (const auto& [id, t] : pack)
        ts += QStringLiteral("<message><source>qarvo_%1</source><translation%2>%3</translation></message>\n")
                  .arg(id)
                  .arg(t.finished ? QString() : QStringLiteral(" type=\"unfinished\""), escaped(t.text));
    ts += QStringLiteral("</context>\n</TS>\n");
    const QString path = QString::fromStdString(dir.file("RpsTST.ts").string());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ts.toUtf8());
    return path;
}

// The first table id whose English text satisfies the condition.
int firstIdWhere(const std::function<bool(const QString&)>& condition)
{
    for (const auto& row : strings::stringTable())
        if (condition(QString::fromUtf8(row.text)))
            return row.id;
    ADD_FAILURE() << "no text of the table fits";
    return 0;
}

bool hasNumberConversion(const QString& t) { return t.contains(QLatin1String("%d")); }
bool hasLineBreak(const QString& t) { return t.contains(u'\n'); }
bool endsInBlank(const QString& t) { return t.endsWith(u' '); }
bool anyText(const QString&) { return true; }

struct Damage {
    const char* name;
    bool (*pick)(const QString&);
    std::function<void(Pack&, int)> damage;
    PackProblemKind expected;
};

const std::vector<Damage> kDamages{
    {"entry removed", anyText, [](Pack& p, int id) { p.erase(id); }, PackProblemKind::Missing},
    {"marked unfinished", anyText, [](Pack& p, int id) { p[id].finished = false; }, PackProblemKind::Unfinished},
    {"emptied", anyText, [](Pack& p, int id) { p[id].text.clear(); }, PackProblemKind::Empty},
    {"%d made %s", hasNumberConversion,
     [](Pack& p, int id) { p[id].text.replace(QLatin1String("%d"), QLatin1String("%s")); },
     PackProblemKind::Conversions},
    {"%d dropped", hasNumberConversion,
     [](Pack& p, int id) { p[id].text.remove(QLatin1String("%d")); }, PackProblemKind::Conversions},
    {"line break dropped", hasLineBreak, [](Pack& p, int id) { p[id].text.replace(u'\n', u' '); },
     PackProblemKind::LineBreaks},
    {"trailing blank dropped", endsInBlank, [](Pack& p, int id) { p[id].text = p[id].text.trimmed(); },
     PackProblemKind::TrailingBlank},
};

TEST(PackCheck, ACompletePackHasNoProblem)
{
    qarvo::testing::TempDir dir;
    EXPECT_TRUE(app::checkPack(writePack(dir, englishPack())).empty());
}

TEST(PackCheck, EachDamageIsNamedWithItsId)
{
    for (const Damage& d : kDamages) {
        qarvo::testing::TempDir dir;
        Pack pack = englishPack();
        const int id = firstIdWhere(d.pick);
        d.damage(pack, id);
        const auto problems = app::checkPack(writePack(dir, pack));
        EXPECT_EQ(problems, (std::vector<PackProblem>{{id, d.expected}})) << d.name;
        if (!problems.empty())
            EXPECT_TRUE(app::describe(problems[0]).startsWith(QStringLiteral("qarvo_%1:").arg(id))) << d.name;
    }
}

TEST(PackCheck, NoFileOrNoPackIsUnreadable)
{
    qarvo::testing::TempDir dir;
    const std::vector<PackProblem> unreadable{{0, PackProblemKind::Unreadable}};
    EXPECT_EQ(app::checkPack(QString::fromStdString(dir.file("absent.ts").string())), unreadable);
    EXPECT_EQ(app::checkPack(writePack(dir, {})), unreadable);
}

TEST(PackCheck, ConversionsAreListedInOrder)
{
    const std::vector<std::pair<QString, QStringList>> cases{
        {QStringLiteral("a %d/%d"), {QStringLiteral("%d"), QStringLiteral("%d")}},
        {QStringLiteral("b %02d%%"), {QStringLiteral("%02d")}},
        {QStringLiteral("c '%s' [%#08X]"), {QStringLiteral("%s"), QStringLiteral("%#08X")}},
        {QStringLiteral("%1 (%2). d"), {QStringLiteral("%1"), QStringLiteral("%2")}},
        {QStringLiteral("e 90% full"), {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(app::conversionsOf(text), expected) << text.toStdString();
}

} // namespace
