#pragma once
// The headless front-end's notice sink: prints message boxes, status panes
// and progress on the error stream, in the words of the string table, and
// keeps every notice so commands can wait for the one they need.
#include "base/RecordingSink.h"

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace qarvo::cli {

class CliSink final : public RecordingSink {
public:
    explicit CliSink(std::ostream& err) : err_(err) {}

    // Called from any thread; lines never interleave.
    void post(const Notice& notice) override;

    // Prints one line on the error stream under the sink's lock.
    void printLine(const std::string& line);
    // Message boxes and status panes of this text are kept but not printed.
    void hideMessage(int textId);

private:
    void print(const MessageNotice& message);
    void print(const StatusNotice& status);
    void print(const ProgressNotice& progress);
    void writeLine(const std::string& line); // caller holds mutex_

    std::ostream& err_;
    std::mutex mutex_;
    std::vector<int> hidden_;
    std::string caption_;     // of the progress display now shown
    long lastPercent_ = -1;   // last per cent printed for that caption
};

// The text of a message notice: its format with the number filled in when
// one is given.
std::string messageText(const MessageNotice& message);

} // namespace qarvo::cli
