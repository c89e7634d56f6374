#include "app/UserSettings.h"

#include "app/Strings.h"
#include "base/TextIds.h"

namespace qarvo::app {
namespace {

// One placement value: its name in the store, its default and its range.
struct PlacementValue {
    const char* name;
    int WindowPlacement::*member;
    int minimum;
    int maximum;
};

constexpr WindowPlacement kDefaultPlacement{};
constexpr std::array<PlacementValue, 4> kPlacementValues{{
    {"Left", &WindowPlacement::left, 0, 1200},
    {"Top", &WindowPlacement::top, 0, 800},
    {"Width", &WindowPlacement::width, 101, 1200},
    {"Height", &WindowPlacement::height, 101, 1200},
}};

QString passwordName(int page) { return QStringLiteral("Password%1").arg(page + 1); }
QString recentFileName(int index) { return QStringLiteral("File%1").arg(index + 1); }
QString settingsKey(const char* name) { return QStringLiteral("%1/%2").arg(kSettingsSection, name); }

} // namespace

WindowPlacement checkedPlacement(const WindowPlacement& stored)
{
    WindowPlacement checked = stored;
    for (const PlacementValue& v : kPlacementValues) {
        const int value = stored.*v.member;
        if (value < v.minimum || value > v.maximum)
            checked.*v.member = kDefaultPlacement.*v.member;
    }
    return checked;
}

QSize firstStartSize(const QSize& available)
{
    const QSize screenShare(available.width() * kFirstStartScreenPercent / 100,
                            available.height() * kFirstStartScreenPercent / 100);
    return QSize(kFirstStartWidth, kFirstStartHeight).boundedTo(screenShare);
}

QStringList withRecentFile(QStringList list, const QString& path)
{
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kRecentFileCount)
        list.removeLast();
    return list;
}

// The organisation is the built-in English text: a language pack must not
// move the user's settings to another place.
UserSettings::UserSettings()
    : store_(std::make_unique<QSettings>(QString::fromUtf8(strings::english(text_id::kSettingsCompany)),
                                         QString::fromLatin1(kSettingsApplication)))
{
}

QString UserSettings::language() const { return store_->value(settingsKey("Language")).toString(); }

void UserSettings::setLanguage(const QString& code) { store_->setValue(settingsKey("Language"), code); }

PagePasswords UserSettings::passwords() const
{
    PagePasswords result;
    for (int page = 0; page < kPageCount; ++page)
        result[static_cast<std::size_t>(page)] = password(page);
    return result;
}

QString UserSettings::password(int page) const
{
    const QString name = passwordName(page);
    return store_->value(settingsKey(name.toLatin1().constData())).toString();
}

void UserSettings::setPasswords(const PagePasswords& passwords)
{
    for (int page = 0; page < kPageCount; ++page)
        store_->setValue(settingsKey(passwordName(page).toLatin1().constData()),
                         passwords[static_cast<std::size_t>(page)]);
}

WindowPlacement UserSettings::placement() const
{
    WindowPlacement stored;
    for (const PlacementValue& v : kPlacementValues)
        stored.*v.member = store_->value(settingsKey(v.name), kDefaultPlacement.*v.member).toInt();
    return checkedPlacement(stored);
}

bool UserSettings::placementStored() const
{
    return store_->contains(settingsKey(kPlacementValues[0].name));
}

bool UserSettings::maximised() const { return store_->value(settingsKey("Maximized"), false).toBool(); }

void UserSettings::setMaximised(bool maximised) { store_->setValue(settingsKey("Maximized"), maximised); }

namespace {
const char* confirmationName(Confirmation question)
{
    switch (question) {
    case Confirmation::PageWrite: return "AskBeforePageWrite";
    case Confirmation::ArmingWithOpenZones: return "AskBeforeArmingWithOpenZones";
    }
    return "AskBeforePageWrite";
}
} // namespace

bool UserSettings::asks(Confirmation question) const
{
    return store_->value(settingsKey(confirmationName(question)), true).toBool();
}

void UserSettings::setAsks(Confirmation question, bool ask)
{
    store_->setValue(settingsKey(confirmationName(question)), ask);
}

void UserSettings::setPlacement(const WindowPlacement& placement)
{
    for (const PlacementValue& v : kPlacementValues)
        store_->setValue(settingsKey(v.name), placement.*v.member);
}

QStringList UserSettings::recentFiles() const
{
    QStringList files;
    store_->beginGroup(QString::fromLatin1(kRecentFileSection));
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString file = store_->value(recentFileName(i)).toString();
        if (!file.isEmpty())
            files << file;
    }
    store_->endGroup();
    return files;
}

void UserSettings::setRecentFiles(const QStringList& files)
{
    store_->beginGroup(QString::fromLatin1(kRecentFileSection));
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (i < files.size())
            store_->setValue(recentFileName(i), files[i]);
        else
            store_->remove(recentFileName(i));
    }
    store_->endGroup();
}

bool UserSettings::split() const { return store_->value(settingsKey("Split"), 0).toInt() != 0; }

void UserSettings::sync() { store_->sync(); }

} // namespace qarvo::app
