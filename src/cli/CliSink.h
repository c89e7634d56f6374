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

// How the sink shows what it prints.
struct SinkStyle {
    bool terminal = false; // the error stream is a terminal: progress updates one line in place
    bool quiet = false;    // only message boxes (what went wrong) are printed
};

class CliSink final : public RecordingSink {
public:
    explicit CliSink(std::ostream& err, SinkStyle style = {}) : err_(err), style_(style) {}

    // Called from any thread; lines never interleave.
    void post(const Notice& notice) override;

    // Prints one line on the error stream under the sink's lock.
    void printLine(const std::string& line);
    // A per cent worded by the caller (text), shown by the progress
    // display's rules; a new caption starts from nothing again.
    void showProgress(const std::string& caption, long percent, const std::string& text);
    // A line of progress (connecting, waiting, disconnecting): printed like
    // printLine except with --quiet, and not again when the status pane
    // just said the same.
    void printNote(const std::string& line);
    // Message boxes and status panes of this text are kept but not printed.
    void hideMessage(int textId);

private:
    void print(const MessageNotice& message);
    void print(const StatusNotice& status);
    void print(const ProgressNotice& progress);
    void writeLine(const std::string& line); // caller holds mutex_

    void endProgressLine(); // caller holds mutex_
    void showPercent(long percent, const std::string& text); // caller holds mutex_

    std::ostream& err_;
    SinkStyle style_;
    std::mutex mutex_;
    std::vector<int> hidden_;
    std::string caption_;     // of the progress display now shown
    long lastPercent_ = -1;   // highest per cent shown for that caption
    bool progressOpen_ = false; // a progress line is being updated in place
    std::string lastStatus_;
};

// The text of a message notice: its format with the number filled in when
// one is given.
std::string messageText(const MessageNotice& message);

} // namespace qarvo::cli
