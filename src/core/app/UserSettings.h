#pragma once
// The per-user settings store: language, the five page passwords, the main
// window's placement and the recently used documents. Values are read from
// the store whenever they are asked for, never cached.
#include <QSettings>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace qarvo::app {

inline constexpr int kPageCount = 5;
using PagePasswords = std::array<QString, kPageCount>;

// The store: organisation (the string table's settings key), application
// and the section the values live in.
inline constexpr const char* kSettingsApplication = "QarvoIP";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kRecentFileSection = "Recent File List";
inline constexpr int kRecentFileCount = 4;

// Main window rectangle as stored: left, top, width, height.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 644;
    int height = 436;
    bool operator==(const WindowPlacement&) const = default;
};

// Each stored value outside its range falls back to its default.
WindowPlacement checkedPlacement(const WindowPlacement& stored);

// The recent-document list with path put first (once), cut to its length.
QStringList withRecentFile(QStringList list, const QString& path);

class UserSettings {
public:
    UserSettings();

    QString language() const;
    void setLanguage(const QString& code);

    // Page passwords in page order ("Password1" to "Password5").
    PagePasswords passwords() const;
    QString password(int page) const;
    void setPasswords(const PagePasswords& passwords);

    // The stored placement with the range rules applied.
    WindowPlacement placement() const;
    void setPlacement(const WindowPlacement& placement);

    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

    // The client area is split in two rows.
    bool split() const;

    // Writes pending changes to the store.
    void sync();

private:
    std::unique_ptr<QSettings> store_;
};

} // namespace qarvo::app
