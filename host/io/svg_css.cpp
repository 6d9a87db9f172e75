#include "io/svg_css.h"

#include <algorithm>
#include <cstring>

#include "io/svg_parse.h"

namespace kelvo::io::svg {
namespace {

std::string stripComments(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            auto close = text.find("*/", i + 2);
            if (close == std::string_view::npos) break;
            i = close + 1;
            out += ' ';
            continue;
        }
        out += text[i];
    }
    return out;
}

bool isNameChar(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '-' ||
           ch == '_' || ch == ':' || static_cast<unsigned char>(ch) >= 0x80;
}

// One selector of a comma list; false when it uses something we do not read.
bool parseSelector(std::string_view text, StyleSheet::Rule& rule) {
    text = trim(text);
    std::size_t i = 0;
    int ids = 0, classes = 0, types = 0;
    char pendingCombinator = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' || text[i] == '>') {
            bool child = false;
            while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' || text[i] == '>')) {
                child |= text[i] == '>';
                ++i;
            }
            if (rule.selector.empty()) return false;
            pendingCombinator = child ? '>' : ' ';
            continue;
        }
        StyleSheet::Compound compound;
        compound.combinator = rule.selector.empty() ? 0 : pendingCombinator;
        bool any = false;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != '\n' && text[i] != '\r' && text[i] != '>') {
            char ch = text[i];
            auto name = [&](std::size_t from) {
                std::size_t j = from;
                while (j < text.size() && isNameChar(text[j])) ++j;
                std::string result(text.substr(from, j - from));
                i = j;
                return result;
            };
            if (ch == '*') {
                ++i;
            } else if (ch == '#') {
                std::string id = name(i + 1);
                if (id.empty()) return false;
                compound.parts.push_back({StyleSheet::Simple::id, id, {}});
                ++ids;
            } else if (ch == '.') {
                std::string className = name(i + 1);
                if (className.empty()) return false;
                compound.parts.push_back({StyleSheet::Simple::className, className, {}});
                ++classes;
            } else if (ch == '[') {
                auto close = text.find(']', i);
                if (close == std::string_view::npos) return false;
                std::string_view inner = trim(text.substr(i + 1, close - i - 1));
                auto equals = inner.find('=');
                if (equals == std::string_view::npos) {
                    compound.parts.push_back({StyleSheet::Simple::attributeExists, std::string(inner), {}});
                } else {
                    std::string_view value = trim(inner.substr(equals + 1));
                    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')) value = value.substr(1, value.size() - 2);
                    std::string_view attribute = trim(inner.substr(0, equals));
                    if (!attribute.empty() && !isNameChar(attribute.back())) return false;  // ~= |= ^= …
                    compound.parts.push_back({StyleSheet::Simple::attributeEquals, std::string(attribute), std::string(value)});
                }
                ++classes;
                i = close + 1;
            } else if (ch == ':') {
                std::string pseudo = name(i + 1);
                if (pseudo != "first-child") return false;
                compound.parts.push_back({StyleSheet::Simple::firstChild, {}, {}});
                ++classes;
            } else if (isNameChar(ch)) {
                std::string type = name(i);
                compound.parts.push_back({StyleSheet::Simple::type, type, {}});
                ++types;
            } else {
                return false;
            }
            any = true;
        }
        if (!any) return false;
        rule.selector.push_back(std::move(compound));
        pendingCombinator = 0;
    }
    if (rule.selector.empty()) return false;
    rule.specificity = ids * 10000 + classes * 100 + types;
    return true;
}

bool hasClass(const pugi::xml_node& element, std::string_view name) {
    std::string_view classes = element.attribute("class").value();
    std::size_t i = 0;
    while (i < classes.size()) {
        while (i < classes.size() && (classes[i] == ' ' || classes[i] == '\t' || classes[i] == '\n')) ++i;
        std::size_t j = i;
        while (j < classes.size() && classes[j] != ' ' && classes[j] != '\t' && classes[j] != '\n') ++j;
        if (j > i && classes.substr(i, j - i) == name) return true;
        i = j;
    }
    return false;
}

bool matchesCompound(const pugi::xml_node& element, const StyleSheet::Compound& compound) {
    for (const auto& part : compound.parts) {
        switch (part.kind) {
            case StyleSheet::Simple::type:
                if (localName(element) != part.name) return false;
                break;
            case StyleSheet::Simple::id:
                if (part.name != element.attribute("id").value()) return false;
                break;
            case StyleSheet::Simple::className:
                if (!hasClass(element, part.name)) return false;
                break;
            case StyleSheet::Simple::attributeExists:
                if (!element.attribute(part.name.c_str())) return false;
                break;
            case StyleSheet::Simple::attributeEquals:
                if (part.value != element.attribute(part.name.c_str()).value()) return false;
                break;
            case StyleSheet::Simple::firstChild: {
                pugi::xml_node first = element.parent().first_child();
                while (first && first.type() != pugi::node_element) first = first.next_sibling();
                if (first != element) return false;
                break;
            }
        }
    }
    return true;
}

