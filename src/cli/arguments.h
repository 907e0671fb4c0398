#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solvane::cli {

// An option a command accepts, with its leading dashes ("-o", "--diameter"); it takes a value
// unless it is a switch ("--path"), which is either given or not.
struct OptionSpec {
    const char* name;
    bool isSwitch = false;
};

// The words of one command split into positional words and options, with typed getters that
// check the values. The first fault is kept as a plain-words message; later ones are dropped.
// Options take their value from the next word or after "=" ("--edge=3"); "--" ends the options.
class CommandLine {
public:
    CommandLine(const std::vector<std::string>& words, std::initializer_list<OptionSpec> options);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    bool helpAsked() const { return helpAsked_; }
    const std::vector<std::string>& positional() const { return positional_; }

    // Whether the option (a switch or one with a value) was given.
    bool given(std::string_view name) const { return values_.find(name) != values_.end(); }

    // The option's text, or nothing when it was not given.
    std::optional<std::string> text(std::string_view name) const;

    // The option as a decimal number ("." as the point), or fallback when it was not given.
    double number(std::string_view name, double fallback);

    // The option as a whole number in [min, max], or fallback when it was not given.
    int whole(std::string_view name, int fallback, int min, int max);

    // The option as one of choices (compared without regard to case), spelt as in choices.
    std::string choice(std::string_view name, const std::string& fallback, std::initializer_list<const char*> choices);

    // The option as one of choices, or nothing when it was not given.
    std::optional<std::string> choiceIfGiven(std::string_view name, std::initializer_list<const char*> choices);

    // Records a fault found by the command itself.
    void fail(const std::string& message);

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string, std::less<>> values_;
    std::string error_;
    bool helpAsked_ = false;
};

// Case-insensitive comparison of two ASCII words.
bool sameWord(std::string_view a, std::string_view b);

}  // namespace solvane::cli
