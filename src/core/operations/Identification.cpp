#include "operations/Identification.h"

#include "base/TextIds.h"

namespace qarvo::operations {

namespace {

// The identification code is spelt out in full: the operation code of the
// same name is a different number.
namespace panel_code = link::panel_code;
using link::kIdentifyTrailer;
using link::panel_code::kNotice;
using link::panel_code::kRamOne;
using link::panel_code::kReadFour;
using link::panel_code::kReadFourReply;
using link::panel_location::kPageRegister;
namespace ram_op = link::ram_op;

constexpr std::uint8_t kKeepAllButBits2And3 = 0xF3;
constexpr std::uint8_t kBit2 = 0x04;
constexpr int keypadsOfEveryModel = 8;

std::uint8_t high(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }
std::uint8_t low(std::uint16_t v) { return static_cast<std::uint8_t>(v); }

// Requests of the steps that repeat until their expected reply arrives.
void selectIdPage(CCommBuff& out) { link::buildMessage(out, {kRamOne, ram_op::kWrite, kPageRegister, id_location::kIdPage}); }
void readIds(CCommBuff& out) { link::buildMessage(out, {kReadFour, id_location::kIdAddress}); }
void readCondition(CCommBuff& out) { link::buildMessage(out, {kRamOne, ram_op::kReadSecondForm, id_location::kCondition, 0x00}); }
void setControlBit2(CCommBuff& out) { link::buildMessage(out, {kRamOne, ram_op::kSetBitsSecondForm, id_location::kControl, kBit2}); }
void clearControlBits(CCommBuff& out)
{
    link::buildMessage(out, {kRamOne, ram_op::kKeepBitsSecondForm, id_location::kControl, kKeepAllButBits2And3});
}
void clearAlternative(CCommBuff& out)
{
    link::buildMessage(out, {kRamOne, ram_op::kWrite, id_location::kAlternativeClear, 0x00});
}

} // namespace

std::uint16_t challengeResponse(std::uint16_t challenge, std::uint16_t pcId)
{
    const unsigned lowKey = static_cast<unsigned>(low(pcId)) << 8;
    const unsigned highKey = static_cast<unsigned>(high(pcId)) << 8;
    unsigned v = challenge;
    for (int round = 0; round < 16; ++round)
        v = (v & 1) ? (((highKey ^ v) >> 1) | 0x8000) : ((lowKey ^ v) >> 1);
    return static_cast<std::uint16_t>(v);
}

Identification::Identification(NoticeSink& sink, panel::PanelIdentity& identity, Hooks hooks)
    : sink_(sink), identity_(identity), hooks_(std::move(hooks))
{
}

void Identification::startSession(std::uint16_t panelId, std::uint16_t pcId, bool alternativeEnding)
{
    panelId_ = panelId;
    pcId_ = pcId;
    alternativeEnding_ = alternativeEnding;
    attempts_ = 0;
    response_ = 0;
}

void Identification::run(const CCommBuff& reply, CCommBuff& out, std::uint8_t& step, bool& done, bool& endOfLink)
{
    sink_.post(StatusNotice{Pane::Panel, text_id::kCheckIdCodes});
    switch (step) {
    case 1:
        if (reply.code() == panel_code::kIdentify) {
            onChallenge(reply, out, done);
        } else if (reply.code() == kNotice && attempts_ > 0) {
            step = 2;
            selectIdPage(out);
        }
        // Any other reply builds nothing: the last request goes out again.
        // That includes the panel's no-answer notice before any challenge:
        // it looks like an acceptance, but the panel sends it on its own
        // when a program before this one went quiet mid-session.
        return;
    case 2:
        if (reply.startsWith({kRamOne, ram_op::kWrite, kPageRegister, id_location::kIdPage})) {
            step = 3;
            readIds(out);
        } else {
            selectIdPage(out);
        }
        return;
    case 3:
        onIds(reply, out, step, done);
        return;
    case 4:
        if (reply.startsWith({kRamOne, ram_op::kKeepBitsSecondForm, id_location::kControl, kKeepAllButBits2And3})) {
            step = 5;
            clearAlternative(out);
        } else {
            clearControlBits(out);
        }
        return;
    case 5:
        if (reply.startsWith({kRamOne, ram_op::kWrite, id_location::kAlternativeClear, 0x00})) {
            hooks_.enterIdle(false);
            link::buildMessage(out, link::fixed_message::kStatusPoll);
        } else {
            clearAlternative(out);
        }
        return;
    case 6:
        if (!reply.startsWith({kRamOne, ram_op::kReadSecondForm, id_location::kCondition}) || reply.count < 4) {
            readCondition(out);
        } else if (reply.at(3) & id_location::kConditionEndBit) {
            step = 7;
            setControlBit2(out);
        } else {
            hooks_.enterIdle(true);
            link::buildMessage(out, link::fixed_message::kStatusPoll);
        }
        return;
    case 7:
        if (reply.startsWith({kRamOne, ram_op::kSetBitsSecondForm, id_location::kControl})) {
            // The request stays in the buffer and goes out once more; the
            // next reply then gets the end-of-link request.
            hooks_.enterIdle(true);
            endOfLink = true;
        } else {
            setControlBit2(out);
        }
        return;
    default:
        step = 1;
        return;
    }
}

void Identification::onChallenge(const CCommBuff& reply, CCommBuff& out, bool& done)
{
    const std::uint8_t type = reply.at(1);
    if (type < kFirstPanelCode || type > kLastPanelCode) {
        sink_.post(MessageNotice{type > kLastPanelCode ? text_id::kNewerPanelVersion : text_id::kUnknownPanel, {}});
        done = true;
        out.clear();
        return;
    }
    identity_.typeCode = type;
    identity_.userRecordCount = reply.at(2);
    identity_.zoneCount = reply.at(3);
    identity_.pgmCount = reply.at(4);
    identity_.keypadCount = keypadsOfEveryModel;
    if (hooks_.identified)
        hooks_.identified();

    response_ = challengeResponse(static_cast<std::uint16_t>(reply.at(5) << 8 | reply.at(6)), pcId_);
    if (++attempts_ >= kMaxChallenges) {
        sink_.post(MessageNotice{text_id::kWrongPcId, {}});
        done = true;
        out.clear();
        return;
    }
    link::buildMessage(out, {panel_code::kIdentify, high(response_), low(response_), kIdentifyTrailer});
}

void Identification::onIds(const CCommBuff& reply, CCommBuff& out, std::uint8_t& step, bool& done)
{
    if (!reply.startsWith({kReadFourReply, id_location::kIdAddress}) || reply.count < 6) {
        readIds(out);
        return;
    }
    if (reply.at(2) != high(panelId_) || reply.at(3) != low(panelId_)) {
        sink_.post(MessageNotice{text_id::kWrongPanelId, {}});
        done = true;
        out.clear();
        return;
    }
    if (reply.at(4) != high(pcId_) || reply.at(5) != low(pcId_)) {
        sink_.post(MessageNotice{text_id::kWrongPcId, {}});
        done = true;
        out.clear();
        return;
    }
    if (alternativeEnding_) {
        step = 4;
        clearControlBits(out);
    } else {
        step = 6;
        readCondition(out);
    }
}

} // namespace qarvo::operations
