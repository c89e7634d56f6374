#pragma once
// A validator that takes a text only when every character passes a filter,
// so a refused key press or paste leaves the field as it was; it can turn
// letters to upper case as they come in (hex digits).
#include <QValidator>

#include <functional>

namespace qarvo::gui {

class CharFilterValidator : public QValidator {
public:
    using Filter = std::function<bool(char)>;
    CharFilterValidator(Filter filter, QObject* parent, bool upperCase = false)
        : QValidator(parent), filter_(std::move(filter)), upperCase_(upperCase)
    {
    }

    State validate(QString& input, int&) const override
    {
        for (const QChar c : input) {
            if (c.unicode() > 0x7F || !filter_(static_cast<char>(c.unicode())))
                return Invalid;
        }
        if (upperCase_)
            input = input.toUpper();
        return Acceptable;
    }

private:
    Filter filter_;
    bool upperCase_;
};

} // namespace qarvo::gui
