#include "arguments.h"

#include <cctype>
#include <cmath>

#include "text/fields.h"

namespace solvane::cli {

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

CommandLine::CommandLine(const std::vector<std::string>& words, std::initializer_list<OptionSpec> options)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            positional_.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            helpAsked_ = true;
            continue;
        }

        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& option : options)
            if (name == option.name) spec = &option;
        if (!spec) {
            fail("unknown option \"" + name + "\"");
            continue;
        }
        if (values_.count(name) != 0) {
            fail("option " + name + " is given twice");
            continue;
        }
        if (spec->isSwitch) {
            if (equals != std::string::npos) fail("option " + name + " takes no value");
            values_[name] = "";
        } else if (equals != std::string::npos) {
            values_[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            values_[name] = words[++i];
        } else {
            fail("option " + name + " needs a value");
        }
    }
}

std::optional<std::string> CommandLine::text(std::string_view name) const
{
    const auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

double CommandLine::number(std::string_view name, double fallback)
{
    const auto given = text(name);
    if (!given) return fallback;
    const auto value = parseNumberField(*given);
    if (!value) {
        fail(std::string(name) + " needs a number, not \"" + *given + "\"");
        return fallback;
    }
    return *value;
}

int CommandLine::whole(std::string_view name, int fallback, int min, int max)
{
    const auto given = text(name);
    if (!given) return fallback;
    const auto value = parseNumberField(*given);
    if (!value || *value != std::floor(*value)) {
        fail(std::string(name) + " needs a whole number, not \"" + *given + "\"");
        return fallback;
    }
    if (*value < min || *value > max) {
        fail(std::string(name) + " must lie between " + std::to_string(min) + " and " + std::to_string(max) + ", not " +
             *given);
        return fallback;
    }
    return static_cast<int>(*value);
}

std::string CommandLine::choice(std::string_view name, const std::string& fallback,
                                std::initializer_list<const char*> choices)
{
    const auto given = text(name);
    if (!given) return fallback;
    std::string list;
    for (const char* choice : choices) {
        if (sameWord(*given, choice)) return choice;
        list += list.empty() ? "" : " or ";
        list += choice;
    }
    fail(std::string(name) + " must be " + list + ", not \"" + *given + "\"");
    return fallback;
}

std::optional<std::string> CommandLine::choiceIfGiven(std::string_view name, std::initializer_list<const char*> choices)
{
    if (!given(name)) return std::nullopt;
    return choice(name, "", choices);
}

void CommandLine::fail(const std::string& message)
{
    if (error_.empty()) error_ = message;
}

}  // namespace solvane::cli