bool matchesFrom(pugi::xml_node element, const std::vector<StyleSheet::Compound>& selector, std::size_t index) {
    if (!matchesCompound(element, selector[index])) return false;
    if (index == 0) return true;
    char combinator = selector[index].combinator;
    for (pugi::xml_node ancestor = element.parent(); ancestor && ancestor.type() == pugi::node_element;
         ancestor = ancestor.parent()) {
        if (matchesFrom(ancestor, selector, index - 1)) return true;
        if (combinator == '>') return false;
    }
    return false;
}

}  // namespace

std::string_view localName(const pugi::xml_node& element) {
    std::string_view name = element.name();
    if (auto colon = name.find(':'); colon != std::string_view::npos) name.remove_prefix(colon + 1);
    return name;
}

std::vector<Declaration> parseDeclarations(std::string_view text) {
    std::vector<Declaration> out;
    std::string clean = stripComments(text);
    std::string_view rest = clean;
    while (!rest.empty()) {
        auto semicolon = rest.find(';');
        std::string_view item = rest.substr(0, semicolon);
        rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
        auto colon = item.find(':');
        if (colon == std::string_view::npos) continue;
        Declaration declaration;
        declaration.name = lowerCase(trim(item.substr(0, colon)));
        std::string_view value = trim(item.substr(colon + 1));
        if (auto bang = value.rfind('!'); bang != std::string_view::npos && lowerCase(trim(value.substr(bang + 1))) == "important") {
            declaration.important = true;
            value = trim(value.substr(0, bang));
        }
        declaration.value = std::string(value);
        if (!declaration.name.empty()) out.push_back(std::move(declaration));
    }
    return out;
}

void StyleSheet::add(std::string_view css, std::vector<std::string>& problems) {
    std::string clean = stripComments(css);
    std::string_view rest = clean;
    while (true) {
        rest = trim(rest);
        if (rest.empty()) return;
        if (rest.front() == '@') {
            // At-rules: a statement up to ';' or a block.
            auto semicolon = rest.find(';');
            auto brace = rest.find('{');
            std::string_view keyword = rest.substr(0, std::min({rest.find(' '), rest.find('"'), rest.size()}));
            problems.push_back("CSS " + std::string(keyword) + " rules are not supported");
            if (brace != std::string_view::npos && (semicolon == std::string_view::npos || brace < semicolon)) {
                int depth = 0;
                std::size_t i = brace;
                for (; i < rest.size(); ++i) {
                    if (rest[i] == '{') ++depth;
                    else if (rest[i] == '}' && --depth == 0) break;
                }
                rest = i < rest.size() ? rest.substr(i + 1) : std::string_view();
            } else {
                rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
            }
            continue;
        }
        auto open = rest.find('{');
        if (open == std::string_view::npos) return;
        auto close = rest.find('}', open);
        std::string_view selectors = rest.substr(0, open);
        std::string_view body = rest.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
        rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + 1);
        auto declarations = parseDeclarations(body);
        while (true) {
            auto comma = selectors.find(',');
            Rule rule;
            if (parseSelector(selectors.substr(0, comma), rule)) {
                rule.order = static_cast<int>(rules_.size());
                rule.declarations = declarations;
                rules_.push_back(std::move(rule));
            } else {
                problems.push_back("CSS selector \"" + std::string(trim(selectors.substr(0, comma))) + "\" is not supported");
            }
            if (comma == std::string_view::npos) break;
            selectors = selectors.substr(comma + 1);
        }
    }
}

std::vector<const Declaration*> StyleSheet::matching(const pugi::xml_node& element) const {
    std::vector<const Rule*> matched;
    for (const auto& rule : rules_)
        if (matchesFrom(element, rule.selector, rule.selector.size() - 1)) matched.push_back(&rule);
    std::stable_sort(matched.begin(), matched.end(),
                     [](const Rule* a, const Rule* b) { return a->specificity < b->specificity; });
    std::vector<const Declaration*> out;
    for (const Rule* rule : matched)
        for (const auto& declaration : rule->declarations) out.push_back(&declaration);
    return out;
}

}  // namespace kelvo::io::svg
