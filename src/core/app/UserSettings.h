#pragma once
// The per-user settings store: language, the five page passwords, the main
// window's placement and the recently used documents. Values are read from
// the store whenever they are asked for, never cached.
#include <QSettings>
#include <QSize>
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

// The main window's size on a first start, when nothing was stored: room
// for each page's main grid without sideways scrolling, at most 90 % of the
// screen's available area.
inline constexpr int kFirstStartWidth = 1100;
inline constexpr int kFirstStartHeight = 760;
inline constexpr int kFirstStartScreenPercent = 90;
QSize firstStartSize(const QSize& available);

// The recent-document list with path put first (once), cut to its length.
QStringList withRecentFile(QStringList list, const QString& path);

// Questions the desktop asks before a step the user may regret; each can be
// answered "Don't ask again".
enum class Confirmation { PageWrite, ArmingWithOpenZones };

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
    // Whether a placement was ever stored (a first start has none).
    bool placementStored() const;
    // The window was maximised when it closed; the placement is then its
    // size before it was maximised.
    bool maximised() const;
    void setMaximised(bool maximised);

    // Whether the question is asked (the default), or was answered "Don't
    // ask again".
    bool asks(Confirmation question) const;
    void setAsks(Confirmation question, bool ask);

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
