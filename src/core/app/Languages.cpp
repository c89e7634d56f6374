#include "app/Languages.h"

#include "app/Strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include <algorithm>

namespace qarvo::app {
namespace {

constexpr const char* kPackPrefix = "Rps";
constexpr const char* kPackSuffix = ".qm";
// Qt's own texts (standard buttons, the print dialogs) in the pack's language.
constexpr const char* kQtBaseCatalogue = "qtbase";

} // namespace

QString languageCode(const QString& stored) { return stored.left(kMaxLanguageCodeLength); }

QString packFileName(const QString& code)
{
    return QString::fromLatin1(kPackPrefix) + code + QString::fromLatin1(kPackSuffix);
}

QString packText(const QTranslator& pack, int id)
{
    const std::string key = strings::translationKey(id);
    return pack.translate(strings::kTranslationContext, key.c_str());
}

namespace {

struct PackFile {
    QString path;
    QString code;
};

QString packPattern() { return QString::fromLatin1(kPackPrefix) + u'*' + QString::fromLatin1(kPackSuffix); }

// The code a pack file's name carries: "RpsDEU.qm" -> "DEU".
QString codeOfFileName(const QString& file)
{
    const qsizetype prefix = qsizetype(qstrlen(kPackPrefix));
    return file.mid(prefix, file.size() - prefix - qsizetype(qstrlen(kPackSuffix)));
}

// Every pack file of the folders, the first of each code, in name order.
std::vector<PackFile> packFiles(const QStringList& directories)
{
    std::vector<PackFile> files;
    for (const QString& directory : directories) {
        const QDir dir(directory);
        for (const QString& file : dir.entryList({packPattern()}, QDir::Files, QDir::Name)) {
            const QString code = codeOfFileName(file);
            if (std::none_of(files.begin(), files.end(), [&](const PackFile& f) { return f.code == code; }))
                files.push_back({dir.filePath(file), code});
        }
    }
    return files;
}

bool packSpeaks(const QTranslator& pack, const QString& fileCode, const QLocale& locale)
{
    if (!pack.language().isEmpty())
        return QLocale(pack.language()).language() == locale.language();
    // A pack without its language named: its code as the ISO 639-2 code.
    return fileCode.compare(QLocale::languageToCode(locale.language(), QLocale::ISO639Part2T), Qt::CaseInsensitive) == 0;
}

} // namespace

std::vector<LanguageEntry> availableLanguages(const QStringList& directories)
{
    std::vector<LanguageEntry> entries{{QString::fromLatin1(kEnglishName), QString::fromLatin1(kEnglishCode)}};
    for (const PackFile& file : packFiles(directories)) {
        QTranslator pack;
        if (!pack.load(file.path))
            continue;
        const QString code = languageCode(packText(pack, kLanguageCodeTextId));
        if (code.isEmpty())
            continue;
        entries.push_back({packText(pack, kLanguageNameTextId), code});
    }
    return entries;
}

QString packCodeForLocale(const QStringList& directories, const QLocale& locale)
{
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return {};
    for (const PackFile& file : packFiles(directories)) {
        QTranslator pack;
        if (pack.load(file.path) && packSpeaks(pack, file.code, locale))
            return file.code;
    }
    return {};
}

int currentLanguageIndex(const std::vector<LanguageEntry>& entries, const QString& currentCode)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].code == currentCode)
            return static_cast<int>(i);
    return 0;
}

CurrentLanguage::~CurrentLanguage() { unload(); }

void CurrentLanguage::unload()
{
    if (qtTexts_)
        QCoreApplication::removeTranslator(qtTexts_.get());
    qtTexts_.reset();
    if (pack_)
        QCoreApplication::removeTranslator(pack_.get());
    pack_.reset();
    code_ = QString::fromLatin1(kEnglishCode);
}

CurrentLanguage::Result CurrentLanguage::load(const QStringList& directories, const QString& storedLanguage,
                                              const QLocale& system)
{
    unload();
    QString code = languageCode(storedLanguage);
    const bool chosen = !code.isEmpty();
    if (!chosen)
        code = packCodeForLocale(directories, system);
    if (code.isEmpty() || code == QLatin1String(kEnglishCode))
        return Result::English;
    auto pack = std::make_unique<QTranslator>();
    const auto files = packFiles(directories);
    const auto file = std::find_if(files.begin(), files.end(), [&](const PackFile& f) { return f.code == code; });
    if (file == files.end() || !pack->load(file->path))
        return chosen ? Result::Missing : Result::English;
    QCoreApplication::installTranslator(pack.get());
    pack_ = std::move(pack);
    code_ = code;
    loadQtTexts();
    return Result::Loaded;
}

void CurrentLanguage::loadQtTexts()
{
    // Without Qt's catalogue for the language its buttons stay English.
    // A pack without its language named speaks the language of its code.
    const QLocale locale = pack_->language().isEmpty()
                               ? QLocale(QLocale::codeToLanguage(code_.toLower(), QLocale::ISO639Part2T))
                               : QLocale(pack_->language());
    auto qtTexts = std::make_unique<QTranslator>();
    if (!qtTexts->load(locale, QString::fromLatin1(kQtBaseCatalogue), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(qtTexts.get());
    qtTexts_ = std::move(qtTexts);
}

} // namespace qarvo::app
