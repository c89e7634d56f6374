#include "support/CliRun.h"

#include "cli/CliApp.h"

#include <QStandardPaths>

#include <mutex>
#include <sstream>
#include <streambuf>

namespace qarvo::testing {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::vector<std::string> CliRun::outLines() const { return lines(out); }

std::string CliRun::line(const std::string& prefix) const
{
    for (const std::string& line : outLines()) {
        const auto start = line.find_first_not_of(' ');
        if (start != std::string::npos && line.compare(start, prefix.size(), prefix) == 0)
            return line;
    }
    return {};
}

CliRun runCommandLine(const std::vector<std::string>& args, const CliSetup& setup)
{
    // Per-user files a run keeps (backups) go to the test folders.
    QStandardPaths::setTestModeEnabled(true);
    std::ostringstream out;
    std::ostringstream err;
    cli::CliEnvironment env{out, err, setup.executableDirectory, setup.homeVariable, setup.timing};
    env.clock = setup.clock;
    env.interrupt = setup.interrupt;
    std::istringstream in(setup.input);
    env.in = &in;
    env.passwordVariable = setup.passwordVariable;
    env.resolveHost = setup.resolveHost;
    CliRun run;
    run.status = cli::runCli(args, env);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// A stream buffer that one thread writes and another reads: without a put
// area every write reaches overflow or xsputn, under the lock.
class CliInBackground::SharedText : public std::streambuf {
public:
    std::string text() const
    {
        std::lock_guard lock(mutex_);
        return text_;
    }

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        std::lock_guard lock(mutex_);
        text_.push_back(traits_type::to_char_type(c));
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        std::lock_guard lock(mutex_);
        text_.append(s, static_cast<std::size_t>(n));
        return n;
    }

private:
    mutable std::mutex mutex_;
    std::string text_;
};

CliInBackground::CliInBackground(std::vector<std::string> args, CliSetup setup)
    : out_(std::make_unique<SharedText>()), err_(std::make_unique<SharedText>())
{
    QStandardPaths::setTestModeEnabled(true);
    thread_ = std::jthread([this, args = std::move(args), setup = std::move(setup)] {
        std::ostream out(out_.get());
        std::ostream err(err_.get());
        cli::CliEnvironment env{out, err, setup.executableDirectory, setup.homeVariable, setup.timing};
        env.clock = setup.clock;
        env.interrupt = setup.interrupt;
        status_ = cli::runCli(args, env);
    });
}

CliInBackground::~CliInBackground()
{
    if (thread_.joinable())
        thread_.join();
}

std::string CliInBackground::errSoFar() const { return err_->text(); }

CliRun CliInBackground::finish()
{
    if (thread_.joinable())
        thread_.join();
    return {status_, out_->text(), err_->text()};
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace qarvo::testing
