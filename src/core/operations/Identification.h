#pragma once
// Panel identification: learns the model and its counts, answers the
// panel's challenge from the PC identification code, confirms both
// identification codes against the panel's copies, then establishes the
// session or ends it.
#include "base/NoticeSink.h"
#include "link/PanelMessage.h"
#include "panel/PanelIdentity.h"

#include <cstdint>
#include <functional>

namespace qarvo::operations {

// The sixteen-round response to a challenge, keyed by the PC ID's bytes.
std::uint16_t challengeResponse(std::uint16_t challenge, std::uint16_t pcId);

// Identification's panel locations.
namespace id_location {
inline constexpr std::uint8_t kIdPage = 0x04;
inline constexpr std::uint8_t kIdAddress = 0x06;      // 0x406..0x409 within page 4
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kCondition = 0x49;
inline constexpr std::uint8_t kConditionEndBit = 0x80;
inline constexpr std::uint8_t kAlternativeClear = 0x6E;
} // namespace id_location

inline constexpr int kMaxChallenges = 7;
inline constexpr std::uint8_t kFirstPanelCode = 0x21;
inline constexpr std::uint8_t kLastPanelCode = 0x29;

class Identification {
public:
    struct Hooks {
        // Enter the idle poll; establish = set the panel link flag.
        std::function<void(bool establish)> enterIdle;
        // The panel identity values were stored.
        std::function<void()> identified;
    };

    Identification(NoticeSink& sink, panel::PanelIdentity& identity, Hooks hooks);

    // A new session: the attempt counter starts again.
    void startSession(std::uint16_t panelId, std::uint16_t pcId, bool alternativeEnding);

    // One step per received reply. done ends the worker at once; endOfLink
    // makes the worker send its end-of-link request with the next reply.
    void run(const CCommBuff& reply, CCommBuff& out, std::uint8_t& step, bool& done, bool& endOfLink);

    int attempts() const { return attempts_; }
    std::uint16_t response() const { return response_; }

private:
    void onChallenge(const CCommBuff& reply, CCommBuff& out, bool& done);
    void onIds(const CCommBuff& reply, CCommBuff& out, std::uint8_t& step, bool& done);
    void finish(CCommBuff& out);

    NoticeSink& sink_;
    panel::PanelIdentity& identity_;
    Hooks hooks_;
    std::uint16_t panelId_ = 0;
    std::uint16_t pcId_ = 0;
    bool alternativeEnding_ = false;
    int attempts_ = 0;
    std::uint16_t response_ = 0;
};

} // namespace qarvo::operations
