#include "panel/CUploadDoc.h"
#include "panel/FieldCodecs.h"
#include "panel/RpsArchive.h"
#include "support/Documents.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace qarvo::panel;
using qarvo::testing::Bytes;
using qarvo::testing::fileBytes;
using qarvo::testing::TempDir;
namespace fs = std::filesystem;

namespace {

const std::string kCurrentLog = "Current log";

constexpr std::size_t kImageOffset = 3;
constexpr std::size_t kNamesOffset = kImageOffset + PanelImage::kSize;
constexpr std::size_t kEmptyString = 4; // FF FE FF 00

void writeBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

CUploadDoc::TaviOptionsBytes sampleTavi()
{
    CUploadDoc::TaviOptionsBytes t{};
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return t;
}

// A document whose every part differs from a new one.
CUploadDoc distinctiveDocument()
{
    CUploadDoc doc(kCurrentLog);
    doc.image()[0x1234] = 0x5A;
    doc.setUserName(0, "Master Jo");
    doc.setUserName(255, "Last \xE2\x82\xAC");
    doc.setPanelNotes("Shop, back door\nkey at neighbour");
    doc.setReservedText("kept");
    doc.logs()[0].lines = {"01/02 10:00 Armed", "01/02 18:00 Disarmed"};
    doc.logs().push_back({"Archive", {"older line"}});
    doc.setTaviOptions(sampleTavi());
    return doc;
}

} // namespace

TEST(CUploadDoc, NewDocument)
{
    CUploadDoc doc(kCurrentLog);
    EXPECT_EQ(doc.image()[0], 0xAA) << "the model byte after new defaults";
    EXPECT_EQ(doc.identity(), PanelIdentity{});
    EXPECT_EQ(doc.layout().typeCode(), 0x24);
    EXPECT_EQ(decodeCode(doc.image().range(0x416, 3), 4), "4391");
    ASSERT_EQ(doc.logs().size(), 1u);
    EXPECT_EQ(doc.logs()[0], (EventLog{kCurrentLog, {}}));
    EXPECT_EQ(doc.bytes(Setting::Entry1Delay)[0], 30);
    EXPECT_EQ(doc.bytes(Setting::WelcomeMessage).data(), &doc.image().bytes()[0x524]);
    EXPECT_FALSE(doc.isModified());
}

TEST(CUploadDoc, NewDocumentResetsEverythingButTheCommunicatorRecord)
{
    CUploadDoc doc = distinctiveDocument();
    doc.newDocument();
    const CUploadDoc fresh(kCurrentLog);
    EXPECT_EQ(doc.image(), fresh.image());
    EXPECT_EQ(doc.userNames(), fresh.userNames());
    EXPECT_EQ(doc.panelNotes(), "");
    EXPECT_EQ(doc.reservedText(), "");
    EXPECT_EQ(doc.logs(), fresh.logs());
    EXPECT_EQ(doc.taviOptions(), sampleTavi()) << "the communicator page's record outlives documents";
    EXPECT_FALSE(doc.isModified());
}

TEST(CUploadDoc, FileLayoutOfANewDocument)
{
    CUploadDoc doc(kCurrentLog);
    doc.setTaviOptions(sampleTavi());
    const Bytes bytes = doc.serialize();
    // 256 names, reserved text, notes: all empty; then the end of the logs
    // alone, since the current log has no lines; then the record.
    ASSERT_EQ(bytes.size(), kNamesOffset + 258 * kEmptyString + kEmptyString + 328);
    EXPECT_EQ(bytes[0], 0x90);
    EXPECT_EQ(bytes[1], 0x24);
    EXPECT_EQ(bytes[2], 0x00);
    EXPECT_EQ(bytes[kImageOffset], 0xAA);
    EXPECT_TRUE(std::equal(doc.image().bytes().begin(), doc.image().bytes().end(), bytes.begin() + kImageOffset));
    for (std::size_t s = 0; s < 259; ++s) {
        const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(kNamesOffset + s * kEmptyString);
        EXPECT_EQ(Bytes(at, at + 4), (Bytes{0xFF, 0xFE, 0xFF, 0x00})) << "string " << s;
    }
    const auto tavi = sampleTavi();
    EXPECT_TRUE(std::equal(tavi.begin(), tavi.end(), bytes.end() - 328)) << "the record comes last";
}

