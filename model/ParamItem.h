#pragma once
#include <memory>
#include <string>
#include <vector>

namespace varkel {

// One setting of a configuration object: a named text value with a help
// text, how the user may change it and whether he may now.
class ParamItem {
public:
    enum State { ShownOnly = 0, Typed = 1, Picked = 2 };

    ParamItem() = default;

    void Set(const std::string& name, const std::string& help, const std::string& value, int state,
             int enable);
    void AddChoice(const std::string& text);
    void SetEnable(int flag) { enable_ = flag; }

    const std::vector<std::string>& GetChoices() const { return choices_; }
    const std::string& GetHelp() const { return help_; }
    const std::string& GetName() const { return name_; }
    const std::string& GetValue() const { return value_; }
    int GetState() const { return state_; }
    int GetEnable() const { return enable_; }
    void SetValue(const std::string& value) { value_ = value; }
    void SetName(const std::string& name) { name_ = name; }
    void SetHelp(const std::string& help) { help_ = help; }
    void SetState(int state) { state_ = state; }

    // Position of the first choice equal to the current value, or -1.
    int ChoiceIndex() const;
    // Current value as a decimal integer: leading digits, 0 when none.
    int IntValue() const;

    std::unique_ptr<ParamItem> Clone() const { return std::make_unique<ParamItem>(*this); }

private:
    std::vector<std::string> choices_;
    std::string help_;
    std::string name_;
    std::string value_;
    int state_ = 0;
    int enable_ = 1;
};

using ItemList = std::vector<std::unique_ptr<ParamItem>>;

// Leading decimal digits of a text as an integer (0 when none), as the
// original's number conversion reads values.
int DecimalValue(const std::string& text);

} // namespace varkel
