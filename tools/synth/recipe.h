#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// One line of a sound recipe: a kind ("tone", "wind", ...) followed by
// key=value settings, e.g.  tone at=0.01 freq=E6 decay=0.4 gain=0.8
struct Directive {
    std::string kind;
    std::map<std::string, std::string> values;
    int line = 0;
    mutable std::set<std::string> read; // keys looked at, to catch misspelt ones
};

struct Recipe {
    std::string path;
    std::vector<Directive> directives;
};

// Reads a recipe file; throws std::runtime_error naming the file and line.
Recipe readRecipe(const std::string& path);

// ---------------------------------------------------------------------------
// Settings of a directive. Each throws std::runtime_error naming the line when
// a required key is missing or a value does not parse.

bool has(const Directive& directive, const std::string& key);
double number(const Directive& directive, const std::string& key);
double number(const Directive& directive, const std::string& key, double fallback);
// A frequency in Hz, written as a number or a note name such as A4, C#5, Bb3.
double frequency(const Directive& directive, const std::string& key);
// Comma-separated numbers, e.g. ratios=1,2.76,5.4
std::vector<double> numbers(const Directive& directive, const std::string& key,
                            const std::vector<double>& fallback);
// Comma-separated words, kept as text, e.g. notes=E5,-,G5:2
std::vector<std::string> words(const Directive& directive, const std::string& key);

// Hz of a note name (A4 = 440), or of a plain number.
double parseFrequency(const std::string& text, const Directive& directive);

// Throws when the directive carries a key that nothing read.
void rejectUnknownKeys(const Directive& directive, const std::string& recipePath);