TEST(CUploadDoc, FileLayoutOfTextsAndLogs)
{
    CUploadDoc doc(kCurrentLog);
    doc.setUserName(0, "Jo");
    doc.setReservedText("r");
    doc.setPanelNotes("n");
    doc.logs()[0].lines = {"a"};
    doc.logs().push_back({"Empty", {}});
    doc.logs().push_back({"L2", {"b", "c"}});

    ArchiveWriter expected;
    expected.writeString("Jo");
    for (int i = 1; i < 256; ++i)
        expected.writeString("");
    expected.writeString("r"); // reserved text before the notes
    expected.writeString("n");
    for (const char* s : {kCurrentLog.c_str(), "a", "", "L2", "b", "c", "", ""})
        expected.writeString(s); // the log without lines is left out
    const Bytes bytes = doc.serialize();
    ASSERT_EQ(bytes.size(), kNamesOffset + expected.bytes().size() + 328);
    EXPECT_TRUE(std::equal(expected.bytes().begin(), expected.bytes().end(), bytes.begin() + kNamesOffset));
}

TEST(CUploadDoc, SaveAndReopenRebuildsTheModelByte)
{
    TempDir dir;
    const fs::path file = dir.file("site.rps");
    CUploadDoc doc(kCurrentLog);
    ASSERT_EQ(doc.save(file), "");
    EXPECT_EQ(fileBytes<std::uint8_t>(file).at(kImageOffset), 0xAA) << "the file keeps the defaulted byte";

    CUploadDoc reopened(kCurrentLog);
    ASSERT_EQ(reopened.open(file), "");
    EXPECT_EQ(reopened.image()[0], 0xAE) << "the layout writes the model byte on load";
    EXPECT_EQ(reopened.identity(), PanelIdentity{});
    EXPECT_EQ(decodeCode(reopened.image().range(0x416, 3), 4), "4391");
    EXPECT_FALSE(reopened.isModified());
}

TEST(CUploadDoc, EverythingSurvivesSaveAndOpen)
{
    TempDir dir;
    const fs::path file = dir.file("full.rps");
    CUploadDoc doc = distinctiveDocument();
    EXPECT_TRUE(doc.isModified());
    ASSERT_EQ(doc.save(file), "");
    EXPECT_FALSE(doc.isModified());

    CUploadDoc other(kCurrentLog);
    ASSERT_EQ(other.open(file), "");
    EXPECT_EQ(other.image()[0x1234], 0x5A);
    EXPECT_EQ(other.userNames(), doc.userNames());
    EXPECT_EQ(other.panelNotes(), doc.panelNotes());
    EXPECT_EQ(other.reservedText(), "kept");
    EXPECT_EQ(other.taviOptions(), sampleTavi());
    // Log 0 comes back empty; the saved current log follows it under its name.
    ASSERT_EQ(other.logs().size(), 3u);
    EXPECT_EQ(other.logs()[0], (EventLog{kCurrentLog, {}}));
    EXPECT_EQ(other.logs()[1], doc.logs()[0]);
    EXPECT_EQ(other.logs()[2], doc.logs()[1]);
}

TEST(CUploadDoc, EmptyCurrentLogAndASecondLogReopen)
{
    CUploadDoc doc(kCurrentLog);
    doc.logs().push_back({"Monday", {"line 1", "line 2"}});
    CUploadDoc other(kCurrentLog);
    ASSERT_EQ(other.deserialize(doc.serialize()), "");
    ASSERT_EQ(other.logs().size(), 2u);
    EXPECT_EQ(other.logs()[0], (EventLog{kCurrentLog, {}}));
    EXPECT_EQ(other.logs()[1], (EventLog{"Monday", {"line 1", "line 2"}}));
}

