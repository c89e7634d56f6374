// Where the event log page finds the PDF converter: beside the program in a
// build, in libexec/qarvoip in an installed tree, out of the user's PATH.
#include "eventlog/PdfExport.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace qarvo;
using namespace qarvo::testing;
namespace fs = std::filesystem;

TEST(PdfExport, TheConverterIsFoundBesideTheProgramOrWhereTheInstallPutsIt)
{
    // Where the converter is, relative to the tree's root; the program is in bin/.
    const char* const places[] = {
        "bin/text2pdf",             // a build: beside the program
        "libexec/qarvoip/text2pdf", // an installed tree
    };
    for (const char* place : places) {
        TempDir tree;
        const fs::path converter = tree.file(place);
        fs::create_directories(tree.file("bin"));
        fs::create_directories(converter.parent_path());
        std::ofstream(converter) << "";
        const QString found = eventlog::converterPath(QString::fromStdString(tree.file("bin").string()));
        EXPECT_EQ(fs::path(found.toStdString()), converter) << place;
    }
}
