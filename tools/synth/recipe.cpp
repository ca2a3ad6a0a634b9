#include "recipe.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const Directive& directive, const std::string& message) {
    throw std::runtime_error("line " + std::to_string(directive.line) + " (" + directive.kind +
                             "): " + message);
}

const std::string& text(const Directive& directive, const std::string& key) {
    directive.read.insert(key);
    const auto found = directive.values.find(key);
    if (found == directive.values.end()) {
        fail(directive, "needs " + key + "=");
    }
    return found->second;
}

double parseNumber(const std::string& value, const Directive& directive) {
    char* end = nullptr;
    const double parsed = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !std::isfinite(parsed)) {
        fail(directive, "'" + value + "' is not a number");
    }
    return parsed;
}

std::vector<std::string> splitCommas(const std::string& value) {
    std::vector<std::string> parts;
    std::stringstream stream(value);
    std::string part;
    while (std::getline(stream, part, ',')) {
        parts.push_back(part);
    }
    return parts;
}

// '#' starts a comment at the start of a line or after a space; inside a word
// it is a sharp, as in F#3.
std::string withoutComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) {
            return line.substr(0, i);
        }
    }
    return line;
}

} // namespace

Recipe readRecipe(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    Recipe recipe;
    recipe.path = path;

    std::string lineText;
    int lineNumber = 0;
    while (std::getline(file, lineText)) {
        ++lineNumber;
        lineText = withoutComment(lineText);
        std::stringstream words(lineText);
        Directive directive;
        directive.line = lineNumber;
        if (!(words >> directive.kind)) {
            continue;
        }
        std::string setting;
        while (words >> setting) {
            const auto equals = setting.find('=');
            if (equals == std::string::npos || equals == 0) {
                fail(directive, "'" + setting + "' is not key=value");
            }
            directive.values[setting.substr(0, equals)] = setting.substr(equals + 1);
        }
        recipe.directives.push_back(directive);
    }
    return recipe;
}

bool has(const Directive& directive, const std::string& key) {
    return directive.values.count(key) != 0;
}

double number(const Directive& directive, const std::string& key) {
    return parseNumber(text(directive, key), directive);
}

double number(const Directive& directive, const std::string& key, double fallback) {
    directive.read.insert(key);
    return has(directive, key) ? number(directive, key) : fallback;
}

double parseFrequency(const std::string& value, const Directive& directive) {
    static const int semitoneOfLetter[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (value.empty() || value[0] < 'A' || value[0] > 'G') {
        return parseNumber(value, directive);
    }
    int semitone = semitoneOfLetter[value[0] - 'A'];
    size_t at = 1;
    if (at < value.size() && (value[at] == '#' || value[at] == 'b')) {
        semitone += value[at] == '#' ? 1 : -1;
        ++at;
    }
    const int octave = static_cast<int>(parseNumber(value.substr(at), directive));
    const int fromA4 = semitone - 9 + 12 * (octave - 4);
    return 440.0 * std::pow(2.0, fromA4 / 12.0);
}

double frequency(const Directive& directive, const std::string& key) {
    return parseFrequency(text(directive, key), directive);
}

std::vector<double> numbers(const Directive& directive, const std::string& key,
                            const std::vector<double>& fallback) {
    directive.read.insert(key);
    if (!has(directive, key)) {
        return fallback;
    }
    std::vector<double> parsed;
    for (const std::string& part : splitCommas(text(directive, key))) {
        parsed.push_back(parseNumber(part, directive));
    }
    return parsed;
}

std::vector<std::string> words(const Directive& directive, const std::string& key) {
    return splitCommas(text(directive, key));
}

void rejectUnknownKeys(const Directive& directive, const std::string& recipePath) {
    for (const auto& [key, value] : directive.values) {
        if (directive.read.count(key) == 0) {
            throw std::runtime_error(recipePath + ": line " + std::to_string(directive.line) +
                                     " (" + directive.kind + "): unknown key " + key);
        }
    }
}