TEST(CUploadDoc, LogsTheFormatCannotHoldAsTheyAreStillKeepTheirLines)
{
    CUploadDoc doc(kCurrentLog);
    doc.logs().push_back({"", {"x", "", "y"}}); // unnamed, with an empty line
    CUploadDoc other(kCurrentLog);
    ASSERT_EQ(other.deserialize(doc.serialize()), "");
    ASSERT_EQ(other.logs().size(), 2u);
    EXPECT_EQ(other.logs()[1].lines, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(other.taviOptions(), doc.taviOptions()) << "the record after the logs stays in step";
}

TEST(CUploadDoc, OpenTakesTheFilesModel)
{
    CUploadDoc v1(kCurrentLog);
    ASSERT_TRUE(v1.checkModel(PanelIdentity{0x21, 12, 46, 6, 8}));
    const Bytes bytes = v1.serialize();
    EXPECT_EQ(bytes[1], 0x21);

    CUploadDoc other(kCurrentLog);
    ASSERT_EQ(other.deserialize(bytes), "");
    EXPECT_EQ(other.identity().typeCode, 0x21);
    EXPECT_EQ(other.identity().zoneCount, 12);
    EXPECT_EQ(other.identity().pgmCount, 6);
    EXPECT_EQ(other.layout().typeCode(), 0x21);
    EXPECT_EQ(other.layout()[Setting::ReportEnd].offset, 0x170);
    EXPECT_EQ(other.image()[0], 0xAB);
}

TEST(CUploadDoc, SingleByteStringsFromOlderFilesAreRead)
{
    CUploadDoc doc(kCurrentLog);
    Bytes bytes{0x90, 0x24, 0x00};
    bytes.insert(bytes.end(), doc.image().bytes().begin(), doc.image().bytes().end());
    bytes.insert(bytes.end(), {0x04, 'J', 'o', 's', 0xE9});
    for (int i = 1; i < 256; ++i)
        bytes.push_back(0x00);
    bytes.insert(bytes.end(), {0x00, 0x03, 'N', 'o', 't'});                // reserved, notes
    bytes.insert(bytes.end(), {0x03, 'O', 'l', 'd', 0x02, 'l', '1', 0x00, 0x00}); // one log
    bytes.insert(bytes.end(), 328, 0x42);
    CUploadDoc other(kCurrentLog);
    ASSERT_EQ(other.deserialize(bytes), "");
    EXPECT_EQ(other.userNames()[0], "Jos\xC3\xA9");
    EXPECT_EQ(other.panelNotes(), "Not");
    ASSERT_EQ(other.logs().size(), 2u);
    EXPECT_EQ(other.logs()[1], (EventLog{"Old", {"l1"}}));
    EXPECT_EQ(other.taviOptions()[327], 0x42);
}

TEST(CUploadDoc, AShortFileIsRefusedAndTheOpenDocumentStays)
{
    TempDir dir;
    const CUploadDoc saved = distinctiveDocument();
    const Bytes full = saved.serialize();

    CUploadDoc open(kCurrentLog);
    open.setPanelNotes("unsaved notes");
    open.image()[0x200] = 0x77;
    const Bytes before = open.serialize();

    struct Cut {
        std::size_t length;
        const char* names;
    };
    const Cut cuts[] = {
        {0, "format mark"},
        {2, "header"},
        {1000, "panel memory image"},
        {kNamesOffset + 5, "user name 0"},
        {full.size() - 328 - 3, "event log"},
        {full.size() - 1, "communicator options"},
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.length);
        const fs::path file = dir.file("cut.rps");
        writeBytes(file, Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut.length)));
        const std::string error = open.open(file);
        EXPECT_NE(error.find(cut.names), std::string::npos) << error;
        EXPECT_NE(error.find("ends early"), std::string::npos) << error;
        EXPECT_EQ(open.serialize(), before) << "the open document must be untouched";
        EXPECT_TRUE(open.isModified());
    }
}

TEST(CUploadDoc, EveryTruncationIsRefused)
{
    const Bytes full = distinctiveDocument().serialize();
    CUploadDoc doc(kCurrentLog);
    const Bytes before = doc.serialize();
    for (std::size_t n = kNamesOffset; n < full.size(); n += 7) {
        ASSERT_NE(doc.deserialize(std::span(full).first(n)), "") << "cut at " << n;
        ASSERT_EQ(doc.serialize(), before);
    }
    EXPECT_EQ(doc.deserialize(full), "");
}

