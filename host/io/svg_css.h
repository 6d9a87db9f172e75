// The small part of CSS that SVG files use: declaration lists (style attributes) and style
// sheets of rules with type, universal, class, id and attribute selectors, :first-child,
// descendant and child combinators, comma lists and !important.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace kelvo::io::svg {

struct Declaration {
    std::string name;  // lower case
    std::string value;
    bool important = false;
};

// "fill: red; stroke : blue !important" (comments allowed).
std::vector<Declaration> parseDeclarations(std::string_view text);

class StyleSheet {
public:
    // Adds the rules of one style sheet; rules it cannot read are skipped and described in
    // `problems` (one line each).
    void add(std::string_view css, std::vector<std::string>& problems);
    bool empty() const { return rules_.empty(); }

    // The declarations of every rule matching `element`, lowest precedence first (specificity,
    // then order in the sheets).
    std::vector<const Declaration*> matching(const pugi::xml_node& element) const;

    struct Simple {
        enum Kind { type, id, className, attributeExists, attributeEquals, firstChild } kind;
        std::string name, value;
    };
    struct Compound {
        std::vector<Simple> parts;  // empty: the universal selector
        char combinator = 0;        // how it relates to the compound on its left: ' ' or '>'
    };
    struct Rule {
        std::vector<Compound> selector;
        int specificity = 0;
        int order = 0;
        std::vector<Declaration> declarations;
    };

private:
    std::vector<Rule> rules_;
};

// The element's name without its namespace prefix.
std::string_view localName(const pugi::xml_node& element);

}  // namespace kelvo::io::svg
