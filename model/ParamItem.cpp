#include "model/ParamItem.h"

#include <climits>
#include <cstddef>

namespace varkel {

void ParamItem::Set(const std::string& name, const std::string& help, const std::string& value,
                    int state, int enable) {
    name_ = name;
    help_ = help;
    value_ = value;
    state_ = state;
    enable_ = enable;
}

void ParamItem::AddChoice(const std::string& text) {
    choices_.push_back(text);
}

int ParamItem::ChoiceIndex() const {
    for (std::size_t i = 0; i < choices_.size(); ++i)
        if (choices_[i] == value_)
            return static_cast<int>(i);
    return -1;
}

int ParamItem::IntValue() const {
    return DecimalValue(value_);
}

int DecimalValue(const std::string& text) {
    // Reads like the C library's atoi, but saturates instead of overflowing.
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\f' || text[i] == '\v'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

} // namespace varkel
