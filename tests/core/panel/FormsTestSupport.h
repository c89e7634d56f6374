#pragma once
// A document of one panel model with its forms read from the image, for the
// tests of the programming forms.
#include "base/TextIds.h"
#include "panel/ProgrammingForms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace qarvo::panel::test {

using Bytes = std::vector<std::uint8_t>;

struct FormsDoc {
    CUploadDoc doc{"Current log"};
    ProgrammingForms forms;

    explicit FormsDoc(std::uint8_t typeCode = kDefaultTypeCode)
    {
        PanelIdentity identity;
        EXPECT_TRUE(identity.setFromModel(typeCode));
        doc.identity() = identity;
        doc.buildLayout();
        doc.loadDefaults();
        show();
    }

    void show() { imageToForms(doc, forms); }
    std::optional<FormError> store() { return formsToImage(forms, doc); }
    const PanelModel& model() const { return *findPanelModel(doc.identity().typeCode); }

    Bytes at(std::size_t address, std::size_t length) const
    {
        const auto r = doc.image().range(address, length);
        return {r.begin(), r.end()};
    }
    Bytes setting(Setting s) const
    {
        const auto b = doc.bytes(s);
        return {b.begin(), b.end()};
    }
    void put(std::size_t address, const Bytes& bytes)
    {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            doc.image()[address + i] = bytes[i];
    }
    void putSetting(Setting s, const Bytes& bytes)
    {
        const auto b = doc.bytes(s);
        for (std::size_t i = 0; i < bytes.size() && i < b.size(); ++i)
            b[i] = bytes[i];
    }

    // Stores the forms expecting the refusal, and checks that the refusal
    // left the image as it was.
    FormError refusal()
    {
        const PanelImage before = doc.image();
        const auto error = store();
        EXPECT_TRUE(error.has_value());
        EXPECT_TRUE(doc.image() == before) << "a refused store must not touch the image";
        return error.value_or(FormError{});
    }
};

inline FormError error(int textId, std::optional<int> number, int control, int row = -1, int column = -1)
{
    return {textId, number, control, row, column};
}

} // namespace qarvo::panel::test

namespace qarvo::panel {
inline void PrintTo(const FormError& e, std::ostream* os)
{
    *os << "{text " << e.textId << ", number " << (e.number ? std::to_string(*e.number) : "-") << ", control "
        << e.control << ", row " << e.row << ", column " << e.column << "}";
}

} // namespace qarvo::panel