TEST(CUploadDoc, CorruptFilesAreRefused)
{
    CUploadDoc doc(kCurrentLog);
    const Bytes before = doc.serialize();
    Bytes bytes = distinctiveDocument().serialize();

    Bytes unknownModel = bytes;
    unknownModel[1] = 0x2A;
    std::string error = doc.deserialize(unknownModel);
    EXPECT_NE(error.find("0x2A"), std::string::npos) << error;

    Bytes hugeName = bytes;
    // User name 0 claims far more characters than the file holds.
    const Bytes claim{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x40};
    std::copy(claim.begin(), claim.end(), hugeName.begin() + kNamesOffset);
    error = doc.deserialize(hugeName);
    EXPECT_NE(error.find("user name 0"), std::string::npos) << error;
    EXPECT_EQ(doc.serialize(), before);
}

TEST(CUploadDoc, OpenReportsMissingFiles)
{
    TempDir dir;
    CUploadDoc doc(kCurrentLog);
    const std::string error = doc.open(dir.file("none.rps"));
    EXPECT_NE(error.find("none.rps"), std::string::npos) << error;
    EXPECT_NE(doc.open(dir.path()), "") << "a directory is no document";
}

TEST(CUploadDoc, SaveReplacesAtomically)
{
    TempDir dir;
    const fs::path file = dir.file("site.rps");
    writeBytes(file, Bytes{1, 2, 3});
    CUploadDoc doc = distinctiveDocument();
    ASSERT_EQ(doc.save(file), "");
    EXPECT_EQ(fileBytes<std::uint8_t>(file), doc.serialize());
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file is left behind";

    doc.setPanelNotes("changed");
    const std::string error = doc.save(dir.file("no-such-dir") / "x.rps");
    EXPECT_NE(error, "");
    EXPECT_TRUE(doc.isModified()) << "a failed save leaves the document changed";
    EXPECT_FALSE(fs::exists(dir.file("no-such-dir")));
}

TEST(CUploadDoc, ModelCheck)
{
    CUploadDoc doc(kCurrentLog);
    doc.image()[0x042] = 99;
    doc.setUserName(3, "Ann");

    PanelIdentity same;
    same.userRecordCount = 40; // what the panel reported
    EXPECT_FALSE(doc.checkModel(same)) << "a panel of the model the document shows resets nothing";
    EXPECT_EQ(doc.image()[0x042], 99);
    EXPECT_EQ(doc.userNames()[3], "Ann");
    EXPECT_EQ(doc.identity().userRecordCount, 40);

    const PanelIdentity v1{0x21, 12, 46, 6, 8};
    EXPECT_TRUE(doc.checkModel(v1));
    EXPECT_EQ(doc.identity(), v1);
    EXPECT_EQ(doc.layout().typeCode(), 0x21);
    EXPECT_EQ(doc.layout()[Setting::ReportEnd].offset, 0x170);
    EXPECT_FALSE(doc.layout()[Setting::WelcomeMessage].present());
    EXPECT_EQ(doc.image()[0x042], 30) << "defaults of the new model";
    EXPECT_EQ(doc.image()[0x002 + 4 * 11], 0x04) << "all twelve zones typed in V1";
    EXPECT_EQ(doc.userNames()[3], "");
    EXPECT_TRUE(doc.isModified());

    EXPECT_FALSE(doc.checkModel(v1)) << "the message is shown once";

    // Identification may have stored the reply in the document's own record.
    doc.identity() = PanelIdentity{0x28, 16, 46, 8, 8};
    EXPECT_TRUE(doc.checkModel(doc.identity()));
    EXPECT_EQ(doc.layout().typeCode(), 0x28);
    EXPECT_EQ(doc.layout()[Setting::ReportEnd].offset, 0x17C);
    const PanelIdentity before = doc.identity();
    EXPECT_FALSE(doc.checkModel(PanelIdentity{0x30, 16, 46, 8, 8}));
    EXPECT_EQ(doc.identity(), before) << "unknown codes never reach the layout";
}

TEST(CUploadDoc, ModifiedFlag)
{
    CUploadDoc doc(kCurrentLog);
    EXPECT_FALSE(doc.isModified());
    doc.setPanelNotes("x");
    EXPECT_TRUE(doc.isModified());
    doc.newDocument();
    EXPECT_FALSE(doc.isModified());
    doc.markModified();
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.deserialize(CUploadDoc(kCurrentLog).serialize()), "");
    EXPECT_FALSE(doc.isModified());
}
