// Finding plug-ins by their resource files, loading their libraries and sending them messages.
//
// A plug-in is a resource file NAME.json (property list 16000, string tables, dialogs) beside
// its library. The property list names the library, the kind ("SPEA"), the interface version
// (2) and the entry point. The loader keeps each plug-in's globals slot across Unload/Reload and
// each filter's parameter block for as long as it runs.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelvo/sdk/sdk.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::host {

class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PropertyList {
    std::string kind;
    int32_t interfaceVersion = 0;
    std::string entryPoint;
    std::string library;  // file name, relative to the resource file's folder
};

struct Resources {
    PropertyList properties;
    std::map<int32_t, std::vector<std::string>> strings;  // table id -> entries from 0
    std::map<int32_t, toolkit::DialogResource> dialogs;

    // Entry `index` of table `table`, or null when missing.
    const std::string* string(int32_t table, int32_t index) const;
    const toolkit::DialogResource* dialog(int32_t id) const;
};

// Reads and checks a resource file. Throws LoadError naming the file and the fault.
Resources readResources(const std::filesystem::path& file);

struct Plugin {
    std::string name;  // the resource file's stem, e.g. KV07_Tessivo
    std::filesystem::path resourceFile, libraryPath;
    Resources resources;
    void* library = nullptr;
    KvPluginMainProc main = nullptr;
    void* globals = nullptr;  // the slot the host keeps for the plug-in
    bool started = false;

    KvPluginRef reference() { return reinterpret_cast<KvPluginRef>(this); }
};

class Loader {
public:
    explicit Loader(Host& host);
    ~Loader();  // shuts every started plug-in down and unloads it
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    // The folders of $KELVO_PLUGIN_PATH (colon-separated), then `programDir`/plugins.
    static std::vector<std::filesystem::path> defaultFolders(const std::filesystem::path& programDir);
    // Adds every plug-in found in the folders; a bad resource file is skipped with a warning.
    std::vector<std::string> discover(const std::vector<std::filesystem::path>& folders);
    // Adds one plug-in by its resource file. Throws LoadError.
    Plugin& add(const std::filesystem::path& resourceFile);
    const std::vector<std::unique_ptr<Plugin>>& plugins() const { return plugins_; }
    // By registered name, plug-in name, or short form ("tessivo" for "KV07_Tessivo"), any case.
    Plugin* find(const std::string& name) const;

    // Loads the library and sends "SP Interface"/"Startup". Throws LoadError when the library
    // or its entry point cannot be loaded; returns the plug-in's result otherwise.
    KvResult start(Plugin& plugin);
    // Sends "Shutdown" and unloads the library.
    KvResult shutdown(Plugin& plugin);
    // "SP Access": Unload (then dlclose) and Reload (dlopen first); the globals slot is carried.
    KvResult unload(Plugin& plugin);
    KvResult reload(Plugin& plugin);
    // Any message with the common fields; the globals slot is read back afterwards.
    KvResult send(Plugin& plugin, const char* caller, const char* selector);
    // "AI Filter" messages for a registered filter. Get Parameters opens a command on the
    // document that the following Go closes; a Go on its own opens and closes its own.
    KvResult getParameters(FilterRecord& filter);
    KvResult go(FilterRecord& filter);
    // Get Parameters, then Go when it returned 0; the command is closed in every case.
    KvResult runFilter(FilterRecord& filter);

private:
    void openLibrary(Plugin& plugin);
    void closeLibrary(Plugin& plugin);
    KvResult deliver(Plugin& plugin, const char* caller, const char* selector, void* message);
    Host& host_;
    std::vector<std::unique_ptr<Plugin>> plugins_;
};

}  // namespace kelvo::host
