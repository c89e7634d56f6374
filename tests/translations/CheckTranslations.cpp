// qarvoip-check-translations PACK.ts…: lists every string-table text a
// language pack leaves untranslated, unfinished or with conversions or line
// breaks other than the English; exits 1 when there is any, 2 on bad usage.
#include "app/PackCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <iostream>

namespace {

int checkOne(const QString& path)
{
    const auto problems = qarvo::app::checkPack(path);
    const std::string name = QFileInfo(path).fileName().toStdString();
    for (const auto& problem : problems)
        std::cout << name << ": " << qarvo::app::describe(problem).toStdString() << '\n';
    std::cout << name << ": " << (problems.empty() ? "complete" : std::to_string(problems.size()) + " problem(s)")
              << std::endl;
    return problems.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList packs = app.arguments().mid(1);
    if (packs.isEmpty()) {
        std::cerr << "usage: qarvoip-check-translations PACK.ts..." << std::endl;
        return 2;
    }
    int result = 0;
    for (const QString& pack : packs)
        result |= checkOne(pack);
    return result;
}
