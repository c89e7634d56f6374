#include "app/Languages.h"

#include "app/Strings.h"

#include <QCoreApplication>
#include <QDir>

namespace qarvo::app {
namespace {

constexpr const char* kPackPrefix = "Rps";
constexpr const char* kPackSuffix = ".qm";

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

std::vector<LanguageEntry> availableLanguages(const QString& directory)
{
    std::vector<LanguageEntry> entries{{QString::fromLatin1(kEnglishName), QString::fromLatin1(kEnglishCode)}};
    const QDir dir(directory);
    const QString pattern = QString::fromLatin1(kPackPrefix) + u'*' + QString::fromLatin1(kPackSuffix);
    for (const QString& file : dir.entryList({pattern}, QDir::Files, QDir::Name)) {
        QTranslator pack;
        if (!pack.load(dir.filePath(file)))
            continue;
        const QString code = languageCode(packText(pack, kLanguageCodeTextId));
        if (code.isEmpty())
            continue;
        entries.push_back({packText(pack, kLanguageNameTextId), code});
    }
    return entries;
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
    if (pack_)
        QCoreApplication::removeTranslator(pack_.get());
    pack_.reset();
    code_ = QString::fromLatin1(kEnglishCode);
}

CurrentLanguage::Result CurrentLanguage::load(const QString& directory, const QString& storedLanguage)
{
    unload();
    const QString code = languageCode(storedLanguage);
    if (code == QLatin1String(kEnglishCode))
        return Result::English;
    auto pack = std::make_unique<QTranslator>();
    if (!pack->load(QDir(directory).filePath(packFileName(code))))
        return Result::Missing;
    QCoreApplication::installTranslator(pack.get());
    pack_ = std::move(pack);
    code_ = code;
    return Result::Loaded;
}

} // namespace qarvo::app
