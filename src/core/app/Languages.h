#pragma once
// User-interface languages: English is built in; any other language is a
// pack "Rps" + code + ".qm" that translates the string table, found in the
// folders of the shipped files (the first folder holding a pack wins). The
// language is chosen once at start-up for the whole run.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

namespace qarvo::app {

inline constexpr const char* kEnglishCode = "ENU";
inline constexpr const char* kEnglishName = "English";
inline constexpr int kMaxLanguageCodeLength = 3;
// Texts every pack carries about itself: its display name and its code.
inline constexpr int kLanguageNameTextId = 1801;
inline constexpr int kLanguageCodeTextId = 1802;

// The stored language value as a language code (at most three characters).
QString languageCode(const QString& stored);
// "Rps" + code + ".qm".
QString packFileName(const QString& code);

// One text of a pack, by string-table id; empty when the pack lacks it.
QString packText(const QTranslator& pack, int id);

struct LanguageEntry {
    QString name;
    QString code;
    bool operator==(const LanguageEntry&) const = default;
};

// English first, then every readable pack of the folders with its own
// name and code, in file name order; a code already listed is passed over.
std::vector<LanguageEntry> availableLanguages(const QStringList& directories);
inline std::vector<LanguageEntry> availableLanguages(const QString& directory)
{
    return availableLanguages(QStringList{directory});
}
// The code of the first pack whose language is the locale's; empty when no
// pack speaks it.
QString packCodeForLocale(const QStringList& directories, const QLocale& locale);
// The entry whose code is the current one; the first when none is.
int currentLanguageIndex(const std::vector<LanguageEntry>& entries, const QString& currentCode);

// The language of this run. Installs its pack into the application, so
// every string-table text comes from it, and Qt's own catalogue of the
// pack's language (qtbase_<language>.qm of the Qt installation) when there is
// one, so Qt's buttons and dialogs speak it too; removes both when it goes.
class CurrentLanguage {
public:
    enum class Result { English, Loaded, Missing };

    CurrentLanguage() = default;
    ~CurrentLanguage();
    CurrentLanguage(const CurrentLanguage&) = delete;
    CurrentLanguage& operator=(const CurrentLanguage&) = delete;

    // Takes the stored language value: "ENU" is English without a pack; an
    // empty value (nothing chosen yet) takes the pack of the system's
    // language when one is installed, else English, silently; any other
    // value needs its pack, and without it the run is in English (Missing:
    // the caller tells the user).
    Result load(const QStringList& directories, const QString& storedLanguage,
                const QLocale& system = QLocale::system());
    Result load(const QString& directory, const QString& storedLanguage, const QLocale& system = QLocale::system())
    {
        return load(QStringList{directory}, storedLanguage, system);
    }

    // The code of the run: the pack's, or "ENU".
    QString code() const { return code_; }
    bool english() const { return !pack_; }
    // The loaded pack, or nullptr in English.
    const QTranslator* pack() const { return pack_.get(); }
    // Whether Qt's own texts are in the pack's language too.
    bool qtTextsLoaded() const { return qtTexts_ != nullptr; }

private:
    void unload();
    void loadQtTexts();

    QString code_ = QString::fromLatin1(kEnglishCode);
    std::unique_ptr<QTranslator> pack_;
    std::unique_ptr<QTranslator> qtTexts_;
};

} // namespace qarvo::app
