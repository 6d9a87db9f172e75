// Resource files: the property list, string tables and dialogs of one plug-in, as JSON.
//
// {"propertyList": {"kind": "SPEA", "interfaceVersion": 2, "entryPoint": "PluginMain",
//                   "library": "KV07_Tessivo.so"},
//  "strings": {"16000": ["…", "Kelvo <Create>", "Tessivo..."], …},
//  "dialogs": {"16050": {"title": "…", "width": 360, "height": 200,
//                        "items": [{"id": 1, "type": "ADM Text Push Button Type",
//                                   "bounds": [l, t, r, b], "text": "OK"}, …]}, …}}
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "loader/loader.h"

namespace kelvo::host {

namespace {

int32_t parseId(const std::string& text, const std::filesystem::path& file) {
    try {
        std::size_t used = 0;
        int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw LoadError(file.string() + ": resource id \"" + text + "\" is not a number");
}

}  // namespace

const std::string* Resources::string(int32_t table, int32_t index) const {
    auto found = strings.find(table);
    if (found == strings.end() || index < 0 || static_cast<std::size_t>(index) >= found->second.size()) return nullptr;
    return &found->second[static_cast<std::size_t>(index)];
}

const toolkit::DialogResource* Resources::dialog(int32_t id) const {
    auto found = dialogs.find(id);
    return found == dialogs.end() ? nullptr : &found->second;
}

Resources readResources(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw LoadError(file.string() + ": cannot be read");
    std::stringstream text;
    text << in.rdbuf();
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(text.str());
    } catch (const nlohmann::json::parse_error& error) {
        throw LoadError(file.string() + ": not a resource file (" + error.what() + ")");
    }

    Resources resources;
    try {
        const auto& properties = json.at("propertyList");
        resources.properties.kind = properties.at("kind").get<std::string>();
        resources.properties.interfaceVersion = properties.at("interfaceVersion").get<int32_t>();
        resources.properties.entryPoint = properties.at("entryPoint").get<std::string>();
        resources.properties.library = properties.at("library").get<std::string>();
        if (json.contains("strings")) {
            for (const auto& [id, entries] : json.at("strings").items())
                resources.strings[parseId(id, file)] = entries.get<std::vector<std::string>>();
        }
        if (json.contains("dialogs")) {
            for (const auto& [id, dialog] : json.at("dialogs").items()) {
                toolkit::DialogResource described;
                described.title = dialog.value("title", "");
                described.width = dialog.value("width", 0);
                described.height = dialog.value("height", 0);
                for (const auto& item : dialog.value("items", nlohmann::json::array())) {
                    toolkit::ItemResource entry;
                    entry.id = item.at("id").get<int32_t>();
                    std::string type = item.at("type").get<std::string>();
                    auto kind = toolkit::itemTypeFromName(type);
                    if (!kind) throw LoadError(file.string() + ": dialog " + id + ": unknown item type \"" + type + "\"");
                    entry.type = *kind;
                    auto bounds = item.at("bounds").get<std::vector<int32_t>>();
                    if (bounds.size() != 4) throw LoadError(file.string() + ": dialog " + id + ": bounds need four numbers");
                    entry.bounds = KvIntRect{bounds[0], bounds[1], bounds[2], bounds[3]};
                    entry.text = item.value("text", "");
                    described.items.push_back(std::move(entry));
                }
                resources.dialogs[parseId(id, file)] = std::move(described);
            }
        }
    } catch (const nlohmann::json::exception& error) {
        throw LoadError(file.string() + ": malformed resource file (" + error.what() + ")");
    }

    if (resources.properties.kind != "SPEA")
        throw LoadError(file.string() + ": plug-in kind \"" + resources.properties.kind + "\" is not SPEA");
    if (resources.properties.interfaceVersion != 2)
        throw LoadError(file.string() + ": interface version " + std::to_string(resources.properties.interfaceVersion) +
                        " is not supported (2 is)");
    return resources;
}

}  // namespace kelvo::host
