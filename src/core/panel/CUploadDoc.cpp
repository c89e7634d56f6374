#include "panel/CUploadDoc.h"

#include "base/AtomicFile.h"
#include "panel/PanelDefaults.h"
#include "panel/PanelModels.h"
#include "panel/RpsArchive.h"

#include <cstdio>
#include <memory>

namespace qarvo::panel {

namespace {

// An empty string ends a log and an empty name ends the list of logs, so
// neither can be stored as such.
constexpr std::string_view kNameForUnnamedLog = " ";

std::string typeCodeError(std::uint8_t code)
{
    char text[64];
    std::snprintf(text, sizeof text, "panel type code: 0x%02X is not a known panel model", code);
    return text;
}

void writeLogs(ArchiveWriter& out, const std::vector<EventLog>& logs)
{
    for (const EventLog& log : logs) {
        std::vector<const std::string*> lines;
        for (const std::string& line : log.lines)
            if (!line.empty())
                lines.push_back(&line);
        if (lines.empty())
            continue;
        out.writeString(log.name.empty() ? kNameForUnnamedLog : std::string_view(log.name));
        for (const std::string* line : lines)
            out.writeString(*line);
        out.writeString({});
    }
    out.writeString({});
}

bool readLogs(ArchiveReader& in, std::vector<EventLog>& logs)
{
    for (;;) {
        std::string name;
        if (!in.readString(name, "event log name"))
            return false;
        if (name.empty())
            return true;
        EventLog& log = logs.emplace_back(EventLog{std::move(name), {}});
        for (;;) {
            std::string line;
            if (!in.readString(line, "event log \"" + log.name + "\""))
                return false;
            if (line.empty())
                break;
            log.lines.push_back(std::move(line));
        }
    }
}

} // namespace

CUploadDoc::CUploadDoc(std::string currentLogName) : currentLogName_(std::move(currentLogName))
{
    newDocument();
}

void CUploadDoc::newDocument()
{
    const auto held = lock();
    ++revision_;
    identity_.setFromModel(kDefaultTypeCode);
    buildLayout();
    loadDefaults();
    modified_ = false;
}

void CUploadDoc::buildLayout()
{
    const PanelModel* model = findPanelModel(identity_.typeCode);
    // The identity only ever holds model codes: identification and loading
    // refuse the others before they get here.
    if (model)
        layout_.build(*model, identity_.userRecordCount, image_);
}

void CUploadDoc::loadDefaults()
{
    resetLogs();
    userNames_.fill({});
    panelNotes_.clear();
    reservedText_.clear();
    loadImageDefaults(image_, layout_, identity_);
}

void CUploadDoc::resetLogs()
{
    logs_.clear();
    logs_.push_back(EventLog{currentLogName_, {}});
}

bool CUploadDoc::checkModel(const PanelIdentity& identified)
{
    const auto held = lock();
    if (!findPanelModel(identified.typeCode))
        return false;
    identity_ = identified;
    if (identified.typeCode == layout_.typeCode())
        return false;
    buildLayout();
    loadDefaults();
    markModified();
    return true;
}

bool CUploadDoc::isModified() const
{
    const auto held = lock();
    return modified_;
}

void CUploadDoc::setUserName(std::size_t index, std::string name)
{
    if (index >= userNames_.size())
        return;
    userNames_[index] = std::move(name);
    markModified();
}

void CUploadDoc::setPanelNotes(std::string notes)
{
    panelNotes_ = std::move(notes);
    markModified();
}

void CUploadDoc::setReservedText(std::string text)
{
    reservedText_ = std::move(text);
    markModified();
}

void CUploadDoc::setTaviOptions(const TaviOptionsBytes& record)
{
    taviOptions_ = record;
    markModified();
}

std::vector<std::uint8_t> CUploadDoc::serialize() const
{
    const auto held = lock();
    ArchiveWriter out;
    out.writeByte(kFormatMark);
    out.writeByte(identity_.typeCode);
    out.writeByte(0x00);
    out.writeBytes(image_.bytes());
    for (const std::string& name : userNames_)
        out.writeString(name);
    out.writeString(reservedText_);
    out.writeString(panelNotes_);
    writeLogs(out, logs_);
    out.writeBytes(taviOptions_);
    return out.bytes();
}

std::string CUploadDoc::deserialize(std::span<const std::uint8_t> bytes)
{
    // Everything lands in a fresh document first, so a bad file changes nothing.
    auto fresh = std::make_unique<CUploadDoc>(currentLogName_);
    ArchiveReader in(bytes);
    std::uint8_t mark = 0, typeCode = 0, reserved = 0;
    in.readByte(mark, "format mark");
    in.readByte(typeCode, "panel type code");
    if (!in.failed() && !fresh->identity_.setFromModel(typeCode))
        return typeCodeError(typeCode);
    in.readByte(reserved, "header");
    in.readBytes(fresh->image_.bytes(), "panel memory image");
    for (std::size_t i = 0; i < kUserNameCount; ++i)
        in.readString(fresh->userNames_[i], "user name " + std::to_string(i));
    in.readString(fresh->reservedText_, "reserved text");
    in.readString(fresh->panelNotes_, "panel notes");
    fresh->resetLogs();
    if (!in.failed())
        readLogs(in, fresh->logs_);
    in.readBytes(fresh->taviOptions_, "communicator options");
    if (in.failed())
        return in.error();

    fresh->buildLayout();
    fresh->modified_ = false;
    const auto held = lock();
    fresh->revision_ = revision_ + 1;
    *this = std::move(*fresh);
    return {};
}

std::string CUploadDoc::open(const std::filesystem::path& path)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readWholeFile(path, bytes, error))
        return error;
    error = deserialize(bytes);
    return error.empty() ? error : path.string() + ": " + error;
}

std::string CUploadDoc::save(const std::filesystem::path& path)
{
    std::vector<std::uint8_t> bytes;
    std::uint64_t saved = 0;
    {
        const auto held = lock();
        bytes = serialize();
        saved = revision_;
    }
    // The file is written without the lock, so the worker is held up only
    // while the contents are copied.
    const std::string error = writeFileAtomically(path, bytes);
    const auto held = lock();
    if (error.empty() && revision_ == saved)
        modified_ = false;
    return error;
}

} // namespace qarvo::panel
