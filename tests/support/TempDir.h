#pragma once
#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace qarvo::testing {

// An empty directory of the test's own, removed with it.
class TempDir {
public:
    bool isValid() const { return dir_.isValid(); }
    std::filesystem::path path() const { return dir_.path().toStdString(); }
    std::filesystem::path file(const std::string& name) const { return path() / name; }

private:
    QTemporaryDir dir_;
};

} // namespace qarvo::testing
