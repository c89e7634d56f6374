#include "eventlog/TextExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qarvo::eventlog;

namespace {

QByteArray bytesOf(std::initializer_list<unsigned char> values)
{
    QByteArray bytes;
    for (unsigned char v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

TEST(TextExport, LinesAreUtf16LittleEndianWithMarkAndCrLf)
{
    EXPECT_EQ(textExportBytes({QStringLiteral("a"), QStringLiteral("b")}),
              bytesOf({0xFF, 0xFE, 0x61, 0x00, 0x0D, 0x00, 0x0A, 0x00, 0x62, 0x00, 0x0D, 0x00, 0x0A, 0x00}));
}

TEST(TextExport, NoLinesGiveOnlyTheByteOrderMark)
{
    EXPECT_EQ(textExportBytes({}), bytesOf({0xFF, 0xFE}));
}

TEST(TextExport, CharactersBeyondLatinKeepBothBytes)
{
    // U+20AC EURO SIGN, then an empty line.
    EXPECT_EQ(textExportBytes({QString(QChar(0x20AC)), QString()}),
              bytesOf({0xFF, 0xFE, 0xAC, 0x20, 0x0D, 0x00, 0x0A, 0x00, 0x0D, 0x00, 0x0A, 0x00}));
}

TEST(TextExport, ALineFeedInsideALineAlsoBecomesCrLf)
{
    EXPECT_EQ(textExportBytes({QStringLiteral("a\nb")}),
              bytesOf({0xFF, 0xFE, 0x61, 0x00, 0x0D, 0x00, 0x0A, 0x00, 0x62, 0x00, 0x0D, 0x00, 0x0A, 0x00}));
}

TEST(TextExport, WritesTheFileAndReplacesAnOlderOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Events.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older and longer file");
    }
    const QStringList lines{QStringLiteral(" 00:00  01.Jan.2026  Timed autoarming"), QStringLiteral(" ")};
    ASSERT_TRUE(writeTextExport(path, lines));
    EXPECT_EQ(readAll(path), textExportBytes(lines));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Events.txt")})
        << "no temporary file may be left behind";
}

TEST(TextExport, ReportsAFileThatCannotBeCreated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(writeTextExport(dir.filePath(QStringLiteral("missing/Events.txt")), {QStringLiteral("a")}));
}
