#include "iodd/IoddXml.h"

#include <algorithm>
#include <bit>

namespace kestrion::iodd_xml {

namespace {

// The prefix of `name` when its local part is `local`; nullopt for any other name.
std::optional<std::string_view> prefix_of(const char* name, std::string_view local) {
    // Names without a colon, the most, are passed over at their first characters.
    const char* colon = name;
    while (*colon != '\0' && *colon != ':')
        ++colon;
    if (*colon == '\0') return std::nullopt;
    const char* rest = colon + 1;
    std::size_t k = 0;
    while (k < local.size() && rest[k] == local[k])
        ++k;
    if (k != local.size() || rest[k] != '\0') return std::nullopt;
    return std::string_view(name, static_cast<std::size_t>(colon - name));
}

} // namespace

PrefixScopes::Known* PrefixScopes::find(const pugi::xml_node_struct* node) {
    if (known_.empty()) return nullptr;
    const std::size_t mask = known_.size() - 1;
    // Nodes lie at least 8 bytes apart; the multiplication spreads the rest.
    std::size_t slot = ((reinterpret_cast<std::uintptr_t>(node) >> 3) * 0x9E3779B97F4A7C15u) >>
                       (64 - std::countr_zero(known_.size()));
    for (; known_[slot].node; slot = (slot + 1) & mask)
        if (known_[slot].node == node) return &known_[slot];
    return &known_[slot];
}

void PrefixScopes::remember(const pugi::xml_node_struct* node, int scope) {
    if (2 * (knownCount_ + 1) > known_.size()) {
        std::vector<Known> old = std::move(known_);
        known_.assign(old.empty() ? 64 : 2 * old.size(), Known{});
        for (const Known& k : old)
            if (k.node) *find(k.node) = k;
    }
    Known* slot = find(node);
    if (!slot->node) ++knownCount_;
    *slot = {node, scope};
}

int PrefixScopes::scope_of(pugi::xml_node node) {
    if (node.internal_object() == last_) return lastScope_;
    // Up to the nearest element already known, then down again, each element looked at
    // once for the whole document.
    int scope = -1;
    path_.clear();
    for (pugi::xml_node n = node; n.type() == pugi::node_element; n = n.parent()) {
        if (const Known* known = find(n.internal_object()); known && known->node) {
            scope = known->scope;
            break;
        }
        path_.push_back(n);
    }
    for (auto n = path_.rbegin(); n != path_.rend(); ++n) {
        std::vector<Declaration> declarations;
        for (pugi::xml_attribute a = n->first_attribute(); a; a = a.next_attribute())
            if (is_declaration(a.name()))
                declarations.emplace_back(std::string_view(a.name() + 6), a.value());
        if (!declarations.empty()) {
            std::stable_sort(
                declarations.begin(), declarations.end(),
                [](const Declaration& a, const Declaration& b) { return a.first < b.first; });
            declarations.erase(std::unique(declarations.begin(), declarations.end(),
                                           [](const Declaration& a, const Declaration& b) {
                                               return a.first == b.first;
                                           }),
                               declarations.end());
            scopes_.push_back({std::move(declarations), scope});
            scope = static_cast<int>(scopes_.size()) - 1;
        }
        remember(n->internal_object(), scope);
    }
    last_ = node.internal_object();
    lastScope_ = scope;
    return scope;
}

std::optional<std::string_view> PrefixScopes::binding(int scope, std::string_view prefix) const {
    for (; scope >= 0; scope = scopes_[static_cast<std::size_t>(scope)].parent) {
        const auto& declarations = scopes_[static_cast<std::size_t>(scope)].declarations;
        const auto at =
            std::lower_bound(declarations.begin(), declarations.end(), prefix,
                             [](const Declaration& d, std::string_view p) { return d.first < p; });
        if (at != declarations.end() && at->first == prefix) return at->second;
    }
    return std::nullopt;
}

pugi::xml_attribute ns_attribute(PrefixScopes& scopes, pugi::xml_node node, std::string_view local,
                                 std::string_view uri, std::string_view fallback_prefix,
                                 pugi::xml_node from, pugi::xml_node* within) {
    // One look at every attribute finds the first candidate and tells whether the element
    // declares any prefix itself.
    pugi::xml_attribute first;
    bool declares = false;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const char* name = a.name();
        if (is_declaration(name))
            declares = true;
        else if (!first && prefix_of(name, local))
            first = a;
    }
    const pugi::xml_node holder = declares ? node : from ? from : node.parent();
    if (within) *within = holder;
    if (!first) return {};
    const int scope = scopes.scope_of(holder);
    for (pugi::xml_attribute a = first; a; a = a.next_attribute()) {
        const auto prefix = prefix_of(a.name(), local);
        if (!prefix || *prefix == "xmlns") continue;
        const auto bound = scopes.binding(scope, *prefix);
        if (bound ? *bound == uri : *prefix == fallback_prefix) return a;
    }
    return {};
}

} // namespace kestrion::iodd_xml
